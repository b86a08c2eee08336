#include "platform/Clock.h"
#include "platform/DeviceLocale.h"
#include "platform/MainBundle.h"
#include "reports/CarInfoFigures.h"
#include "reports/DateEx.h"
#include "reports/OverviewFigures.h"
#include "reports/ReportFigures.h"
#include "reports/SettingFigures.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QtTest>

#include <memory>
#include <numeric>

// A car's fill-ups read back for the statistics period, the whole-period figures and month
// lines made of them, and the figures the overview and the report tab show.
class TestCarFigures : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static CarInfo* car() { return CarManage::sharedCarManage()->mCurrentCarInfo(); }

    // The current car, beside another whose fill-ups must never show.
    CarInfo* carWithUnit(int unit)
    {
        const QString other = LogBuilder::addCar(QStringLiteral("Other"));
        LogBuilder::addFillUp(other, { LogBuilder::at(2011, 5, 2), 201105, 99, 999, 9, 5000, 0 });
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"), unit, 0, 750);
        Setting::setDefaultCarID(key);
        // Cars are loaded once per session: a fresh one sees the new car.
        m_data->restart();
        CarManage::sharedCarManage()->loadDefaultCar();
        return car();
    }

    static void add(double date, int month, double volumn, double money, double reading)
    {
        LogBuilder::addFillUp(car()->carID, { date, month, volumn, money, money / volumn, reading, 0 });
    }

    // May 2011, one fill-up a day from the 1st: readings 1000, 1100, ...
    static void addDays(int count)
    {
        for (int day = 1; day <= count; ++day)
            add(LogBuilder::at(2011, 5, day), 201105, 30.0 + day, 200.0 + day, 900.0 + 100 * day);
    }

    static QList<double> readings(const std::optional<QList<Oil>>& oils)
    {
        QList<double> values;
        for (const Oil& oil : oils.value_or(QList<Oil>()))
            values.append(oil.dCarDisplacement);
        return values;
    }

private Q_SLOTS:
    // The currency symbol is fixed for the run at its first use.
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(MainBundle::installTranslator());
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(LogBuilder::createStore());
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
        Setting::setFloatValuePrecisionDigits(2);
        QVERIFY(carWithUnit(1));
    }
    void cleanup() { m_data.reset(); }

    // Oldest first, strictly after the start (the fill-up at 1 May is out), the other car's never.
    void fillUpsOfThePeriod()
    {
        Setting::setStartDate(Date(LogBuilder::at(2011, 5, 1)));
        LogBuilder::addFillUp(car()->carID, { LogBuilder::at(2011, 6, 2), 201106, 40, 300, 7.5, 1400, 2 });
        addDays(3);
        const std::optional<QList<Oil>> oils = car()->getAllOil();
        QCOMPARE(readings(oils), (QList<double> { 1100, 1200, 1400 }));
        QCOMPARE(oils->at(2).mOilInfo, OilInfo::infoAtPosition(2));
        QCOMPARE(oils->at(2).carID, car()->carID);
        QCOMPARE(readings(car()->getAllOilFromMonth(201105)), (QList<double> { 1100, 1200 }));
        QCOMPARE(readings(car()->getAllOilFromDate(
                     Date(LogBuilder::at(2011, 5, 2)), Date(LogBuilder::at(2011, 5, 3, 0)))),
            QList<double> { 1100 });
        QCOMPARE(readings(car()->getTopFiveOil()), (QList<double> { 1100, 1200, 1400 }));
        QCOMPARE(car()->getFirstOilDate(), Date(LogBuilder::at(2011, 5, 2)));
        QCOMPARE(car()->getTotalMiles().value(), 300.0);
        // The money and volume sums take the fill-up at the start time too.
        QCOMPARE(car()->getTotalMoney().value(), 201.0 + 202.0 + 203.0 + 300.0);
        QCOMPARE(car()->getTotalVolumn().value(), 31.0 + 32.0 + 33.0 + 40.0);
        QCOMPARE(car()->getReportData()->first().totalMoney, 202.0 + 203.0);
        // The latest fill-up carries only its amount, volume and date (see overviewFigures).
        QCOMPARE(car()->getLastOil()->dCarDisplacement, 0.0);
        QCOMPARE(car()->getLastMiles(), 1400.0);
        QCOMPARE(car()->getLastOilDate(), Date(LogBuilder::at(2011, 6, 2)));
    }

    void startAfterTheLatestFillUpEmptiesEverything()
    {
        addDays(3);
        Setting::setStartDate(Date(LogBuilder::at(2011, 6, 1)));
        QVERIFY(!car()->getLastOil());
        QVERIFY(!car()->getFirstOilDate());
        QVERIFY(car()->getAllOil()->isEmpty());
        QVERIFY(car()->getTopFiveOil()->isEmpty());
        QCOMPARE(car()->getLastMiles(), 750.0);
        QVERIFY(car()->getMonthReportData().value().isEmpty());
    }

    // Rows another tool might write: NULL amounts, dates, readings and months, grades outside
    // the list.
    void foreignRowsGiveZerosNotCrashes()
    {
        const QString key = car()->carID;
        LogBuilder::exec(
            QStringLiteral("insert into oil_history (car_id, oil_date, oil_spec) values ('%1', %2, 99)")
                .arg(key)
                .arg(LogBuilder::at(2011, 5, 3)));
        LogBuilder::exec(
            QStringLiteral("insert into oil_history (car_id, oil_spec) values ('%1', -4)").arg(key));
        LogBuilder::exec(
            QStringLiteral("insert into oil_history (car_id, oil_date, oil_month, car_mileage, oil_money) "
                           "values ('%1', %2, 201105, 1500, 80)")
                .arg(key)
                .arg(LogBuilder::at(2011, 5, 4)));
        const std::optional<QList<Oil>> oils = car()->getAllOil();
        QCOMPARE(oils->size(), 2);
        QCOMPARE(oils->first().mOilInfo, OilInfo::infoAtPosition(0));
        QCOMPARE(oils->first().dTotal, 0.0);
        const QList<OilReportItem> months = car()->getMonthReportData().value();
        QCOMPARE(months.size(), 2);
        QCOMPARE(months.first().monthInteger, 0.0);
        QVERIFY(!months.first().getMonthString().isEmpty());
        QCOMPARE(car()->getCarAllReport(true).value().mRPtotalMoney, 80.0);
    }

    void oneFillUpHasNoDistance()
    {
        add(LogBuilder::at(2011, 5, 1), 201105, 30, 60, 1000);
        const CarAllReport full = car()->getCarAllReport(true).value();
        QCOMPARE(full.mRPTMoneyString, QStringLiteral("$60.00"));
        QCOMPARE(full.mRPTVolumnString, QStringLiteral("30.00 L"));
        QCOMPARE(full.mRPTMilesString, QStringLiteral("0 km"));
        QCOMPARE(full.mAvgVolumnString, QStringLiteral("0.00L/100km"));
        QCOMPARE(full.mAvgMoneyString, QStringLiteral("0.00$/km"));
        const CarAllReport driven = car()->getCarAllReport(false).value();
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
        carWithUnit(unit);
        add(LogBuilder::at(2011, 5, 1), 201105, 40, 300, 1000);
        add(LogBuilder::at(2011, 5, 20), 201105, 35, 280, 1500);
        const CarAllReport driven = car()->getCarAllReport(false).value();
        QCOMPARE(driven.mRPtotalMiles, 500.0);
        QCOMPARE(driven.mRPtotalVolumn, 40.0);
        QCOMPARE(driven.mRPtotalMoney, 300.0);
        QCOMPARE(driven.mAvgVolumnString, consumption);
        QCOMPARE(car()->getCarAllReport(true).value().mRPtotalVolumn, 75.0);
    }

    // A unit system of an unknown number (from an edited list), or none at all (an unusable
    // list): no consumption, no crash.
    void consumptionOfAnUnknownKindIsZero()
    {
        Unit unknown;
        unknown.dNumber = 9;
        car()->unit = &unknown;
        QCOMPARE(car()->getMPG(40, 500), 0.0);
        car()->unit = nullptr;
        QCOMPARE(car()->getMPG(40, 500), 0.0);
        QCOMPARE(car()->getCarAllReport(true).value().mRPTMilesString, QStringLiteral("0 "));
    }

    void distanceIsCutToAWholeNumber()
    {
        add(LogBuilder::at(2011, 5, 1), 201105, 40, 300, 1000);
        add(LogBuilder::at(2011, 5, 20), 201105, 35, 280, 2234.9);
        QCOMPARE(car()->getCarAllReport(true).value().mRPTMilesString, QStringLiteral("1234 km"));
    }

    void monthLinesCarryTheDistanceToTheNextMonth()
    {
        add(LogBuilder::at(2011, 5, 3), 201105, 40, 300, 1000);
        add(LogBuilder::at(2011, 5, 25), 201105, 35, 280, 1400);
        add(LogBuilder::at(2011, 6, 8), 201106, 30, 250, 1600);
        add(LogBuilder::at(2011, 6, 28), 201106, 20, 150, 2000);
        const QList<OilReportItem> months = car()->getMonthReportData().value();
        QCOMPARE(months.size(), 2);
        QCOMPARE(months.at(0).monthInteger, 201105.0);
        QCOMPARE(months.at(1).totalVolumn, 50.0); // the volume correction is the report tab's

        // May up to June's first reading; June without its latest fill-up's money (150), and on
        // the report tab without its volume (20) too, as are the tab's totals.
        ReportFigures figures(*car());
        QVERIFY(figures.read());
        const auto texts = [&figures](qsizetype i) {
            const ReportFigures::MonthTexts line = figures.monthTexts(figures.months().at(i));
            return QStringList { line.month, line.miles, line.volumn, line.money };
        };
        QCOMPARE(texts(0), (QStringList { "May 2011", "600 km", "75.00 L", "$580.00" }));
        QCOMPARE(texts(1), (QStringList { "Jun 2011", "400 km", "30.00 L", "$250.00" }));
        QCOMPARE(figures.totals().mRPTVolumnString, QStringLiteral("105.00 L"));
    }

    // A month of one reading measures to the next month's first fill-up; the newest month's
    // volume, less the latest fill-up's, never drops below zero.
    void singleReadingMonthAndVolumeCorrection()
    {
        add(LogBuilder::at(2011, 5, 3), 201105, 40, 300, 1000);
        add(LogBuilder::at(2011, 6, 2), 201106, 30, 250, 1300);
        add(LogBuilder::at(2011, 6, 20), 201106, 30, 250, 1700);
        QList<OilReportItem> months = car()->getMonthReportData().value();
        QCOMPARE(months.at(0).totalMiles, 300.0);
        QCOMPARE(months.at(1).totalMiles, 400.0);
        months.last().totalVolumn = 10; // less than the latest fill-up's 30
        car()->correctNewestMonthVolumn(months);
        QCOMPARE(months.last().totalVolumn, 0.0);
        QCOMPARE(months.first().totalVolumn, 40.0);
    }

    // A car's page on the overview, now being 15 June 2011 at noon. Fill-up k has 2 × its volume
    // in money and the odometer at 1000 + 300 k.
    void overviewFigures_data()
    {
        QTest::addColumn<QList<double>>("dates");
        QTest::addColumn<QList<double>>("volumns");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QStringList>("xLables");
        QTest::addColumn<qint64>("yStep");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<QString>("average");
        const auto june = [](int day) { return LogBuilder::at(2011, 6, day); };
        QTest::newRow("no fill-up: five days from today, step 1")
            << QList<double>() << QList<double>() << 2
            << QStringList { "Jun 15", "Jun 16", "Jun 17", "Jun 18", "Jun 19" } << qint64(1)
            << "No fill-up entered yet"
            << "No data yet";
        QTest::newRow("three fill-ups up to 47 litres: step 10")
            << QList<double> { june(1), june(5), june(10) } << QList<double> { 40.2, 47.0, 45.3 } << 2
            << QStringList { "Jun 1", "Jun 5", "Jun 10", "Jun 15", "Jun 16" } << qint64(10)
            << "Last fill-up: Jun 10 45.30 L, total $90.60"
            << "14.53L/100km";
        QTest::newRow("on today's day number a month ago: from tomorrow, step 20 for 52.7")
            << QList<double> { LogBuilder::at(2011, 5, 15) } << QList<double> { 52.7 } << 1
            << QStringList { "May 15", "Jun 16", "Jun 17", "Jun 18", "Jun 19" } << qint64(20)
            << "Last fill-up: May 15 52.7 L, total $105.4"
            << "No data yet";
        QTest::newRow("six fill-ups: the newest five, no filler")
            << QList<double> { june(1), june(2), june(3), june(4), june(5), june(6) }
            << QList<double> { 30, 31, 32, 33, 34, 35 } << 3
            << QStringList { "Jun 2", "Jun 3", "Jun 4", "Jun 5", "Jun 6" } << qint64(10)
            << "Last fill-up: Jun 6 35.000 L, total $70.000"
            << "10.667L/100km";
    }

    void overviewFigures()
    {
        QFETCH(QList<double>, dates);
        QFETCH(QList<double>, volumns);
        QFETCH(int, precision);
        QFETCH(QStringList, xLables);
        Clock::setFixedNow(Date(LogBuilder::at(2011, 6, 15)));
        Setting::setFloatValuePrecisionDigits(precision);
        for (qsizetype k = 0; k < dates.size(); ++k) {
            const Date date(dates.at(k));
            add(dates.at(k), int(DateEx::numberMonth(date)), volumns.at(k), 2 * volumns.at(k),
                1000.0 + 300 * k);
        }
        OverviewFigures figures(*car());
        QVERIFY(figures.read());
        QCOMPARE(figures.totals().mRPtotalVolumn, std::accumulate(volumns.begin(), volumns.end(), 0.0));
        QCOMPARE(figures.lastFillUps().size(), qMin(dates.size(), qsizetype(5)));
        QCOMPARE(figures.xLables(), xLables);
        QTEST(figures.yStep(), "yStep");
        QTEST(figures.latestFillUpText(), "latest");
        QTEST(figures.totals().averageConsumptionText(), "average");
    }

    // A page's y axis by its largest volume: the tick labels and the room they need right of
    // the plot. A page without a car (a log with none yet) has the chart of no fill-up.
    void aPagesYAxis_data()
    {
        QTest::addColumn<double>("largest"); // below 0: no car
        QTest::addColumn<QString>("yLables");
        QTest::addColumn<float>("margin");
        QTest::newRow("no car") << -1.0 << "1 2 3 4 5" << 6.0f;
        QTest::newRow("47 litres") << 47.0 << "10 20 30 40 50" << 6.0f;
        QTest::newRow("900 litres: step 200") << 900.0 << "200 400 600 800 1,000" << 15.0f;
        QTest::newRow("8,000 litres: step 2,000") << 8000.0 << "2,000 4,000 6,000 8,000 10,000" << 18.0f;
    }

    void aPagesYAxis()
    {
        QFETCH(double, largest);
        Clock::setFixedNow(Date(LogBuilder::at(2011, 6, 15)));
        OverviewFigures figures;
        if (largest >= 0) {
            add(LogBuilder::at(2011, 6, 1), 201106, largest, 2 * largest, 1000);
            figures = OverviewFigures(*car());
        }
        QVERIFY(figures.read());
        QStringList lables;
        for (unsigned tick = 1; tick <= 5; ++tick)
            lables << figures.yLable(tick);
        QTEST(lables.join(QLatin1Char(' ')), "yLables");
        QTEST(figures.chartRightMargin(), "margin");
        if (largest < 0) {
            QVERIFY(!figures.car() && figures.totals().mRPTMoneyString.isEmpty());
            QCOMPARE(figures.totals().averageConsumptionText(), QStringLiteral("No data yet"));
            QCOMPARE(figures.latestFillUpText(), QStringLiteral("No fill-up entered yet"));
            QCOMPARE(figures.xLables(), QStringList({ "Jun 15", "Jun 16", "Jun 17", "Jun 18", "Jun 19" }));
        }
    }

    // A log that can no longer be read gives an error, and no figures from the read before.
    void aFailedReadIsAnErrorNotZeros()
    {
        add(LogBuilder::at(2011, 5, 3), 201105, 40, 300, 1000);
        ReportFigures report(*car());
        OverviewFigures overview(*car());
        QVERIFY(report.read() && overview.read());
        LogBuilder::corruptTable(QStringLiteral("oil_history"));
        QVERIFY(!report.read() && !overview.read());
        QVERIFY(!report.errorString().isEmpty());
        QCOMPARE(overview.errorString(), report.errorString());
        QVERIFY(report.months().isEmpty() && report.totals().mRPTMoneyString.isEmpty());
        QVERIFY(overview.totals().mRPTMoneyString.isEmpty() && overview.latestFillUpText().isEmpty());
    }

    // The car information list shows the tank and the displacement as typed, with their units;
    // the settings list a grade's price with the currency symbol and the user's decimals.
    void listFigures()
    {
        car()->maxVolumn = 45.7f;
        car()->mCapacity = 0;
        const CarInfoFigures info(car());
        QCOMPARE(QStringList({ info.name, info.unitName, info.maxVolumn, info.capacity, info.gradeName }),
            QStringList({ "Golf", "L/100km", "45.7 L", "0 CC", "Regular 92" }));
        QVERIFY(CarInfoFigures(nullptr).maxVolumn.isEmpty());
        SettingFigures settings;
        settings.read();
        const SettingFigures::Row grade = settings.gradeRows().at(1);
        QCOMPARE(grade.label + QLatin1Char('|') + grade.detail, QStringLiteral("Premium 95|$1.75"));
    }
};

QTEST_GUILESS_MAIN(TestCarFigures)
#include "tst_carfigures.moc"
