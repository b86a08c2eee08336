#include "CommandLineRun.h"
#include "cli/CommandLineTool.h"
#include "platform/DeviceLocale.h"
#include "store/Setting.h"
#include "support/LogBuilder.h"
#include "support/TestDataDirectory.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

// The commands that read the log: cars and report.
class TestLogCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    CommandLineRun run;

    QJsonDocument json() const { return QJsonDocument::fromJson(run.out.toUtf8()); }

private Q_SLOTS:
    void initTestCase() { DeviceLocale::setLocaleName(QStringLiteral("en_US")); }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        DeviceLocale::setTimeZoneId(QStringLiteral("UTC"));
        QVERIFY(LogBuilder::createStore());
    }
    void cleanup() { m_data.reset(); }

    void carsListsEveryCarAndMarksTheCurrentOne()
    {
        const QString golf = LogBuilder::addCar(QStringLiteral("Golf"), 1, 3);
        const QString zoe = LogBuilder::addCar(QStringLiteral("Zoe"), 4, 0);
        Setting::setDefaultCarID(QStringLiteral("STALE"));

        QCOMPARE(run({ QStringLiteral("cars"), QStringLiteral("--json") }), 0);
        const QJsonArray cars = json().array();
        QCOMPARE(cars.size(), 2);
        const QJsonObject first = cars.at(0).toObject();
        QCOMPARE(first.value(QStringLiteral("carID")).toString(), golf);
        QCOMPARE(first.value(QStringLiteral("mCarName")).toString(), QStringLiteral("Golf"));
        QCOMPARE(first.value(QStringLiteral("unit")).toInt(), 1);
        QCOMPARE(first.value(QStringLiteral("mOilInfo")).toInt(), 3);
        QCOMPARE(first.value(QStringLiteral("mCapacity")).toDouble(), 1.6);
        QCOMPARE(first.value(QStringLiteral("maxVolumn")).toDouble(), 60.0);
        QCOMPARE(first.value(QStringLiteral("mRegisterDate")).toDouble(), 1300000000.0);
        QVERIFY(first.value(QStringLiteral("strRemark")).isNull());
        // The stale default was repaired with the first car, as the app does.
        QCOMPARE(first.value(QStringLiteral("current")).toBool(), true);
        QCOMPARE(cars.at(1).toObject().value(QStringLiteral("carID")).toString(), zoe);
        QCOMPARE(cars.at(1).toObject().value(QStringLiteral("current")).toBool(), false);
        QCOMPARE(Setting::getDefaultCarID(), golf);

        QCOMPARE(run({ QStringLiteral("cars") }), 0);
        QVERIFY2(run.out.contains(QLatin1String("* ") + golf), qPrintable(run.out));
        QVERIFY(run.out.contains(QLatin1String("Zoe")));
    }

    void aDamagedUnitListIsReportedNotHidden()
    {
        LogBuilder::addCar(QStringLiteral("Golf"));
        QFile units(m_data->filePath(QStringLiteral("Unit_Info.plist")));
        QVERIFY(units.open(QIODevice::WriteOnly));
        units.write("not a property list");
        units.close();
        QCOMPARE(run({ QStringLiteral("cars") }), 0);
        QVERIFY2(run.err.startsWith(QLatin1String("pumpora: warning: ")), qPrintable(run.err));
        QVERIFY(run.err.contains(QLatin1String("Unit_Info.plist")));
        QVERIFY(run.out.contains(QLatin1String("Golf")));
    }

    void carsOfAnEmptyLog()
    {
        QCOMPARE(run({ QStringLiteral("cars"), QStringLiteral("--json") }), 0);
        QCOMPARE(json().array().size(), 0);
        QCOMPARE(run({ QStringLiteral("cars") }), 0);
        QCOMPARE(run.out, QStringLiteral("No cars yet.\n"));
    }

    void reportGivesTheScreensFigures()
    {
        LogBuilder::addCar(QStringLiteral("Other"));
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"), 1);
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 5, 3), 201105, 40, 300, 7.5, 1000, 0 });
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 5, 25), 201105, 35, 280, 8, 1400, 0 });
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 6, 8), 201106, 30.25, 250, 8.26, 1600, 0 });
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 6, 28), 201106, 20, 150, 7.5, 2000, 0 });

        QCOMPARE(
            run({ QStringLiteral("report"), QStringLiteral("--car"), key, QStringLiteral("--json") }), 0);
        const QJsonObject report = json().object();
        QCOMPARE(report.value(QStringLiteral("carID")).toString(), key);
        QCOMPARE(report.value(QStringLiteral("mCarName")).toString(), QStringLiteral("Golf"));
        const QJsonObject overview = report.value(QStringLiteral("overview")).toObject();
        QCOMPARE(overview.value(QStringLiteral("mRPtotalMoney")).toDouble(), 980.0);
        QCOMPARE(overview.value(QStringLiteral("mRPtotalVolumn")).toDouble(), 125.25);
        QCOMPARE(overview.value(QStringLiteral("mRPTMilesString")).toString(), QStringLiteral("1000 km"));
        QCOMPARE(
            overview.value(QStringLiteral("mAvgVolumnString")).toString(), QStringLiteral("10.52L/100km"));
        const QJsonObject driven = report.value(QStringLiteral("report")).toObject();
        QCOMPARE(driven.value(QStringLiteral("mRPTMoneyString")).toString(), QStringLiteral("$830.00"));
        QCOMPARE(driven.value(QStringLiteral("mAvgMoneyString")).toString(), QStringLiteral("0.83$/km"));

        const QJsonArray months = report.value(QStringLiteral("months")).toArray();
        QCOMPARE(months.size(), 2);
        const QJsonObject june = months.at(1).toObject();
        QCOMPARE(june.value(QStringLiteral("monthInteger")).toDouble(), 201106.0);
        QCOMPARE(june.value(QStringLiteral("monthString")).toString(), QStringLiteral("Jun 2011"));
        QCOMPARE(june.value(QStringLiteral("totalMoney")).toDouble(), 250.0);
        // The newest month without its latest fill-up's volume, at full precision.
        QCOMPARE(june.value(QStringLiteral("totalVolumn")).toDouble(), 30.25);
        QCOMPARE(june.value(QStringLiteral("totalMiles")).toDouble(), 400.0);
        QCOMPARE(months.at(0).toObject().value(QStringLiteral("totalMiles")).toDouble(), 600.0);

        QCOMPARE(run({ QStringLiteral("report"), QStringLiteral("--car"), key }), 0);
        QVERIFY2(run.out.contains(QLatin1String("Jun 2011")), qPrintable(run.out));
        QVERIFY(run.out.contains(QLatin1String("400 km")));
        QVERIFY(run.out.contains(QLatin1String("$830.00")));
    }

    void reportErrors()
    {
        QCOMPARE(run({ QStringLiteral("report") }), 1);
        QVERIFY2(run.err.contains(QLatin1String("no car yet")), qPrintable(run.err));
        LogBuilder::addCar(QStringLiteral("Golf"));
        QCOMPARE(run({ QStringLiteral("report"), QStringLiteral("--car"), QStringLiteral("NOPE") }), 2);
        QVERIFY2(run.err.contains(QLatin1String("'NOPE'")), qPrintable(run.err));
        QCOMPARE(run({ QStringLiteral("report"), QStringLiteral("--car") }), 2);
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLogCommands)
#include "tst_logcommands.moc"
