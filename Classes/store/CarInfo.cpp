#include "store/CarInfo.h"

#include "platform/Clock.h"
#include "reports/DateEx.h"
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

bool CarInfo::update()
{
    StoreStatement statement(
        QStringLiteral("update car_information set car_name=?,car_capacity=?,car_oil_spec=?,"
                       "car_init_mile=?,maxvolumn=?,notes=?,unit=?, thumbnail=?, update_date=? "
                       "where car_id=?"));
    if (!statement.isPrepared())
        return false;
    if (!mCarName.isNull())
        statement.bindText(1, mCarName);
    statement.bindDouble(2, double(mCapacity));
    statement.bindDouble(3, double(mOilInfo ? mOilInfo->dNumber : 0));
    statement.bindDouble(4, dCarInitKM);
    statement.bindDouble(5, double(maxVolumn));
    if (!strRemark.isNull())
        statement.bindText(6, strRemark);
    statement.bindInt(7, int(unit ? unit->dNumber : 0));
    if (!thumbnail.isNull())
        statement.bindBlob(8, thumbnailPNG());
    statement.bindDouble(9, Clock::now().timeIntervalSince1970());
    if (!carID.isNull())
        statement.bindText(10, carID);
    return statement.execute();
}

bool CarInfo::addOil(Oil& oil)
{
    StoreStatement statement(QStringLiteral(
        "INSERT INTO oil_history ('car_id','oil_money','oil_price','oil_volumn','oil_spec','oil_date',"
        "'car_mileage','notes','oil_month','longitude','latitude') VALUES (?,?,?,?,?,?,?,?,?,?,?)"));
    if (!statement.isPrepared())
        return false;
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
    if (!statement.execute())
        return false;
    oil.oilID = double(statement.lastInsertRowId());
    return true;
}

std::optional<QList<Oil>> CarInfo::oilsFromStatement(const QString& sql, int columnsRead) const
{
    StoreStatement statement(sql);
    if (!statement.isPrepared())
        return std::nullopt;
    QList<Oil> oils;
    while (statement.nextRow())
        oils.append(oilFromRow(statement, carID, columnsRead));
    return oils;
}

std::optional<QList<Oil>> CarInfo::getAllOil() const
{
    return oilsFromStatement(
        StringFormat::format(
            QStringLiteral("select history_id, oil_money,oil_volumn,oil_date,oil_price,oil_spec,"
                           "car_mileage,notes,longitude,latitude from oil_history where car_id = "
                           "'%@' and oil_date >%f  order by oil_date"),
            { StoreStatement::escapedText(carID), startSeconds() }),
        10);
}

std::optional<QList<Oil>> CarInfo::getAllOilFromMonth(int month) const
{
    return oilsFromStatement(
        StringFormat::format(
            QStringLiteral("select history_id, oil_money,oil_volumn,oil_date,oil_price,oil_spec,"
                           "car_mileage,notes,longitude,latitude from oil_history where car_id = "
                           "'%@' and oil_month=%d and oil_date> %f order by oil_date"),
            { StoreStatement::escapedText(carID), month, startSeconds() }),
        10);
}

std::optional<QList<Oil>> CarInfo::getAllOilFromDate(Date from, Date to) const
{
    return oilsFromStatement(
        StringFormat::format(
            QStringLiteral("select history_id, oil_money,oil_volumn,oil_date,oil_price,oil_spec,"
                           "car_mileage,notes from oil_history where car_id = '%@' and oil_date >= "
                           "%f and oil_date <= %f and oil_date> %f order by oil_date"),
            { StoreStatement::escapedText(carID), from.timeIntervalSince1970(), to.timeIntervalSince1970(),
                startSeconds() }),
        8);
}

std::optional<QList<Oil>> CarInfo::getTopFiveOil() const
{
    const double start = startSeconds();
    std::optional<QList<Oil>> oils = oilsFromStatement(
        StringFormat::format(
            QStringLiteral("select history_id, oil_money,oil_volumn,oil_date,oil_price,oil_spec,"
                           "car_mileage,notes from oil_history where car_id = '%@' and "
                           "oil_date>=%f and oil_date > %f order by oil_date desc limit 5"),
            { StoreStatement::escapedText(carID), start, start }),
        7);
    if (oils)
        std::reverse(oils->begin(), oils->end());
    return oils;
}

std::optional<Oil> CarInfo::getLastOil() const
{
    const QString key = StoreStatement::escapedText(carID);
    StoreStatement statement(StringFormat::format(
        QStringLiteral(
            "select history_id, oil_money,oil_volumn,oil_date from oil_history, (select max(oil_date) as "
            "maxdate from oil_history where car_id='%@') as S where car_id = '%@' and "
            "oil_date=S.maxdate and oil_date > %f "),
        { key, key, startSeconds() }));
    if (!statement.nextRow())
        return std::nullopt;
    return oilFromRow(statement, carID, 4);
}

double CarInfo::getLastMiles() const
{
    StoreStatement statement(StringFormat::format(
        QStringLiteral("select max(car_mileage) from oil_history where car_id = '%@' and "
                       "oil_date > %f"),
        { StoreStatement::escapedText(carID), startSeconds() }));
    if (!statement.isOpen())
        return 0.0;
    if (statement.nextRow() && statement.columnDouble(0) >= 1.0)
        return statement.columnDouble(0);
    return dCarInitKM;
}

std::optional<Date> CarInfo::singleDate(const QString& sql) const
{
    StoreStatement statement(sql);
    if (!statement.nextRow() || statement.isNull(0))
        return std::nullopt;
    return Date(statement.columnDouble(0));
}

std::optional<Date> CarInfo::getFirstOilDate() const
{
    return singleDate(
        StringFormat::format(QStringLiteral("select min(oil_date) from oil_history where car_id = '%@' and "
                                            "oil_date>%f"),
            { StoreStatement::escapedText(carID), startSeconds() }));
}

std::optional<Date> CarInfo::getLastOilDate() const
{
    return singleDate(
        StringFormat::format(QStringLiteral("select max(oil_date) from oil_history where car_id = '%@' and "
                                            "oil_date>%f"),
            { StoreStatement::escapedText(carID), startSeconds() }));
}

std::optional<Date> CarInfo::getEarliestOilDateOfAllTime() const
{
    return singleDate(
        StringFormat::format(QStringLiteral("select min(oil_date) from oil_history where car_id = '%@'"),
            { StoreStatement::escapedText(carID) }));
}

namespace {

// The first column of a one-row aggregate; 0 when the store cannot be read or it is NULL.
double singleValue(const QString& sql)
{
    StoreStatement statement(sql);
    return statement.nextRow() ? statement.columnDouble(0) : 0.0;
}

} // namespace

double CarInfo::getTotalMoney() const
{
    return singleValue(
        StringFormat::format(QStringLiteral("select sum(oil_money) from oil_history where car_id = '%@' and "
                                            "oil_date >=%f"),
            { StoreStatement::escapedText(carID), startSeconds() }));
}

double CarInfo::getTotalVolumn() const
{
    return singleValue(
        StringFormat::format(QStringLiteral("select sum(oil_volumn) from oil_history where car_id = '%@' and "
                                            "oil_date>=%f"),
            { StoreStatement::escapedText(carID), startSeconds() }));
}

double CarInfo::getTotalMiles() const
{
    StoreStatement statement(
        StringFormat::format(QStringLiteral("select max(car_mileage),min(car_mileage) from oil_history where "
                                            "car_id = '%@' and oil_date>%f"),
            { StoreStatement::escapedText(carID), startSeconds() }));
    if (!statement.nextRow())
        return 0.0;
    return statement.columnDouble(0) - statement.columnDouble(1);
}

double CarInfo::getMPG(double volumn, double miles) const
{
    if (!(miles > 0) || !unit)
        return 0.0;
    switch (unit->consumptionKind()) {
    case Unit::ConsumptionKind::VolumePerHundredDistance:
        return volumn * 100 / miles;
    case Unit::ConsumptionKind::DistancePerVolume:
        return miles / volumn;
    case Unit::ConsumptionKind::None:
        break;
    }
    return 0.0;
}

CarAllReport CarInfo::getCarAllReport(bool fullTotals) const
{
    const double money = getTotalMoney();
    const double volumn = getTotalVolumn();
    const double miles = getTotalMiles();
    const std::optional<Oil> last = getLastOil();

    // The latest fill-up's fuel has not been driven yet: it stays out of consumption and cost.
    double drivenVolumn = volumn - (last ? last->oilVolumn : 0.0);
    if (!(drivenVolumn > 0))
        drivenVolumn = 0;
    double drivenMoney = money - (last ? last->dTotal : 0.0);
    if (!(drivenMoney > 0))
        drivenMoney = 0;

    const Unit& units = Unit::orNone(unit);
    CarAllReport report;
    report.mRPtotalMiles = miles;
    report.mRPtotalMoney = fullTotals ? money : drivenMoney;
    report.mRPtotalVolumn = fullTotals ? volumn : drivenVolumn;
    const auto consumption = float(getMPG(drivenVolumn, miles));
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

std::optional<QList<OilReportItem>> CarInfo::getReportData() const
{
    StoreStatement statement(StringFormat::format(
        QStringLiteral(
            "select oil_month, sum(oil_money),sum(oil_volumn),max(car_mileage),min(car_mileage)  from "
            "oil_history where car_id = '%@' and oil_date>%f group by oil_month order by oil_month "),
        { StoreStatement::escapedText(carID), startSeconds() }));
    if (!statement.isPrepared())
        return std::nullopt;
    QList<OilReportItem> items;
    while (statement.nextRow()) {
        OilReportItem item;
        item.monthInteger = statement.columnInt(0);
        item.totalMoney = statement.columnDouble(1);
        item.totalVolumn = statement.columnDouble(2);
        item.maxMiles = statement.columnDouble(3);
        item.minMiles = statement.columnDouble(4);
        item.totalMiles = item.maxMiles - item.minMiles;
        items.append(item);
    }
    return items;
}

QList<OilReportItem> CarInfo::getMonthReportData() const
{
    QList<OilReportItem> items = getReportData().value_or(QList<OilReportItem>());
    for (qsizetype i = 0; i + 1 < items.size(); ++i) {
        OilReportItem& item = items[i];
        const OilReportItem& next = items.at(i + 1);
        if (item.totalMiles > 0.001) {
            // The month counts the driving up to the next month's lowest reading.
            if (next.minMiles > item.maxMiles)
                item.totalMiles += next.minMiles - item.maxMiles;
        } else {
            // One reading (or equal readings): measure up to the next month's first fill-up.
            const double first = getMonthFirstCarDisplacement(int(next.monthInteger));
            const double low = first < item.minMiles ? first : item.minMiles;
            const double high = first > item.maxMiles ? first : item.maxMiles;
            item.totalMiles = high - low < 0 ? 0 : high - low;
        }
    }
    if (!items.isEmpty()) {
        OilReportItem& newest = items.last();
        const double money = getMonthLastMoney(int(newest.monthInteger));
        if (money > 0)
            newest.totalMoney -= money;
    }
    return items;
}

void CarInfo::correctNewestMonthVolumn(QList<OilReportItem>& months) const
{
    if (months.isEmpty())
        return;
    OilReportItem& newest = months.last();
    const double volumn = getMonthLastVolumn(int(newest.monthInteger));
    if (volumn > 0)
        newest.totalVolumn -= volumn;
    if (newest.totalVolumn < 0)
        newest.totalVolumn = 0;
}

double CarInfo::monthValueByOrder(const char* column, int month, bool revertOrder) const
{
    const QString sql = QStringLiteral("select ") + QLatin1String(column)
        + (revertOrder
                ? QStringLiteral(" from oil_history where car_id = '%@' and oil_month=%d and oil_date> %f "
                                 "order by oil_date desc limit 1")
                : QStringLiteral(" from oil_history where car_id = '%@' and oil_month=%d and oil_date> %f "
                                 "order by oil_date limit 1"));
    StoreStatement statement(
        StringFormat::format(sql, { StoreStatement::escapedText(carID), month, startSeconds() }));
    if (!statement.isPrepared())
        return -1.0;
    return statement.nextRow() ? statement.columnDouble(0) : 0.0;
}

double CarInfo::getMonthVolumnByOrder(int month, bool revertOrder) const
{
    return monthValueByOrder("oil_volumn", month, revertOrder);
}

double CarInfo::getMonthMoneyByOrder(int month, bool revertOrder) const
{
    return monthValueByOrder("oil_money", month, revertOrder);
}

double CarInfo::getMonthCarDisplacementByOrder(int month, bool revertOrder) const
{
    return monthValueByOrder("car_mileage", month, revertOrder);
}

double CarInfo::getMonthFirstVolumn(int month) const
{
    return getMonthVolumnByOrder(month, false);
}

double CarInfo::getMonthLastVolumn(int month) const
{
    return getMonthVolumnByOrder(month, true);
}

double CarInfo::getMonthFirstMoney(int month) const
{
    return getMonthMoneyByOrder(month, false);
}

double CarInfo::getMonthLastMoney(int month) const
{
    return getMonthMoneyByOrder(month, true);
}

double CarInfo::getMonthFirstCarDisplacement(int month) const
{
    return getMonthCarDisplacementByOrder(month, false);
}

double CarInfo::getMonthLastCarDisplacement(int month) const
{
    return getMonthCarDisplacementByOrder(month, true);
}
