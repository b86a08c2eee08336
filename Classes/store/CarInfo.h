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
    // which matches no row), else the reason in *error.
    bool update(QString* error = nullptr);
    // Inserts the fill-up under this car's key; on success the fill-up gets its new key.
    bool addOil(Oil& oil, QString* error = nullptr);

    // Every reader below answers std::nullopt, with the reason in *error, when the store cannot
    // be read; a failed read is never taken for "no fill-ups".

    // Fill-ups of the statistics period, oldest first.
    std::optional<QList<Oil>> getAllOil(QString* error = nullptr) const;
    std::optional<QList<Oil>> getAllOilFromMonth(int month, QString* error = nullptr) const;
    std::optional<QList<Oil>> getAllOilFromDate(Date from, Date to, QString* error = nullptr) const;
    // The five most recent fill-ups of the period (or fewer), oldest of them first.
    std::optional<QList<Oil>> getTopFiveOil(QString* error = nullptr) const;

    // These four may find nothing: std::nullopt then too, with *error empty.
    // The car's latest fill-up when it lies in the period (amount, volume and date only).
    std::optional<Oil> getLastOil(QString* error = nullptr) const;
    std::optional<Date> getFirstOilDate(QString* error = nullptr) const;
    std::optional<Date> getLastOilDate(QString* error = nullptr) const;
    // The earliest fill-up over all the car's fill-ups, whatever the statistics period.
    std::optional<Date> getEarliestOilDateOfAllTime(QString* error = nullptr) const;

    // The highest odometer reading of the period, else the initial reading.
    std::optional<double> getLastMiles(QString* error = nullptr) const;
    std::optional<double> getTotalMoney(QString* error = nullptr) const;
    std::optional<double> getTotalVolumn(QString* error = nullptr) const;
    std::optional<double> getTotalMiles(QString* error = nullptr) const;
    // The consumption figure of the car's unit system for that volume and distance; 0 where it
    // would divide by 0 or overflow.
    double getMPG(double volumn, double miles) const;
    // Whole-period figures; fullTotals shows the money and volume of every fill-up, otherwise
    // those of the latest fill-up (not yet driven) are left out of the totals. That fill-up, as
    // getLastOil() answers it, in *latest when asked for.
    std::optional<CarAllReport> getCarAllReport(
        bool fullTotals, QString* error = nullptr, std::optional<Oil>* latest = nullptr) const;
    // One line per month with fill-ups in the period, ascending.
    std::optional<QList<OilReportItem>> getReportData(QString* error = nullptr) const;
    // The month lines with each month's distance carried up to the next month's first reading
    // and the newest month's latest fill-up taken out of its money.
    std::optional<QList<OilReportItem>> getMonthReportData(QString* error = nullptr) const;
    // The report screen's correction: the newest month's latest fill-up volume taken out of
    // that month's volume, floored at 0. False, with the months unchanged, when the store
    // cannot be read.
    bool correctNewestMonthVolumn(QList<OilReportItem>& months, QString* error = nullptr) const;

    // The value of the month's earliest fill-up, or with revertOrder its latest: 0 when the
    // month has none.
    std::optional<double> getMonthFirstVolumn(int month, QString* error = nullptr) const;
    std::optional<double> getMonthLastVolumn(int month, QString* error = nullptr) const;
    std::optional<double> getMonthFirstMoney(int month, QString* error = nullptr) const;
    std::optional<double> getMonthLastMoney(int month, QString* error = nullptr) const;
    std::optional<double> getMonthFirstCarDisplacement(int month, QString* error = nullptr) const;
    std::optional<double> getMonthLastCarDisplacement(int month, QString* error = nullptr) const;
    std::optional<double> getMonthVolumnByOrder(int month, bool revertOrder, QString* error = nullptr) const;
    std::optional<double> getMonthMoneyByOrder(int month, bool revertOrder, QString* error = nullptr) const;
    std::optional<double> getMonthCarDisplacementByOrder(
        int month, bool revertOrder, QString* error = nullptr) const;

private:
    std::optional<QList<Oil>> oilsFromStatement(const QString& sql, int columnsRead, QString* error) const;
    std::optional<double> monthValueByOrder(
        const char* column, int month, bool revertOrder, QString* error) const;
};
