#include "CommandLineRun.h"
#include "cli/CommandLineTool.h"
#include "platform/Clock.h"
#include "store/Setting.h"
#include "store/Utility.h"
#include "support/TestDataDirectory.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <memory>

class TestCommandLine : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    CommandLineRun run;

private Q_SLOTS:
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void initCreatesTheStoreAndPrintsItsDirectory()
    {
        const QString directory = m_data->filePath(QStringLiteral("log"));
        QCOMPARE(run({ QStringLiteral("--data-dir"), directory, QStringLiteral("init") }), 0);
        QCOMPARE(run.out, directory + QLatin1Char('\n'));
        QVERIFY(QFile::exists(directory + QStringLiteral("/oil_db.sqlite")));
    }

    void initReportsAStoreItCannotUse()
    {
        QFile file(Utility::getDBPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a database");
        file.close();
        QCOMPARE(run({ QStringLiteral("init") }), 1);
        QVERIFY2(run.err.contains(QLatin1String("left untouched")), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void prefsPrintsTheFourPreferencesWithTheirDefaults()
    {
        Clock::setFixedNow(Date(1306500000.5));
        QCOMPARE(run({ QStringLiteral("prefs") }), 0);
        QCOMPARE(run.out,
            QStringLiteral("DefaultCar=\n"
                           "CarFilterStartDate=1306500000.5\n"
                           "_Precision_digits_=2\n"
                           "GPSFlag=true\n"));
        // The defaults are stored, as the app's first reads store them.
        Clock::setFixedNow(Date(1400000000));
        QCOMPARE(run({ QStringLiteral("prefs") }), 0);
        QVERIFY(run.out.contains(QLatin1String("CarFilterStartDate=1306500000.5\n")));
    }

    void prefsSetGoesThroughTheSetters_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("precision") << QStringLiteral("_Precision_digits_") << QStringLiteral("3")
                                   << QStringLiteral("_Precision_digits_=3");
        QTest::newRow("precision out of range") << QStringLiteral("_Precision_digits_") << QStringLiteral("5")
                                                << QStringLiteral("_Precision_digits_=2");
        QTest::newRow("GPS off") << QStringLiteral("GPSFlag") << QStringLiteral("false")
                                 << QStringLiteral("GPSFlag=false");
        QTest::newRow("start date") << QStringLiteral("CarFilterStartDate")
                                    << QStringLiteral("1306500000.123456")
                                    << QStringLiteral("CarFilterStartDate=1306500000.123456");
    }

    void prefsSetGoesThroughTheSetters()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, line);
        QCOMPARE(run({ QStringLiteral("prefs"), QStringLiteral("set"), key, value }), 0);
        QCOMPARE(run.out, line + QLatin1Char('\n'));
        QCOMPARE(run({ QStringLiteral("prefs") }), 0);
        QVERIFY2(run.out.contains(line + QLatin1Char('\n')), qPrintable(run.out));
    }

    void prefsSetReportsAPreferenceItCannotStore()
    {
        // A folder where the preferences file belongs: nothing can be written there.
        QVERIFY(QDir().mkpath(Setting::preferencesPath()));
        QCOMPARE(run({ QStringLiteral("prefs"), QStringLiteral("set"), QStringLiteral("GPSFlag"),
                     QStringLiteral("false") }),
            1);
        QVERIFY2(run.err.contains(QLatin1String("GPSFlag could not be stored")), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void badCommandLinesAreUsageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown key") << QStringList { "prefs", "set", "Colour", "red" }
                                     << "unknown preference 'Colour'";
        QTest::newRow("precision not a number")
            << QStringList { "prefs", "set", "_Precision_digits_", "two" } << "needs a whole number";
        QTest::newRow("date not finite")
            << QStringList { "prefs", "set", "CarFilterStartDate", "inf" } << "needs seconds since 1970";
        QTest::newRow("set without value") << QStringList { "prefs", "set", "GPSFlag" } << "usage";
        QTest::newRow("unknown command") << QStringList { "fly" } << "unknown command 'fly'";
        QTest::newRow("data dir without directory")
            << QStringList { "--data-dir" } << "--data-dir needs a directory";
    }

    void badCommandLinesAreUsageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QCOMPARE(run(arguments), 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(Setting::preferencesPath()) || arguments.first() != QLatin1String("prefs"));
    }

    void helpAndVersion()
    {
        QCOMPARE(run({ QStringLiteral("--help") }), 0);
        QVERIFY(run.out.contains(QLatin1String("prefs [set KEY VALUE]")));
        QCOMPARE(run({ QStringLiteral("--version") }), 0);
        QVERIFY(run.out.startsWith(QLatin1String("pumpora ")));
    }

    void onlyAnEmptyCommandLineStartsTheApp()
    {
        QVERIFY(CommandLineTool::startsApp({}));
        QVERIFY(CommandLineTool::startsApp({ QStringLiteral("--data-dir"), QStringLiteral("/tmp/x") }));
        QVERIFY(!CommandLineTool::startsApp({ QStringLiteral("prefs") }));
        QVERIFY(!CommandLineTool::startsApp({ QStringLiteral("--version") }));
    }

    // The real executable, with no display to be found, with and without a command.
    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("toStandardError");
        QTest::addColumn<QString>("text");
        QTest::newRow("the app says so in one line") << QStringList() << 1 << true << "no display";
        QTest::newRow("a command runs") << QStringList { "init" } << 0 << false << QString();
    }

    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(bool, toStandardError);
        QFETCH(QString, text);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("PUMPORA_DATA_DIR"), m_data->path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PUMPORA_EXECUTABLE), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QString output = QString::fromLocal8Bit(
            toStandardError ? process.readAllStandardError() : process.readAllStandardOutput());
        QCOMPARE(output.count(QLatin1Char('\n')), 1);
        QVERIFY2(output.contains(text.isNull() ? m_data->path() : text), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
