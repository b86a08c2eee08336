#include "platform/DeviceLocale.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QtTest>

#include <memory>

// A car's fill-ups read back for the statistics period.
class TestQueries : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    QString m_key;

    static CarInfo* car() { return CarManage::sharedCarManage()->mCurrentCarInfo(); }

    // May 2011, one fill-up a day from the 1st: readings 1000, 1100, ...
    void addDays(int count, const QString& key)
    {
        for (int day = 1; day <= count; ++day)
            LogBuilder::addFillUp(key,
                { LogBuilder::at(2011, 5, day), 201105, 30.0 + day, 200.0 + day, 7.0, 900.0 + 100 * day, 1 });
    }

    static QList<double> readings(const std::optional<QList<Oil>>& oils)
    {
        QList<double> values;
        for (const Oil& oil : oils.value_or(QList<Oil>()))
            values.append(oil.dCarDisplacement);
        return values;
    }

private Q_SLOTS:
    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        DeviceLocale::setTimeZoneId(QStringLiteral("UTC"));
        QVERIFY(LogBuilder::createStore());
        m_key = LogBuilder::addCar(QStringLiteral("Golf"), 1, 0, 750);
        // Another car's fill-ups must never show.
        const QString other = LogBuilder::addCar(QStringLiteral("Other"));
        addDays(3, other);
        Setting::setDefaultCarID(m_key);
        CarManage::sharedCarManage()->loadDefaultCar();
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
    }
    void cleanup() { m_data.reset(); }

    void fillUpsOfThePeriodComeOldestFirst()
    {
        LogBuilder::addFillUp(m_key, { LogBuilder::at(2011, 6, 2), 201106, 40, 300, 7.5, 2000, 2 });
        LogBuilder::addFillUp(m_key, { LogBuilder::at(2011, 5, 2), 201105, 40, 300, 7.5, 1000, 1 });
        LogBuilder::addFillUp(m_key, { LogBuilder::at(2010, 12, 2), 201012, 40, 300, 7.5, 500, 1 });
        const std::optional<QList<Oil>> oils = car()->getAllOil();
        QVERIFY(oils);
        QCOMPARE(readings(oils), (QList<double> { 1000, 2000 }));
        QCOMPARE(oils->at(1).mOilInfo, OilInfo::infoAtPosition(2));
        QCOMPARE(oils->at(1).carID, m_key);
        QCOMPARE(readings(car()->getAllOilFromMonth(201106)), QList<double> { 2000 });
        QCOMPARE(readings(car()->getAllOilFromDate(
                     Date(LogBuilder::at(2011, 5, 2)), Date(LogBuilder::at(2011, 5, 3)))),
            QList<double> { 1000 });
    }

    void periodFilterIsStrict()
    {
        const double start = LogBuilder::at(2011, 5, 1);
        Setting::setStartDate(Date(start));
        addDays(3, m_key);
        QCOMPARE(readings(car()->getAllOil()), (QList<double> { 1100, 1200 }));
        QCOMPARE(readings(car()->getAllOilFromMonth(201105)), (QList<double> { 1100, 1200 }));
        QCOMPARE(readings(car()->getTopFiveOil()), (QList<double> { 1100, 1200 }));
        QCOMPARE(car()->getFirstOilDate(), Date(LogBuilder::at(2011, 5, 2)));
        QCOMPARE(car()->getTotalMiles(), 100.0);
        // The money and volume sums take the fill-up at the start time too.
        QCOMPARE(car()->getTotalMoney(), 201.0 + 202.0 + 203.0);
        QCOMPARE(car()->getTotalVolumn(), 31.0 + 32.0 + 33.0);
    }

    void topFiveAreTheNewestFiveOldestFirst_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<double>>("expected");
        QTest::newRow("three") << 3 << QList<double> { 1000, 1100, 1200 };
        QTest::newRow("eight") << 8 << QList<double> { 1300, 1400, 1500, 1600, 1700 };
    }

    void topFiveAreTheNewestFiveOldestFirst()
    {
        QFETCH(int, count);
        QFETCH(QList<double>, expected);
        addDays(count, m_key);
        QCOMPARE(readings(car()->getTopFiveOil()), expected);
    }

    void latestFillUpCarriesOnlyAmountVolumeAndDate()
    {
        addDays(2, m_key);
        const std::optional<Oil> last = car()->getLastOil();
        QVERIFY(last);
        QCOMPARE(last->dTotal, 202.0);
        QCOMPARE(last->oilVolumn, 32.0);
        QCOMPARE(last->date, Date(LogBuilder::at(2011, 5, 2)));
        QCOMPARE(last->dCarDisplacement, 0.0);
        QCOMPARE(last->dUnitPrice, 0.0);
        QVERIFY(!last->mOilInfo);
        QCOMPARE(car()->getLastMiles(), 1100.0);
        QCOMPARE(car()->getLastOilDate(), Date(LogBuilder::at(2011, 5, 2)));
    }

    void startAfterTheLatestFillUpEmptiesEverything()
    {
        addDays(3, m_key);
        Setting::setStartDate(Date(LogBuilder::at(2011, 6, 1)));
        QVERIFY(!car()->getLastOil());
        QVERIFY(!car()->getFirstOilDate());
        QVERIFY(!car()->getLastOilDate());
        QVERIFY(car()->getAllOil()->isEmpty());
        QVERIFY(car()->getTopFiveOil()->isEmpty());
        QCOMPARE(car()->getLastMiles(), 750.0);
        QVERIFY(car()->getMonthReportData().isEmpty());
    }

    void monthIsTheStoredNumberWhateverTheZoneNow()
    {
        // Written in Tokyo on 1 June 00:30, stored as 201106; read in New York, where that
        // moment is still 31 May.
        LogBuilder::addFillUp(
            m_key, { LogBuilder::at(2011, 6, 1, 0, 30, "Asia/Tokyo"), 201106, 40, 300, 7.5, 1000, 0 });
        DeviceLocale::setTimeZoneId(QStringLiteral("America/New_York"));
        QCOMPARE(car()->getAllOilFromMonth(201106)->size(), 1);
        QVERIFY(car()->getAllOilFromMonth(201105)->isEmpty());
    }

    void unopenableStoreGivesEmptyResults()
    {
        QVERIFY(QFile::remove(m_data->filePath(QStringLiteral("oil_db.sqlite"))));
        QVERIFY(!car()->getAllOil());
        QCOMPARE(car()->getLastMiles(), 0.0);
        QCOMPARE(car()->getMonthLastVolumn(201105), -1.0);
        QVERIFY(!car()->getReportData());
        QVERIFY(car()->getMonthReportData().isEmpty());
    }

    void foreignRowsGiveZerosNotCrashes()
    {
        // Rows another tool might write: NULL amounts, dates, readings and months, grades
        // outside the list.
        LogBuilder::exec(
            QStringLiteral("insert into oil_history (car_id, oil_date, oil_spec) values ('%1', %2, 99)")
                .arg(m_key)
                .arg(LogBuilder::at(2011, 5, 3)));
        LogBuilder::exec(
            QStringLiteral("insert into oil_history (car_id, oil_spec) values ('%1', -4)").arg(m_key));
        LogBuilder::exec(
            QStringLiteral("insert into oil_history (car_id, oil_date, oil_month, car_mileage, oil_money) "
                           "values ('%1', %2, 201105, 1500, 80)")
                .arg(m_key)
                .arg(LogBuilder::at(2011, 5, 4)));
        const std::optional<QList<Oil>> oils = car()->getAllOil();
        QCOMPARE(oils->size(), 2);
        QCOMPARE(oils->first().mOilInfo, OilInfo::infoAtPosition(0));
        QCOMPARE(oils->first().dTotal, 0.0);
        QVERIFY(oils->first().notes.isNull());
        QCOMPARE(car()->getTotalMoney(), 80.0);
        const QList<OilReportItem> months = car()->getMonthReportData();
        QCOMPARE(months.size(), 2);
        QCOMPARE(months.first().monthInteger, 0.0);
        QVERIFY(!months.first().getMonthString().isEmpty());
        QCOMPARE(car()->getCarAllReport(true).mRPtotalMoney, 80.0);
    }
};

QTEST_GUILESS_MAIN(TestQueries)
#include "tst_queries.moc"
