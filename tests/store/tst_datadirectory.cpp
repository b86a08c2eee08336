#include "platform/Clock.h"
#include "store/Oil.h"
#include "store/Setting.h"
#include "store/StoreStatement.h"
#include "store/Utility.h"
#include "support/TestDataDirectory.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

// What the app keeps in its data directory, the database and the preferences, and the small
// rules around them: statements, keys, the fill-up order and the version checks.
class TestDataDirectoryContents : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

    static int count(const QString& table)
    {
        StoreStatement statement(QStringLiteral("select count(*) from ") + table);
        return statement.nextRow() ? statement.columnInt(0) : -1;
    }

    // What is on disk right now, read by a separate reader as the next run would.
    static QVariant stored(const char* key)
    {
        QSettings reader(Setting::preferencesPath(), QSettings::IniFormat);
        return reader.value(QLatin1String(key));
    }

private Q_SLOTS:
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void firstStartCopiesAWritableSeedAndLaterStartsKeepIt()
    {
        const Session nested(m_data->filePath(QStringLiteral("nested/deeper")));
        QVERIFY(!QFile::exists(Utility::getDBPath()));
        QString error;
        QVERIFY2(Utility::copyDatabase(&error), qPrintable(error));
        QCOMPARE(Utility::getDBPath(), m_data->filePath(QStringLiteral("nested/deeper/oil_db.sqlite")));
        QCOMPARE(count(QStringLiteral("car_information")), 0);
        QCOMPARE(count(QStringLiteral("oil_history")), 0);
        // Root can write to a read-only file, so look at the bits rather than try a write.
        QVERIFY(QFile::permissions(Utility::getDBPath()) & QFile::WriteOwner);

        // The next start leaves the database, and what was written to it, alone.
        QVERIFY(Utility::executeSQL(QStringLiteral("insert into car_information (car_id) values ('A')")));
        QVERIFY(Utility::copyDatabase());
        QCOMPARE(count(QStringLiteral("car_information")), 1);
    }

    // What a failed copy leaves behind: a database without tables, which every store operation
    // would otherwise accept.
    void emptyFileFromAFailedCopyIsReplacedByTheSeed()
    {
        QVERIFY(m_data->writeFile(QStringLiteral("oil_db.sqlite"), QByteArray()));
        QVERIFY(!Utility::executeSQL(QStringLiteral("delete from car_information")));
        QVERIFY(Utility::copyDatabase());
        QVERIFY(Utility::executeSQL(QStringLiteral("delete from car_information")));
    }

    void storeOperationsNeverCreateTheFile()
    {
        QVERIFY(!Utility::executeSQL(QStringLiteral("delete from oil_history")));
        StoreStatement statement(QStringLiteral("select 1"));
        QVERIFY(!statement.isOpen());
        QVERIFY(!QFile::exists(Utility::getDBPath()));
    }

    void executeSQLReportsCompletion()
    {
        QVERIFY(Utility::copyDatabase());
        QVERIFY(Utility::executeSQL(QStringLiteral("delete from oil_history where history_id=42")));
        QVERIFY(!Utility::executeSQL(QStringLiteral("delete from no_such_table")));
    }

    void pastedKeysCannotChangeAStatement()
    {
        QVERIFY(Utility::copyDatabase());
        QVERIFY(
            Utility::executeSQL(QStringLiteral("insert into car_information (car_id) values ('A'), ('B')")));
        const QString hostile = QStringLiteral("x' or '1'='1");
        QVERIFY(Utility::executeSQL(QStringLiteral("delete from car_information where car_id='%1'")
                                        .arg(StoreStatement::escapedText(hostile))));
        QCOMPARE(count(QStringLiteral("car_information")), 2);

        const QString uuid = Utility::UUID();
        QCOMPARE(StoreStatement::escapedText(uuid), uuid);
    }

    void uuidIsCanonicalAndFresh()
    {
        const QRegularExpression form(
            QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
        const QString first = Utility::UUID();
        QVERIFY2(form.match(first).hasMatch(), qPrintable(first));
        QVERIFY(Utility::UUID() != first);
    }

    void dateOrderPutsDatelessFillUpsFirst()
    {
        const auto fillUp = [](double id, std::optional<double> seconds) {
            Oil oil;
            oil.oilID = id;
            if (seconds)
                oil.date = Date(*seconds);
            return oil;
        };
        std::vector<Oil> fillUps { fillUp(1, 300), fillUp(2, std::nullopt), fillUp(3, 100),
            fillUp(4, std::nullopt), fillUp(5, 100) };
        std::stable_sort(fillUps.begin(), fillUps.end(), OilDateCompare);
        std::vector<double> order;
        for (const Oil& oil : fillUps)
            order.push_back(oil.oilID);
        QCOMPARE(order, (std::vector<double> { 2, 4, 3, 5, 1 }));
        // A strict order: equal dates (or none) never come before each other.
        QVERIFY(!OilDateCompare(fillUp(1, 100), fillUp(2, 100)));
        QVERIFY(!OilDateCompare(fillUp(1, std::nullopt), fillUp(2, std::nullopt)));
    }

    void versionIsScannedFromTheStartOfItsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("version");
        QTest::newRow("three parts") << QStringLiteral("4.3.1") << 4.3f;
        QTest::newRow("trailing words") << QStringLiteral("22.04 LTS") << 22.04f;
        QTest::newRow("no number") << QStringLiteral("unknown") << 0.0f;
    }

    void versionIsScannedFromTheStartOfItsText()
    {
        QFETCH(QString, text);
        QFETCH(float, version);
        QCOMPARE(Utility::versionFromText(text), version);
    }

    void versionChecksCountTheirOwnVersionAsLater()
    {
        QVERIFY(Utility::IOSVersion50Late(5.0f) && !Utility::IOSVersion50Late(4.3f));
        QVERIFY(Utility::IOSVersion32Late(3.2f) && !Utility::IOSVersion32Late(3.19f));
        QVERIFY(Utility::IOSVersion31Late(3.1f) && !Utility::IOSVersion31Late(3.05f));
        // Any desktop this runs on counts as later than every threshold.
        QVERIFY(Utility::IOSVersion50Late());
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

    void precisionOutsideOneToThreeIsStoredAsTwo_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("storedDigits");
        QTest::newRow("0") << 0 << 2;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("4") << 4 << 2;
    }

    // A setter writes through at once: a separate reader sees the value.
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
        Setting::setStartDateDefault([&asked](QString*) -> std::optional<Date> {
            ++asked;
            return Date(1306500000.25);
        });
        QCOMPARE(Setting::getStartDate(), Date(1306500000.25));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1306500000.25);
        QCOMPARE(Setting::getStartDate(), Date(1306500000.25));
        QCOMPARE(asked, 1);
    }

    // Now, when the car has no answer; and a stored zero is replaced by the moment of the read
    // even when the car could answer.
    void startDateDefaultsToNow()
    {
        Clock::setFixedNow(Date(1400000000));
        QCOMPARE(Setting::getStartDate(), Date(1400000000));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1400000000.0);

        Setting::setStartDate(Date(0));
        Setting::setStartDateDefault([](QString*) -> std::optional<Date> { return Date(1); });
        Clock::setFixedNow(Date(1600000000.5));
        QCOMPARE(Setting::getStartDate(), Date(1600000000.5));
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1600000000.5);
    }

    void setStartDateWithoutADateChangesNothing()
    {
        Setting::setStartDate(Date(1306500000));
        Setting::setStartDate(std::nullopt);
        QCOMPARE(stored(Setting::kCarFilterStartDate).toDouble(), 1306500000.0);
    }
};

QTEST_GUILESS_MAIN(TestDataDirectoryContents)
#include "tst_datadirectory.moc"
