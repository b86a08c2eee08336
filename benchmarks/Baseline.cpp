#include "Baseline.h"

#include "store/OilInfo.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

Baseline::Baseline(const QString& databasePath, const QString& carID, double startSeconds)
    : m_carID(carID.toUtf8())
    , m_start(startSeconds)
{
    if (sqlite3_open_v2(databasePath.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr)
        != SQLITE_OK) {
        std::fprintf(stderr, "baseline: cannot open %s\n", qPrintable(databasePath));
        std::exit(EXIT_FAILURE);
    }
    // Sums take the fill-up at the start time, distance does not; one pass gives both.
    m_totals = prepare(
        "select sum(oil_money), sum(oil_volumn), max(case when oil_date > ?2 then car_mileage end), "
        "min(case when oil_date > ?2 then car_mileage end) from oil_history "
        "where car_id = ?1 and oil_date >= ?2");
    // The newest of these is also the latest fill-up when it lies in the period.
    m_topFive
        = prepare("select history_id, oil_money, oil_volumn, oil_date, oil_price, oil_spec, car_mileage "
                  "from oil_history where car_id = ?1 and oil_date > ?2 order by oil_date desc limit 5");
    m_months = prepare(
        "select oil_month, sum(oil_money), sum(oil_volumn), max(car_mileage), min(car_mileage) "
        "from oil_history where car_id = ?1 and oil_date > ?2 group by oil_month order by oil_month");
    // With a single min() or max(), SQLite takes the other columns from that very row.
    m_monthFirsts
        = prepare("select min(oil_date), car_mileage from oil_history where car_id = ?1 and oil_date > ?2 "
                  "group by oil_month order by oil_month");
    m_monthLasts
        = prepare("select max(oil_date), oil_money, oil_volumn from oil_history where car_id = ?1 and "
                  "oil_date > ?2 group by oil_month order by oil_month");
    m_history = prepare(
        "select history_id, oil_money, oil_volumn, oil_date, oil_price, oil_spec, car_mileage, notes, "
        "longitude, latitude from oil_history where car_id = ?1 and oil_date > ?2 order by oil_date");
}

Baseline::~Baseline()
{
    for (sqlite3_stmt* statement : { m_totals, m_topFive, m_months, m_monthFirsts, m_monthLasts, m_history })
        sqlite3_finalize(statement);
    sqlite3_close(m_db);
}

sqlite3_stmt* Baseline::prepare(const char* sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "baseline: %s\n", sqlite3_errmsg(m_db));
        std::exit(EXIT_FAILURE);
    }
    sqlite3_bind_text(statement, 1, m_carID.constData(), -1, SQLITE_STATIC);
    sqlite3_bind_double(statement, 2, m_start);
    return statement;
}

namespace {

// The columns history_id, oil_money, oil_volumn, oil_date, oil_price, oil_spec, car_mileage
// and, when selected, notes, longitude and latitude.
Oil oilFromRow(sqlite3_stmt* row)
{
    Oil oil;
    oil.oilID = sqlite3_column_double(row, 0);
    oil.dTotal = sqlite3_column_double(row, 1);
    oil.oilVolumn = sqlite3_column_double(row, 2);
    oil.date = Date(sqlite3_column_double(row, 3));
    oil.dUnitPrice = sqlite3_column_double(row, 4);
    oil.mOilInfo = OilInfo::infoAtPosition(sqlite3_column_int(row, 5));
    oil.dCarDisplacement = sqlite3_column_double(row, 6);
    if (sqlite3_column_count(row) > 9) {
        if (const auto* notes = sqlite3_column_text(row, 7))
            oil.notes = QString::fromUtf8(reinterpret_cast<const char*>(notes));
        oil.dlongitude = sqlite3_column_double(row, 8);
        oil.dlatitude = sqlite3_column_double(row, 9);
    }
    return oil;
}

} // namespace

Baseline::Totals Baseline::totals(QList<Oil>* topFive)
{
    Totals totals;
    if (sqlite3_step(m_totals) == SQLITE_ROW) {
        totals.money = sqlite3_column_double(m_totals, 0);
        totals.volumn = sqlite3_column_double(m_totals, 1);
        totals.miles = sqlite3_column_double(m_totals, 2) - sqlite3_column_double(m_totals, 3);
    }
    sqlite3_reset(m_totals);

    QList<Oil> newest;
    while (sqlite3_step(m_topFive) == SQLITE_ROW)
        newest.append(oilFromRow(m_topFive));
    sqlite3_reset(m_topFive);

    const double lastMoney = newest.isEmpty() ? 0 : newest.first().dTotal;
    const double lastVolumn = newest.isEmpty() ? 0 : newest.first().oilVolumn;
    totals.drivenMoney = std::max(0.0, totals.money - lastMoney);
    totals.drivenVolumn = std::max(0.0, totals.volumn - lastVolumn);
    totals.consumption = totals.miles > 0 ? totals.drivenVolumn * 100 / totals.miles : 0;
    if (topFive) {
        std::reverse(newest.begin(), newest.end());
        *topFive = newest;
    }
    return totals;
}

Baseline::Overview Baseline::overview()
{
    Overview overview;
    overview.totals = totals(&overview.topFive);
    return overview;
}

Baseline::Report Baseline::report()
{
    Report report;
    report.totals = totals(nullptr);
    struct MonthEnds
    {
        double firstReading;
        double lastMoney;
        double lastVolumn;
    };
    QList<MonthEnds> ends;
    while (sqlite3_step(m_months) == SQLITE_ROW) {
        OilReportItem item;
        item.monthInteger = sqlite3_column_int(m_months, 0);
        item.totalMoney = sqlite3_column_double(m_months, 1);
        item.totalVolumn = sqlite3_column_double(m_months, 2);
        item.maxMiles = sqlite3_column_double(m_months, 3);
        item.minMiles = sqlite3_column_double(m_months, 4);
        item.totalMiles = item.maxMiles - item.minMiles;
        report.months.append(item);
        const bool hasFirst = sqlite3_step(m_monthFirsts) == SQLITE_ROW;
        const bool hasLast = sqlite3_step(m_monthLasts) == SQLITE_ROW;
        ends.append({ hasFirst ? sqlite3_column_double(m_monthFirsts, 1) : 0,
            hasLast ? sqlite3_column_double(m_monthLasts, 1) : 0,
            hasLast ? sqlite3_column_double(m_monthLasts, 2) : 0 });
    }
    for (sqlite3_stmt* statement : { m_months, m_monthFirsts, m_monthLasts })
        sqlite3_reset(statement);

    QList<OilReportItem>& months = report.months;
    for (qsizetype i = 0; i + 1 < months.size(); ++i) {
        OilReportItem& item = months[i];
        const OilReportItem& next = months.at(i + 1);
        if (item.totalMiles > 0.001) {
            if (next.minMiles > item.maxMiles)
                item.totalMiles += next.minMiles - item.maxMiles;
        } else {
            const double first = ends.at(i + 1).firstReading;
            item.totalMiles = std::max(0.0, std::max(first, item.maxMiles) - std::min(first, item.minMiles));
        }
    }
    if (!months.isEmpty()) {
        months.last().totalMoney -= std::max(0.0, ends.last().lastMoney);
        months.last().totalVolumn
            = std::max(0.0, months.last().totalVolumn - std::max(0.0, ends.last().lastVolumn));
    }
    return report;
}

QList<Oil> Baseline::history()
{
    QList<Oil> oils;
    while (sqlite3_step(m_history) == SQLITE_ROW)
        oils.append(oilFromRow(m_history));
    sqlite3_reset(m_history);
    return oils;
}
