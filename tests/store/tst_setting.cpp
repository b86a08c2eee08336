#include "platform/Clock.h"
#include "store/Setting.h"
#include "support/TestDataDirectory.h"

#include <QSettings>
#include <QtTest>

#include <memory>

class TestSetting : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    // What is on disk right now, read by a separate reader as the next run would.
    static QVariant stored(const char* key)
    {
        QSettings reader(Setting::preferencesPath(), QSettings::IniFormat);
        return reader.value(QLatin1String(key));
    }

private Q_SLOTS:
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup()
    {
        Setting::setStartDateDefault({});
        m_data.reset();
    }

    void firstReadsStoreTheirDefaults()
    {
        QVERIFY(!stored(Setting::kPrecisionDigits).isValid());
        QCOMPARE(Setting::getFloatValuePrecisionDigits(), 2);
        QCOMPARE(stored(Setting::kPrecisionDigits).toInt(), 2);

        QVERIFY(!stored(Setting::kGPSFlag).isValid());
        QVERIFY(Setting::getGPSFlag());
        QCOMPARE(stored(Setting::kGPSFlag).toBool(), true);

        QVERIFY(Setting::getDefaultCarID().isNull());
        QVERIFY(!stored(Setting::kDefaultCar).isValid());
    }

    void settersWriteThroughAtOnce()
    {
        Setting::setGPSFlag(false);
        QCOMPARE(stored(Setting::kGPSFlag).toBool(), false);
        QVERIFY(!Setting::getGPSFlag());

        Setting::setDefaultCarID(QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));
        QCOMPARE(
            stored(Setting::kDefaultCar).toString(), QStringLiteral("6F9619FF-8B86-D011-B42D-00C04FC964FF"));
        Setting::setDefaultCarID(QString(QLatin1String("")));
        QVERIFY(!Setting::getDefaultCarID().isNull());
        QVERIFY(Setting::getDefaultCarID().isEmpty());
    }

    void precisionOutsideOneToThreeIsStoredAsTwo_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("storedDigits");
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("4") << 4 << 2;
    }

    void precisionOutsideOneToThreeIsStoredAsTwo()
    {
        QFETCH(int, digits);
        QFETCH(int, storedDigits);
        Setting::setFloatValuePrecisionDigits(digits);
        QCOMPARE(stored(Setting::kPrecisionDigits).toInt(), storedDigits);
        QCOMPARE(Setting::getFloatValuePrecisionDigits(), storedDigits);
    }

    void startDateDefaultComesFromTheCurrentCarOnce()
    {
        int asked = 0;
        Setting::setStartDateDefault([&asked]() -> std::optional<Date> {
            ++asked;
            return Date(1306500000.25);
        });
        QCOMPARE(Setting::getStartDate(), Date(1306500000.25));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1306500000.25);
        QCOMPARE(Setting::getStartDate(), Date(1306500000.25));
        QCOMPARE(asked, 1);
    }

    void startDateDefaultsToNowWithoutAnAnswer()
    {
        Clock::setFixedNow(Date(1400000000));
        QCOMPARE(Setting::getStartDate(), Date(1400000000));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1400000000.0);

        Setting::setStartDate(Date(0));
        Setting::setStartDateDefault([]() -> std::optional<Date> { return std::nullopt; });
        Clock::setFixedNow(Date(1500000000));
        QCOMPARE(Setting::getStartDate(), Date(1500000000));
    }

    // A stored zero is replaced by the moment of the read, even when the car could answer.
    void storedZeroIsReplacedByNow()
    {
        Setting::setStartDate(Date(0));
        Setting::setStartDateDefault([]() -> std::optional<Date> { return Date(1); });
        Clock::setFixedNow(Date(1600000000.5));
        QCOMPARE(Setting::getStartDate(), Date(1600000000.5));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1600000000.5);
    }

    void startDateKeepsItsFractionExactly()
    {
        // The period filter compares against this value's six-decimal text, so no digit of the
        // stored double may be lost on the way through the file.
        const Date start(1306500000.1234567);
        Setting::setStartDate(start);
        QCOMPARE(Setting::getStartDate().timeIntervalSince1970(), start.timeIntervalSince1970());
    }

    void setStartDateWithoutADateChangesNothing()
    {
        Setting::setStartDate(Date(1306500000));
        Setting::setStartDate(std::nullopt);
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1306500000.0);
    }
};

QTEST_GUILESS_MAIN(TestSetting)
#include "tst_setting.moc"
