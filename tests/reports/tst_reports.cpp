#include "platform/DeviceLocale.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QSettings>
#include <QtTest>

#include <memory>

// Whole-period figures and month lines.
class TestReports : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static CarInfo* carWithUnit(int unit)
    {
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"), unit, 0, 900);
        Setting::setDefaultCarID(key);
        CarManage::sharedCarManage()->loadDefaultCar();
        return CarManage::sharedCarManage()->mCurrentCarInfo();
    }

    static void add(CarInfo* car, double date, int month, double volumn, double money, double reading)
    {
        LogBuilder::addFillUp(car->carID, { date, month, volumn, money, money / volumn, reading, 0 });
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The currency symbol is fixed for the run at its first use.
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        DeviceLocale::setTimeZoneId(QStringLiteral("UTC"));
        QVERIFY(LogBuilder::createStore());
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
        Setting::setFloatValuePrecisionDigits(2);
    }
    void cleanup() { m_data.reset(); }

    void emptyPeriodShowsZerosWithUnits()
    {
        const CarAllReport report = carWithUnit(1)->getCarAllReport(true);
        QCOMPARE(report.mRPtotalMoney, 0.0);
        QCOMPARE(report.mRPtotalVolumn, 0.0);
        QCOMPARE(report.mRPtotalMiles, 0.0);
        QCOMPARE(report.mRPTMoneyString, QStringLiteral("$0.00"));
        QCOMPARE(report.mRPTVolumnString, QStringLiteral("0.00 L"));
        QCOMPARE(report.mRPTMilesString, QStringLiteral("0 km"));
        QCOMPARE(report.mAvgVolumnString, QStringLiteral("0.00L/100km"));
        QCOMPARE(report.mAvgMoneyString, QStringLiteral("0.00$/km"));
    }

    void oneFillUpHasNoDistance()
    {
        CarInfo* car = carWithUnit(1);
        add(car, LogBuilder::at(2011, 5, 1), 201105, 30, 60, 1000);
        const CarAllReport full = car->getCarAllReport(true);
        QCOMPARE(full.mRPTMoneyString, QStringLiteral("$60.00"));
        QCOMPARE(full.mRPTVolumnString, QStringLiteral("30.00 L"));
        QCOMPARE(full.mAvgVolumnString, QStringLiteral("0.00L/100km"));
        QCOMPARE(full.mAvgMoneyString, QStringLiteral("0.00$/km"));
        const CarAllReport driven = car->getCarAllReport(false);
        QCOMPARE(driven.mRPtotalMoney, 0.0);
        QCOMPARE(driven.mRPtotalVolumn, 0.0);
    }

    void consumptionLeavesTheLatestFillUpOut_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("consumption");
        QTest::newRow("L/100km: 40 × 100 ÷ 500") << 1 << QStringLiteral("8.00L/100km");
        QTest::newRow("mpg: 500 ÷ 40") << 5 << QStringLiteral("12.50mpg (US)");
        QTest::newRow("unit number outside the list") << 17 << QStringLiteral("12.50km/L");
    }

    void consumptionLeavesTheLatestFillUpOut()
    {
        QFETCH(int, unit);
        QFETCH(QString, consumption);
        CarInfo* car = carWithUnit(unit);
        add(car, LogBuilder::at(2011, 5, 1), 201105, 40, 300, 1000);
        add(car, LogBuilder::at(2011, 5, 20), 201105, 35, 280, 1500);
        const CarAllReport driven = car->getCarAllReport(false);
        QCOMPARE(driven.mRPtotalMiles, 500.0);
        QCOMPARE(driven.mRPtotalVolumn, 40.0);
        QCOMPARE(driven.mRPtotalMoney, 300.0);
        QCOMPARE(driven.mAvgVolumnString, consumption);
        QCOMPARE(driven.mAvgMoneyString, car->unit->unitCostPeMileageFrom(500, 300));
        QCOMPARE(car->getCarAllReport(true).mRPtotalVolumn, 75.0);
    }

    // A unit system of an unknown number (from an edited list), or none at all (an unusable
    // list): no consumption, no crash.
    void consumptionOfAnUnknownKindIsZero()
    {
        CarInfo* car = carWithUnit(1);
        Unit unknown;
        unknown.dNumber = 9;
        car->unit = &unknown;
        QCOMPARE(car->getMPG(40, 500), 0.0);
        car->unit = nullptr;
        QCOMPARE(car->getMPG(40, 500), 0.0);
        QCOMPARE(car->getCarAllReport(true).mRPTMilesString, QStringLiteral("0 "));
    }

    void distanceIsCutToAWholeNumber()
    {
        CarInfo* car = carWithUnit(1);
        add(car, LogBuilder::at(2011, 5, 1), 201105, 40, 300, 1000);
        add(car, LogBuilder::at(2011, 5, 20), 201105, 35, 280, 2234.9);
        QCOMPARE(car->getCarAllReport(true).mRPTMilesString, QStringLiteral("1234 km"));
    }

    void defaultStartCountsInTheSumsButNotInTheDistance()
    {
        CarInfo* car = carWithUnit(1);
        add(car, LogBuilder::at(2011, 5, 1), 201105, 40, 300, 1000);
        add(car, LogBuilder::at(2011, 5, 20), 201105, 35, 280, 1500);
        add(car, LogBuilder::at(2011, 6, 10), 201106, 30, 250, 1900);
        QSettings(Setting::preferencesPath(), QSettings::IniFormat)
            .remove(QLatin1String(Setting::kCarFilterStartDate));
        QCOMPARE(Setting::getStartDate(), Date(LogBuilder::at(2011, 5, 1)));

        QCOMPARE(car->getTotalMoney(), 830.0);
        QCOMPARE(car->getTotalMiles(), 400.0);
        const QList<OilReportItem> months = car->getMonthReportData();
        QCOMPARE(months.size(), 2);
        QCOMPARE(months.first().totalMoney, 280.0);
    }

    void monthLinesCarryTheDistanceToTheNextMonth()
    {
        CarInfo* car = carWithUnit(1);
        add(car, LogBuilder::at(2011, 5, 3), 201105, 40, 300, 1000);
        add(car, LogBuilder::at(2011, 5, 25), 201105, 35, 280, 1400);
        add(car, LogBuilder::at(2011, 6, 8), 201106, 30, 250, 1600);
        add(car, LogBuilder::at(2011, 6, 28), 201106, 20, 150, 2000);
        const QList<OilReportItem> months = car->getMonthReportData();
        QCOMPARE(months.size(), 2);
        QCOMPARE(months.at(0).monthInteger, 201105.0);
        QCOMPARE(months.at(0).totalMiles, 600.0);
        QCOMPARE(months.at(0).totalMoney, 580.0);
        QCOMPARE(months.at(0).totalVolumn, 75.0);
        QCOMPARE(months.at(1).totalMiles, 400.0);
        QCOMPARE(months.at(1).totalMoney, 250.0); // less the latest fill-up's 150
        QCOMPARE(months.at(1).totalVolumn, 50.0); // the volume correction is the report screen's
        QCOMPARE(months.at(1).getMonthString(), QStringLiteral("Jun 2011"));
    }

    void singleReadingMonthMeasuresToTheNextFirstFillUp()
    {
        CarInfo* car = carWithUnit(1);
        add(car, LogBuilder::at(2011, 5, 3), 201105, 40, 300, 1000);
        add(car, LogBuilder::at(2011, 6, 2), 201106, 30, 250, 1300);
        add(car, LogBuilder::at(2011, 6, 20), 201106, 30, 250, 1700);
        const QList<OilReportItem> months = car->getMonthReportData();
        QCOMPARE(months.at(0).totalMiles, 300.0);
        QCOMPARE(months.at(1).totalMiles, 400.0);
    }

    void newestMonthVolumeCorrectionFloorsAtZero()
    {
        CarInfo* car = carWithUnit(1);
        add(car, LogBuilder::at(2011, 5, 3), 201105, 40, 300, 1000);
        add(car, LogBuilder::at(2011, 6, 2), 201106, 30, 250, 1300);
        QList<OilReportItem> months = car->getMonthReportData();
        months.last().totalVolumn = 10; // less than the latest fill-up's 30
        car->correctNewestMonthVolumn(months);
        QCOMPARE(months.last().totalVolumn, 0.0);
        QCOMPARE(months.first().totalVolumn, 40.0);
    }
};

QTEST_GUILESS_MAIN(TestReports)
#include "tst_reports.moc"
