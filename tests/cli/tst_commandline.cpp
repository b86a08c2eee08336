#include "cli/CommandLineTool.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"
#include "reports/OverviewFigures.h"
#include "reports/ReportFigures.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "support/LogBuilder.h"
#include "support/PdfText.h"
#include "support/TestDataDirectory.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTextStream>
#include <QtTest>

#include <memory>

// The headless commands, run in-process on a fresh log, and the real executable without a display.
class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    QString m_out;
    QString m_err;

    // Runs the command line and keeps what it printed.
    int run(const QStringList& arguments)
    {
        m_out.clear();
        m_err.clear();
        QTextStream out(&m_out);
        QTextStream err(&m_err);
        return CommandLineTool().run(arguments, out, err);
    }

    QJsonDocument json() const { return QJsonDocument::fromJson(m_out.toUtf8()); }

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(FontCatalog::install());
        QVERIFY(MainBundle::installTranslator());
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(LogBuilder::createStore());
    }
    void cleanup() { m_data.reset(); }

    void prefsSetGoesThroughTheSetters_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        const auto row = [](const char* name, const char* key, const char* value, const char* stored) {
            QTest::newRow(name) << QString::fromLatin1(key) << QString::fromLatin1(value)
                                << QStringLiteral("%1=%2").arg(QLatin1String(key), QLatin1String(stored));
        };
        row("precision", "_Precision_digits_", "3", "3");
        row("GPS off", "GPSFlag", "false", "false");
        // Every digit survives the file: the period filter compares against its six decimals.
        row("start date", "CarFilterStartDate", "1306500000.123456", "1306500000.123456");
        // A stored 0 would restart the period at the next read.
        row("start date 0 is 1 January 1970", "CarFilterStartDate", "0", "0.000001");
        // A value is never taken for an option.
        row("start date before 1970", "CarFilterStartDate", "-86400", "-86400");
    }

    void prefsSetGoesThroughTheSetters()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, line);
        QCOMPARE(run({ "prefs", "set", key, value }), 0);
        QCOMPARE(m_out, line + QLatin1Char('\n'));
        QCOMPARE(run({ "prefs" }), 0);
        QVERIFY2(m_out.contains(line + QLatin1Char('\n')), qPrintable(m_out));
    }

    // A bad command line is a usage error (2), a command that cannot work says why (1); neither
    // prints anything else, stores a preference, or makes a log: only init and the app make one.
    void badCommandLinesAreErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const auto row
            = [](const char* name, const QStringList& arguments, int exitCode, const char* message) {
                  QTest::newRow(name) << arguments << exitCode << QString::fromUtf8(message);
              };
        row("unknown key", { "prefs", "set", "Colour", "red" }, 2, "unknown preference 'Colour'");
        row("precision not a number", { "prefs", "set", "_Precision_digits_", "two" }, 2,
            "needs 1, 2 or 3, not 'two'");
        row("precision out of range", { "prefs", "set", "_Precision_digits_", "4" }, 2,
            "needs 1, 2 or 3, not '4'");
        row("a default car that is not stored", { "prefs", "set", "DefaultCar", "NOPE" }, 2,
            "DefaultCar needs the key of a stored car, not 'NOPE' (stored keys: no car yet)");
        row("date not finite", { "prefs", "set", "CarFilterStartDate", "inf" }, 2,
            "needs seconds since 1970");
        row("unknown command", { "fly" }, 2, "unknown command 'fly'");
        row("unknown car", { "report", "--car", "NOPE" }, 2, "no car has the key 'NOPE'");
        row("unknown option", { "report", "--bogus" }, 2,
            "unknown option 'bogus' (usage: pumpora report [--car KEY] [--json])");
        row("empty data directory", { "--data-dir=", "cars" }, 2, "--data-dir needs a non-empty DIR");
        row("missing argument", { "prefs", "set", "GPSFlag" }, 2, "VALUE is missing");
        row("extra argument", { "init", "now" }, 2, "unexpected argument 'now'");
        row("report without a car", { "report" }, 1, "no car yet");
        // A folder where the preferences file belongs: nothing can be written there.
        row("a preference that cannot be stored", { "prefs", "set", "GPSFlag", "false" }, 1,
            "GPSFlag could not be stored");
        const char* missing = "the data directory TYPO does not exist (pumpora init creates a new log there)";
        row("cars in a missing directory", { "--data-dir", "TYPO", "cars" }, 1, missing);
        row("report in a missing directory", { "--data-dir", "TYPO", "report" }, 1, missing);
        row("prefs in a missing directory", { "--data-dir", "TYPO", "prefs" }, 1, missing);
    }

    void badCommandLinesAreErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QString typo = m_data->filePath(QStringLiteral("typo"));
        arguments.replaceInStrings(QStringLiteral("TYPO"), typo);
        if (QTest::currentDataTag() == QLatin1String("a preference that cannot be stored"))
            QVERIFY(QDir().mkpath(Setting::preferencesPath()));
        QTEST(run(arguments), "exitCode");
        QVERIFY2(m_err.contains(message.replace(QLatin1String("TYPO"), typo)), qPrintable(m_err));
        QVERIFY(m_out.isEmpty());
        QVERIFY(!QFile::exists(typo));
        QVERIFY(
            !QFileInfo(Setting::preferencesPath()).isFile() || arguments.first() != QLatin1String("prefs"));
    }

    // The program's help and version are checked with the installation; a command has its own.
    void aCommandsHelp()
    {
        QCOMPARE(run({ "report", "--help" }), 0);
        QVERIFY2(m_out.startsWith(QLatin1String("Usage: pumpora report [--car KEY] [--json]\n")),
            qPrintable(m_out));
        QVERIFY(m_out.contains(QLatin1String("\n  --car KEY ")));
    }

    // The real executable in a plain environment: no display and no runtime folder named (root
    // in a container). The app says in one line that it cannot open a window; a command prints
    // its output and nothing on stderr.
    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("the app") << QStringList() << 1 << QString() << "no display";
        QTest::newRow("init") << QStringList { "init" } << 0 << "DATA" << QString();
        QTest::newRow("cars") << QStringList { "cars" } << 0 << "No cars yet." << QString();
    }

    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR" })
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("PUMPORA_DATA_DIR"), m_data->path());
        // The runtime folder the program falls back to goes into the test's own directory.
        environment.insert(QStringLiteral("TMPDIR"), m_data->path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PUMPORA_EXECUTABLE), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QString printed[] = { QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError()) };
        const QString expected[] = { out.replace(QLatin1String("DATA"), m_data->path()), err };
        for (int stream = 0; stream < 2; ++stream) {
            QVERIFY2(expected[stream].isEmpty() ? printed[stream].isEmpty()
                                                : printed[stream].count(QLatin1Char('\n')) == 1
                        && printed[stream].contains(expected[stream]),
                qPrintable(printed[stream]));
        }
    }

    // The stale default is repaired with the first car, as the app does; a name cannot clear
    // the terminal or fake a line; a damaged unit list is reported, not hidden.
    void carsListsEveryCarAndMarksTheCurrentOne()
    {
        const QString golf = LogBuilder::addCar(QStringLiteral("Golf"), 1, 3);
        const QString zoe = LogBuilder::addCar(QStringLiteral("Zoe\x1b[2J\nfake"), 4, 0);
        Setting::setDefaultCarID(QStringLiteral("STALE"));
        QCOMPARE(run({ "cars", "--json" }), 0);
        const QJsonArray cars = json().array();
        QCOMPARE(cars.size(), 2);
        QCOMPARE(cars.at(0).toObject(),
            (QJsonObject { { "carID", golf }, { "current", true }, { "dCarInitKM", 0 }, { "mCapacity", 1.6 },
                { "mCarName", "Golf" }, { "mModifyDate", 1300000000 }, { "mOilInfo", 3 },
                { "mRegisterDate", 1300000000 }, { "maxVolumn", 60 }, { "strRemark", QJsonValue() },
                { "unit", 1 } }));
        QCOMPARE(cars.at(1)["carID"].toString(), zoe);
        QCOMPARE(cars.at(1)["current"].toBool(), false);
        QCOMPARE(Setting::getDefaultCarID(), golf);

        QVERIFY(m_data->writeFile(QStringLiteral("Unit_Info.plist"), "not a property list"));
        QCOMPARE(run({ "cars" }), 0);
        QVERIFY2(m_out.contains(QLatin1String("* ") + golf), qPrintable(m_out));
        QVERIFY2(m_out.contains(QLatin1String("Zoe\\x1b[2J\\nfake")), qPrintable(m_out));
        QCOMPARE(m_out.count(QLatin1Char('\n')), 3);
        QVERIFY2(m_err.startsWith(QLatin1String("pumpora: warning: ")), qPrintable(m_err));
        QVERIFY(m_err.contains(QLatin1String("Unit_Info.plist")));
    }

    // The figures of the overview and the report tab, as their objects give them, and the
    // report screen's export without a screen; a report that cannot be written is an error.
    void reportAndExportGiveTheScreensFigures()
    {
        LogBuilder::addCar(QStringLiteral("Other"));
        const QString key = LogBuilder::addCar(QStringLiteral("Golf"), 1);
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 5, 3), 201105, 40, 300, 7.5, 1000, 0 });
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 5, 25), 201105, 35, 280, 8, 1400, 0 });
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 6, 8), 201106, 30.25, 250, 8.26, 1600, 0 });
        LogBuilder::addFillUp(key, { LogBuilder::at(2011, 6, 28), 201106, 20, 150, 7.5, 2000, 0 });

        QCOMPARE(run({ "report", "--car", key, "--json" }), 0);
        const QJsonDocument report = json();
        QCOMPARE(report["carID"].toString(), key);
        const CarInfo& car = *CarManage::sharedCarManage()->getAllCars().at(1);
        OverviewFigures overview(car);
        ReportFigures figures(car);
        QVERIFY(overview.read() && figures.read());
        QCOMPARE(report["overview"]["latestFillUp"].toString(), overview.latestFillUpText());
        QCOMPARE(
            report["overview"]["averageConsumption"].toString(), overview.totals().averageConsumptionText());
        QCOMPARE(report["report"]["mRPTMoneyString"].toString(), figures.totals().mRPTMoneyString);
        const QJsonArray months = report["months"].toArray();
        QCOMPARE(months.size(), figures.months().size());
        QCOMPARE(months[0]["totalMoney"].toDouble(), figures.months()[0].totalMoney);
        // The newest month without its latest fill-up's volume, at full precision.
        QCOMPARE(months[1]["totalVolumn"].toDouble(), 30.25);

        QCOMPARE(run({ "report", "--car", key }), 0);
        QVERIFY2(m_out.contains(QLatin1String("400 km")), qPrintable(m_out));

        // Another car to a file of its own, leaving every preference as it was.
        Setting::setDefaultCarID(key);
        const QString path = m_data->filePath(QStringLiteral("gas_report.pdf"));
        const QString zoe = LogBuilder::addCar(QStringLiteral("Zoe"), 4);
        const QString file = m_data->filePath(QStringLiteral("zoe.pdf"));
        Setting::setFloatValuePrecisionDigits(2);
        const QByteArray preferences = m_data->readFile(Setting::preferencesPath());
        QCOMPARE(run({ "export-pdf", "--car", zoe, "--out", file }), 0);
        QCOMPARE(m_out, file + QLatin1Char('\n'));
        QVERIFY(
            PdfText::hasWordAt(PdfText::read(file).value().first(), QStringLiteral("Zoe"), QPointF(410, 23)));
        QCOMPARE(m_data->readFile(Setting::preferencesPath()), preferences);
        QVERIFY(!QFile::exists(path));

        QCOMPARE(run({ "export-pdf" }), 0);
        QCOMPARE(m_out, path + QLatin1Char('\n'));
        const std::optional<QList<PdfText::Page>> pages = PdfText::read(path);
        QVERIFY(pages);
        QCOMPARE(pages->size(), 2);
        // The line chart of the chart row.
        QCOMPARE(PdfText::boxesOf(pages->at(0), QStringLiteral("Consumption")).size(), 1);

        QCOMPARE(run({ "export-pdf", "--out", m_data->filePath("no/such/dir/report.pdf") }), 1);
        QVERIFY2(
            m_err.contains(QLatin1String("cannot be written: No such file or directory")), qPrintable(m_err));
        QVERIFY(m_out.isEmpty());
    }

    // The statistics start is stored on its first read, from the current car (the first one
    // while no default is stored), whichever command reads it first and for whichever car.
    void everyCommandStoresTheCurrentCarsStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("export-pdf --car") << QStringList { "export-pdf", "--car", "SECOND" };
        QTest::newRow("report --car") << QStringList { "report", "--car", "SECOND" };
        QTest::newRow("cars") << QStringList { "cars" };
    }

    void everyCommandStoresTheCurrentCarsStart()
    {
        QFETCH(QStringList, arguments);
        const QString first = LogBuilder::addCar(QStringLiteral("Golf"));
        const QString second = LogBuilder::addCar(QStringLiteral("Zoe"));
        LogBuilder::addFillUp(first, { LogBuilder::at(2011, 3, 2), 201103, 40, 300, 7.5, 1000, 0 });
        LogBuilder::addFillUp(second, { LogBuilder::at(2011, 2, 1), 201102, 40, 300, 7.5, 1000, 0 });
        arguments.replaceInStrings(QStringLiteral("SECOND"), second);
        QCOMPARE(run(arguments), 0);
        QCOMPARE(run({ "prefs" }), 0);
        QVERIFY2(
            m_out.contains(QStringLiteral("CarFilterStartDate=%1\n").arg(qint64(LogBuilder::at(2011, 3, 2)))),
            qPrintable(m_out));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
