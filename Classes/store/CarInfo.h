#pragma once

#include "platform/Date.h"
#include "reports/CarAllReport.h"
#include "reports/OilReportItem.h"
#include "store/Oil.h"

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

class OilInfo;
class Unit;

// One car of the log: its identity, picture and technical data, its default grade and unit
// system, the writes of the car and its fill-ups, and every statistic about it. The statistics
// keep only the fill-ups after the statistics start (Setting::getStartDate).
class CarInfo
{
public:
    // A new car: registered and modified now, the first grade and unit system, nothing else.
    CarInfo();

    QString carID; // empty until the car is first saved
    QString mCarName;
    float mCapacity = 0; // engine displacement
    OilInfo* mOilInfo = nullptr; // default grade, an entry of the shared grade list
    double dCarInitKM = 0; // odometer reading when the car entered the log
    Date mRegisterDate;
    Date mModifyDate;
    float maxVolumn = 0; // fuel tank capacity
    Unit* unit = nullptr; // an entry of the shared unit list
    std::optional<Date> beginDate;
    std::optional<Date> endDate;
    QString strRemark; // a null string when there is no remark
    QImage thumbnail;

    // The picture as the store keeps it.
    QByteArray thumbnailPNG() const;

    // Writes the car's row; true when the statement completed (also for a car without key,
    // which matches no row).
    bool update();
    // Inserts the fill-up under this car's key; on success the fill-up gets its new key.
    bool addOil(Oil& oil);

    // Fill-ups of the statistics period, oldest first; std::nullopt when the store cannot be read.
    std::optional<QList<Oil>> getAllOil() const;
    std::optional<QList<Oil>> getAllOilFromMonth(int month) const;
    std::optional<QList<Oil>> getAllOilFromDate(Date from, Date to) const;
    // The five most recent fill-ups of the period (or fewer), oldest of them first.
    std::optional<QList<Oil>> getTopFiveOil() const;
    // The car's latest fill-up when it lies in the period (amount, volume and date only).
    std::optional<Oil> getLastOil() const;
    // The highest odometer reading of the period, else the initial reading.
    double getLastMiles() const;
    std::optional<Date> getFirstOilDate() const;
    std::optional<Date> getLastOilDate() const;
    // The earliest fill-up over all the car's fill-ups, whatever the statistics period.
    std::optional<Date> getEarliestOilDateOfAllTime() const;

    double getTotalMoney() const;
    double getTotalVolumn() const;
    double getTotalMiles() const;
    // The consumption figure of the car's unit system for that volume and distance.
    double getMPG(double volumn, double miles) const;
    // Whole-period figures; fullTotals shows the money and volume of every fill-up, otherwise
    // those of the latest fill-up (not yet driven) are left out of the totals.
    CarAllReport getCarAllReport(bool fullTotals) const;
    // One line per month with fill-ups in the period, ascending.
    std::optional<QList<OilReportItem>> getReportData() const;
    // The month lines with each month's distance carried up to the next month's first reading
    // and the newest month's latest fill-up taken out of its money.
    QList<OilReportItem> getMonthReportData() const;
    // The report screen's correction: the newest month's latest fill-up volume taken out of
    // that month's volume, floored at 0.
    void correctNewestMonthVolumn(QList<OilReportItem>& months) const;

    double getMonthFirstVolumn(int month) const;
    double getMonthLastVolumn(int month) const;
    double getMonthFirstMoney(int month) const;
    double getMonthLastMoney(int month) const;
    double getMonthFirstCarDisplacement(int month) const;
    double getMonthLastCarDisplacement(int month) const;
    // The value of the month's earliest fill-up, or with revertOrder its latest: -1 when the
    // store cannot be read, 0 when the month has none.
    double getMonthVolumnByOrder(int month, bool revertOrder) const;
    double getMonthMoneyByOrder(int month, bool revertOrder) const;
    double getMonthCarDisplacementByOrder(int month, bool revertOrder) const;

private:
    std::optional<QList<Oil>> oilsFromStatement(const QString& sql, int columnsRead) const;
    std::optional<Date> singleDate(const QString& sql) const;
    double monthValueByOrder(const char* column, int month, bool revertOrder) const;
};
