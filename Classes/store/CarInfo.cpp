#include "store/CarInfo.h"

#include "platform/Clock.h"
#include "reports/DateEx.h"
#include "reports/NumberConversion.h"
#include "reports/StringFormat.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/StoreStatement.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <QBuffer>

#include <algorithm>

namespace {

double startSeconds()
{
    return Setting::getStartDate().timeIntervalSince1970();
}

// A fill-up from the columns of a row, read up to (not including) columnsRead:
// history_id, oil_money, oil_volumn, oil_date, oil_price, oil_spec, car_mileage, notes,
// longitude, latitude.
Oil oilFromRow(const StoreStatement& row, const QString& carID, int columnsRead)
{
    Oil oil;
    oil.carID = carID;
    oil.oilID = row.columnDouble(0);
    oil.dTotal = row.columnDouble(1);
    oil.oilVolumn = row.columnDouble(2);
    oil.date = Date(row.columnDouble(3));
    if (columnsRead > 4)
        oil.dUnitPrice = row.columnDouble(4);
    if (columnsRead > 5)
        oil.mOilInfo = OilInfo::infoAtPosition(row.columnInt(5));
    if (columnsRead > 6)
        oil.dCarDisplacement = row.columnDouble(6);
    if (columnsRead > 7)
        oil.notes = row.columnText(7);
    if (columnsRead > 9) {
        oil.dlongitude = row.columnDouble(8);
        oil.dlatitude = row.columnDouble(9);
    }
    return oil;
}

// Whether the statement did what was asked (ok) without an error; the reason in *error when not.
bool succeeded(const StoreStatement& statement, bool ok, QString* error)
{
    if (ok && !statement.hasError())
        return true;
    if (error)
        *error = statement.errorString();
    return false;
}

// The first column of a one-row query: 0 when it has no row or is NULL (an empty sum).
std::optional<double> singleValue(const QString& sql, QString* error)
{
    StoreStatement statement(sql);
    const bool found = statement.nextRow();
    if (!succeeded(statement, true, error))
        return std::nullopt;
    return found ? statement.columnDouble(0) : 0.0;
}

// A time in the first column of a one-row query; none when it is NULL, and *error empty then.
std::optional<Date> singleDate(const QString& sql, QString* error)
{
    if (error)
        error->clear();
    StoreStatement statement(sql);
    const bool found = statement.nextRow();
    if (!succeeded(statement, true, error) || !found || statement.isNull(0))
        return std::nullopt;
    return Date(statement.columnDouble(0));
}

} // namespace

CarInfo::CarInfo()
    : mOilInfo(OilInfo::infoAtPosition(0))
    , mRegisterDate(Clock::now())
    , mModifyDate(mRegisterDate)
    , unit(Unit::unitAtPosition(0))
{ }

QByteArray CarInfo::thumbnailPNG() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    thumbnail.save(&buffer, "PNG");
    return bytes;
}

bool CarInfo::update(QString* error)
{
    StoreStatement statement(
        QStringLiteral("update car_information set car_name=?,car_capacity=?,car_oil_spec=?,"
                       "car_init_mile=?,maxvolumn=?,notes=?,unit=?, thumbnail=?, update_date=? "
                       "where car_id=?"));
    if (statement.isPrepared()) {
        if (!mCarName.isNull())
            statement.bindText(1, mCarName);
        // As typed: 45.7, not the float's 45.70000076.
        statement.bindDouble(2, NumberConversion::typedValue(mCapacity));
        statement.bindDouble(3, double(mOilInfo ? mOilInfo->dNumber : 0));
        statement.bindDouble(4, dCarInitKM);
        statement.bindDouble(5, NumberConversion::typedValue(maxVolumn));
        if (!strRemark.isNull())
            statement.bindText(6, strRemark);
        statement.bindInt(7, int(unit ? unit->dNumber : 0));
        if (!thumbnail.isNull())
            statement.bindBlob(8, thumbnailPNG());
        statement.bindDouble(9, Clock::now().timeIntervalSince1970());
        if (!carID.isNull())
            statement.bindText(10, carID);
    }
    return succeeded(statement, statement.execute(), error);
}

bool CarInfo::addOil(Oil& oil, QString* error)
{
    StoreStatement statement(QStringLiteral(
        "INSERT INTO oil_history ('car_id','oil_money','oil_price','oil_volumn','oil_spec','oil_date',"
        "'car_mileage','notes','oil_month','longitude','latitude') VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    if (statement.isPrepared()) {
        if (!carID.isNull())
            statement.bindText(1, carID);
        statement.bindDouble(2, oil.dTotal);
        statement.bindDouble(3, oil.dUnitPrice);
        statement.bindDouble(4, oil.oilVolumn);
        statement.bindInt(5, int(oil.mOilInfo ? oil.mOilInfo->dNumber : 0));
        statement.bindDouble(6, oil.date ? oil.date->timeIntervalSince1970() : 0.0);
        statement.bindDouble(7, oil.dCarDisplacement);
        if (!oil.notes.isNull())
            statement.bindText(8, oil.notes);
        statement.bindInt(9, int(oil.date ? DateEx::numberMonth(*oil.date) : 0));
        statement.bindDouble(10, oil.dlongitude);
        statement.bindDouble(11, oil.dlatitude);
    }
    if (!succeeded(statement, statement.execute(), error))
        return false;
    oil.oilID = double(statement.lastInsertRowId());
    return true;
}

std::optional<QList<Oil>> CarInfo::oilsFromStatement(
    const QString& sql, int columnsRead, QString* error) const
{
    StoreStatement statement(sql);
    QList<Oil> oils;
    while (statement.nextRow())
        oils.append(oilFromRow(statement, carID, columnsRead));
    if (!succeeded(statement, true, error))
        return std::nullopt;
    return oils;
}

std::optional<QList<Oil>> CarInfo::getAllOil(QString* error) const
{
    return oilsFromStatement(
        StringFormat::format(
            QStringLiteral("select history_id, oil_money,oil_volumn,oil_date,oil_price,oil_spec,"
                           "car_mileage,notes,longitude,latitude from oil_history where car_id = "
                           "'%@' and oil_date >%f  order by oil_date"),
            { StoreStatement::escapedText(carID), startSeconds() }),
        10, error);
}

std::optional<QList<Oil>> CarInfo::getAllOilFromMonth(int month, QString* error) const
{
    return oilsFromStatement(
        StringFormat::format(
            QStringLiteral("select history_id, oil_money,oil_volumn,oil_date,oil_price,oil_spec,"
                           "car_mileage,notes,longitude,latitude from oil_history where car_id = "
                           "'%@' and oil_month=%d and oil_date> %f order by oil_date"),
            { StoreStatement::escapedText(carID), month, startSeconds() }),
        10, error);
}

std::optional<QList<Oil>> CarInfo::getAllOilFromDate(Date from, Date to, QString* error) const
{
    return oilsFromStatement(
        StringFormat::format(
            QStringLiteral("select history_id, oil_money,oil_volumn,oil_date,oil_price,oil_spec,"
                           "car_mileage,notes from oil_history where car_id = '%@' and oil_date >= "
                           "%f and oil_date <= %f and oil_date> %f order by oil_date"),
            { StoreStatement::escapedText(carID), from.timeIntervalSince1970(), to.timeIntervalSince1970(),
                startSeconds() }),
        8, error);
}

std::optional<QList<Oil>> CarInfo::getTopFiveOil(QString* error) const
{
    const double start = startSeconds();
    std::optional<QList<Oil>> oils = oilsFromStatement(
        StringFormat::format(
            QStringLiteral("select history_id, oil_money,oil_volumn,oil_date,oil_price,oil_spec,"
                           "car_mileage,notes from oil_history where car_id = '%@' and "
                           "oil_date>=%f and oil_date > %f order by oil_date desc limit 5"),
            { StoreStatement::escapedText(carID), start, start }),
        7, error);
    if (oils)
        std::reverse(oils->begin(), oils->end());
    return oils;
}

std::optional<Oil> CarInfo::getLastOil(QString* error) const
{
    if (error)
        error->clear();
    const QString key = StoreStatement::escapedText(carID);
    StoreStatement statement(StringFormat::format(
        QStringLiteral(
            "select history_id, oil_money,oil_volumn,oil_date from oil_history, (select max(oil_date) as "
            "maxdate from oil_history where car_id='%@') as S where car_id = '%@' and "
            "oil_date=S.maxdate and oil_date > %f "),
        { key, key, startSeconds() }));
    const bool found = statement.nextRow();
    if (!succeeded(statement, true, error) || !found)
        return std::nullopt;
    return oilFromRow(statement, carID, 4);
}

std::optional<double> CarInfo::getLastMiles(QString* error) const
{
    const std::optional<double> highest
        = singleValue(StringFormat::format(
                          QStringLiteral("select max(car_mileage) from oil_history where car_id = '%@' and "
                                         "oil_date > %f"),
                          { StoreStatement::escapedText(carID), startSeconds() }),
            error);
    if (!highest)
        return std::nullopt;
    return *highest >= 1.0 ? *highest : dCarInitKM;
}

std::optional<Date> CarInfo::getFirstOilDate(QString* error) const
{
    return singleDate(
        StringFormat::format(QStringLiteral("select min(oil_date) from oil_history where car_id = '%@' and "
                                            "oil_date>%f"),
            { StoreStatement::escapedText(carID), startSeconds() }),
        error);
}

std::optional<Date> CarInfo::getLastOilDate(QString* error) const
{
    return singleDate(
        StringFormat::format(QStringLiteral("select max(oil_date) from oil_history where car_id = '%@' and "
                                            "oil_date>%f"),
            { StoreStatement::escapedText(carID), startSeconds() }),
        error);
}

std::optional<Date> CarInfo::getEarliestOilDateOfAllTime(QString* error) const
{
    return singleDate(
        StringFormat::format(QStringLiteral("select min(oil_date) from oil_history where car_id = '%@'"),
            { StoreStatement::escapedText(carID) }),
        error);
}

std::optional<double> CarInfo::getTotalMoney(QString* error) const
{
    return singleValue(
        StringFormat::format(QStringLiteral("select sum(oil_money) from oil_history where car_id = '%@' and "
                                            "oil_date >=%f"),
            { StoreStatement::escapedText(carID), startSeconds() }),
        error);
}

std::optional<double> CarInfo::getTotalVolumn(QString* error) const
{
    return singleValue(
        StringFormat::format(QStringLiteral("select sum(oil_volumn) from oil_history where car_id = '%@' and "
                                            "oil_date>=%f"),
            { StoreStatement::escapedText(carID), startSeconds() }),
        error);
}

std::optional<double> CarInfo::getTotalMiles(QString* error) const
{
    StoreStatement statement(
        StringFormat::format(QStringLiteral("select max(car_mileage),min(car_mileage) from oil_history where "
                                            "car_id = '%@' and oil_date>%f"),
            { StoreStatement::escapedText(carID), startSeconds() }));
    const bool found = statement.nextRow();
    if (!succeeded(statement, true, error))
        return std::nullopt;
    return found ? NumberConversion::finiteOrZero(statement.columnDouble(0) - statement.columnDouble(1))
                 : 0.0;
}

double CarInfo::getMPG(double volumn, double miles) const
{
    if (!(miles > 0) || !unit)
        return 0.0;
    double figure = 0.0;
    switch (unit->consumptionKind()) {
    case Unit::ConsumptionKind::VolumePerHundredDistance:
        figure = volumn * 100 / miles;
        break;
    case Unit::ConsumptionKind::DistancePerVolume:
        // No fuel counted yet: no figure, as the cost per distance has none without distance.
        figure = volumn == 0 ? 0.0 : miles / volumn;
        break;
    case Unit::ConsumptionKind::None:
        break;
    }
    return NumberConversion::finiteOrZero(figure);
}

std::optional<CarAllReport> CarInfo::getCarAllReport(
    bool fullTotals, QString* error, std::optional<Oil>* latest) const
{
    // One statement for what getLastOil(), getTotalMoney(), getTotalVolumn() and getTotalMiles()
    // read one by one: every screen that shows the totals asks for them on each appearance.
    const QString key = StoreStatement::escapedText(carID);
    const double start = startSeconds();
    StoreStatement statement(StringFormat::format(
        QStringLiteral("select L.history_id, L.oil_money, L.oil_volumn, L.oil_date, T.money, T.volumn, "
                       "T.highest, T.lowest from (select sum(oil_money) as money, sum(oil_volumn) as volumn, "
                       "max(case when oil_date>%f then car_mileage end) as highest, "
                       "min(case when oil_date>%f then car_mileage end) as lowest from oil_history where "
                       "car_id = '%@' and oil_date >=%f) as T left join (select history_id, "
                       "oil_money,oil_volumn,oil_date from oil_history, (select max(oil_date) as maxdate "
                       "from oil_history where car_id='%@') as S where car_id = '%@' and "
                       "oil_date=S.maxdate and oil_date > %f limit 1) as L on 1"),
        { start, start, key, start, key, key, start }));
    const bool found = statement.nextRow();
    if (!succeeded(statement, true, error))
        return std::nullopt;
    std::optional<Oil> last;
    if (found && !statement.isNull(0))
        last = oilFromRow(statement, carID, 4);
    const double money = found ? statement.columnDouble(4) : 0.0;
    const double volumn = found ? statement.columnDouble(5) : 0.0;
    const double miles
        = found ? NumberConversion::finiteOrZero(statement.columnDouble(6) - statement.columnDouble(7)) : 0.0;
    if (latest)
        *latest = last;

    // The latest fill-up's fuel has not been driven yet: it stays out of consumption and cost.
    double drivenVolumn = NumberConversion::finiteOrZero(volumn - (last ? last->oilVolumn : 0.0));
    if (!(drivenVolumn > 0))
        drivenVolumn = 0;
    double drivenMoney = NumberConversion::finiteOrZero(money - (last ? last->dTotal : 0.0));
    if (!(drivenMoney > 0))
        drivenMoney = 0;

    const Unit& units = Unit::orNone(unit);
    CarAllReport report;
    report.mRPtotalMiles = miles;
    report.mRPtotalMoney = fullTotals ? money : drivenMoney;
    report.mRPtotalVolumn = fullTotals ? volumn : drivenVolumn;
    const float consumption = NumberConversion::narrowedToFloat(getMPG(drivenVolumn, miles));
    report.mAvgVolumnString = StringFormat::format(
        QStringLiteral("%@%@"), { StringFormat::CIStringFromFloatValue(consumption), units.UnitName });
    report.mAvgMoneyString = units.unitCostPeMileageFrom(miles, drivenMoney);
    report.mRPTMoneyString = StringFormat::format(QStringLiteral("%@%@"),
        { Utility::getCurrencySybol(), StringFormat::CIStringFromDoubleValue(report.mRPtotalMoney) });
    report.mRPTVolumnString = StringFormat::format(QStringLiteral("%@ %@"),
        { StringFormat::CIStringFromDoubleValue(report.mRPtotalVolumn), units.VolumnUnit });
    report.mRPTMilesString
        = StringFormat::format(QStringLiteral("%d %@"), { report.mRPtotalMiles, units.MileageUnit });
    return report;
}

std::optional<QList<OilReportItem>> CarInfo::getReportData(QString* error) const
{
    StoreStatement statement(StringFormat::format(
        QStringLiteral(
            "select oil_month, sum(oil_money),sum(oil_volumn),max(car_mileage),min(car_mileage)  from "
            "oil_history where car_id = '%@' and oil_date>%f group by oil_month order by oil_month "),
        { StoreStatement::escapedText(carID), startSeconds() }));
    QList<OilReportItem> items;
    while (statement.nextRow()) {
        OilReportItem item;
        item.monthInteger = statement.columnInt(0);
        item.totalMoney = statement.columnDouble(1);
        item.totalVolumn = statement.columnDouble(2);
        item.maxMiles = statement.columnDouble(3);
        item.minMiles = statement.columnDouble(4);
        item.totalMiles = NumberConversion::finiteOrZero(item.maxMiles - item.minMiles);
        items.append(item);
    }
    if (!succeeded(statement, true, error))
        return std::nullopt;
    return items;
}

std::optional<QList<OilReportItem>> CarInfo::getMonthReportData(QString* error) const
{
    std::optional<QList<OilReportItem>> items = getReportData(error);
    if (!items)
        return std::nullopt;
    for (qsizetype i = 0; i + 1 < items->size(); ++i) {
        OilReportItem& item = (*items)[i];
        const OilReportItem& next = items->at(i + 1);
        if (item.totalMiles > 0.001) {
            // The month counts the driving up to the next month's lowest reading.
            if (next.minMiles > item.maxMiles)
                item.totalMiles
                    = NumberConversion::finiteOrZero(item.totalMiles + (next.minMiles - item.maxMiles));
        } else {
            // One reading (or equal readings): measure up to the next month's first fill-up.
            const std::optional<double> first = getMonthFirstCarDisplacement(int(next.monthInteger), error);
            if (!first)
                return std::nullopt;
            const double low = *first < item.minMiles ? *first : item.minMiles;
            const double high = *first > item.maxMiles ? *first : item.maxMiles;
            item.totalMiles = NumberConversion::finiteOrZero(high - low < 0 ? 0 : high - low);
        }
    }
    if (!items->isEmpty()) {
        OilReportItem& newest = items->last();
        const std::optional<double> money = getMonthLastMoney(int(newest.monthInteger), error);
        if (!money)
            return std::nullopt;
        if (*money > 0)
            newest.totalMoney = NumberConversion::finiteOrZero(newest.totalMoney - *money);
    }
    return items;
}

bool CarInfo::correctNewestMonthVolumn(QList<OilReportItem>& months, QString* error) const
{
    if (months.isEmpty())
        return true;
    OilReportItem& newest = months.last();
    const std::optional<double> volumn = getMonthLastVolumn(int(newest.monthInteger), error);
    if (!volumn)
        return false;
    if (*volumn > 0)
        newest.totalVolumn = NumberConversion::finiteOrZero(newest.totalVolumn - *volumn);
    if (newest.totalVolumn < 0)
        newest.totalVolumn = 0;
    return true;
}

std::optional<double> CarInfo::monthValueByOrder(
    const char* column, int month, bool revertOrder, QString* error) const
{
    const QString sql = QStringLiteral("select ") + QLatin1String(column)
        + (revertOrder
                ? QStringLiteral(" from oil_history where car_id = '%@' and oil_month=%d and oil_date> %f "
                                 "order by oil_date desc limit 1")
                : QStringLiteral(" from oil_history where car_id = '%@' and oil_month=%d and oil_date> %f "
                                 "order by oil_date limit 1"));
    return singleValue(
        StringFormat::format(sql, { StoreStatement::escapedText(carID), month, startSeconds() }), error);
}

std::optional<double> CarInfo::getMonthVolumnByOrder(int month, bool revertOrder, QString* error) const
{
    return monthValueByOrder("oil_volumn", month, revertOrder, error);
}

std::optional<double> CarInfo::getMonthMoneyByOrder(int month, bool revertOrder, QString* error) const
{
    return monthValueByOrder("oil_money", month, revertOrder, error);
}

std::optional<double> CarInfo::getMonthCarDisplacementByOrder(
    int month, bool revertOrder, QString* error) const
{
    return monthValueByOrder("car_mileage", month, revertOrder, error);
}

std::optional<double> CarInfo::getMonthFirstVolumn(int month, QString* error) const
{
    return getMonthVolumnByOrder(month, false, error);
}

std::optional<double> CarInfo::getMonthLastVolumn(int month, QString* error) const
{
    return getMonthVolumnByOrder(month, true, error);
}

std::optional<double> CarInfo::getMonthFirstMoney(int month, QString* error) const
{
    return getMonthMoneyByOrder(month, false, error);
}

std::optional<double> CarInfo::getMonthLastMoney(int month, QString* error) const
{
    return getMonthMoneyByOrder(month, true, error);
}

std::optional<double> CarInfo::getMonthFirstCarDisplacement(int month, QString* error) const
{
    return getMonthCarDisplacementByOrder(month, false, error);
}

std::optional<double> CarInfo::getMonthLastCarDisplacement(int month, QString* error) const
{
    return getMonthCarDisplacementByOrder(month, true, error);
}
