#include "store/Setting.h"
#include "store/StoreStatement.h"
#include "store/Utility.h"
#include "support/LogBuilder.h"
#include "support/PdfText.h"
#include "support/TestDataDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <limits>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

const QString kBusy = QStringLiteral("the fuel log is busy: another program is writing to it; try again");

struct Run
{
    int exitCode = -1;
    bool crashed = false;
    QString out;
    QString err;
};

} // namespace

// The real executable, in a data directory that another program writes to, that is damaged, or
// where a report cannot be written in full: the log keeps every row, and every failure is an
// error with its reason, never figures of zero or an empty log.
class TestReliability : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    QString m_golf;

    QProcess* start(const QStringList& arguments, QObject* parent, const QString& shellPrefix = QString())
    {
        auto* process = new QProcess(parent);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        process->setProcessEnvironment(environment);
        const QStringList command = QStringList { QStringLiteral("--data-dir"), m_data->path() } + arguments;
        if (shellPrefix.isEmpty()) {
            process->start(QStringLiteral(PUMPORA_EXECUTABLE), command);
        } else {
            process->start(QStringLiteral("bash"),
                QStringList { QStringLiteral("-c"), shellPrefix + QStringLiteral(" && exec \"$0\" \"$@\""),
                    QStringLiteral(PUMPORA_EXECUTABLE) }
                    + command);
        }
        return process;
    }

    static Run finish(QProcess* process)
    {
        if (!process->waitForFinished(30000))
            process->kill();
        process->waitForFinished();
        return { process->exitCode(), process->exitStatus() == QProcess::CrashExit,
            QString::fromUtf8(process->readAllStandardOutput()),
            QString::fromUtf8(process->readAllStandardError()) };
    }

    Run pumpora(const QStringList& arguments, const QString& shellPrefix = QString())
    {
        QObject owner;
        return finish(start(arguments, &owner, shellPrefix));
    }

    // Another program holding the log, started once it holds the lock.
    std::unique_ptr<QProcess> startWriter(const char* mode)
    {
        auto writer = std::make_unique<QProcess>();
        writer->start(QStringLiteral(COMMIT_LOOP_EXECUTABLE), { Utility::getDBPath(), QLatin1String(mode) });
        if (!writer->waitForReadyRead(10000))
            qFatal("commit_loop did not start: %s", writer->readAllStandardError().constData());
        return writer;
    }

    static int count(const QString& sql) { return LogBuilder::value(sql).toInt(); }

    QString reportPath() const { return m_data->filePath(QStringLiteral("gas_report.pdf")); }

private Q_SLOTS:
    // Golf, the default car, with two fill-ups in the period, and nothing else.
    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(LogBuilder::createStore());
        m_golf = LogBuilder::addCar(QStringLiteral("Golf"), 1);
        LogBuilder::addFillUp(m_golf, { LogBuilder::at(2011, 5, 3), 201105, 40, 300, 7.5, 1000, 0 });
        LogBuilder::addFillUp(m_golf, { LogBuilder::at(2011, 6, 8), 201106, 35, 280, 8, 1500, 0 });
        Setting::setDefaultCarID(m_golf);
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
    }
    void cleanup() { m_data.reset(); }

    // Each command run while another program commits either shows what it shows on a quiet log
    // or says that the log is busy; the log keeps every row of both programs.
    void aWriterInTheLogNeverCostsItsRows()
    {
        LogBuilder::exec(
            QStringLiteral("insert into car_information (car_id, car_name) values ('WRITER', 'W')"));
        const QList<QStringList> commands { { "cars" }, { "report", "--json" }, { "prefs" }, { "init" } };
        QList<Run> quiet;
        for (const QStringList& command : commands)
            quiet << pumpora(command);
        QCOMPARE(
            QJsonDocument::fromJson(quiet.at(1).out.toUtf8())["report"]["mRPtotalMoney"].toDouble(), 300.0);

        std::unique_ptr<QProcess> writer = startWriter("loop");
        int succeeded = 0;
        for (int round = 0; round < 8; ++round) {
            for (qsizetype i = 0; i < commands.size(); ++i) {
                const Run run = pumpora(commands.at(i));
                if (run.exitCode == 0) {
                    QCOMPARE(run.out, quiet.at(i).out);
                    ++succeeded;
                } else {
                    QCOMPARE(run.exitCode, 1);
                    QVERIFY2(run.err.contains(kBusy), qPrintable(run.err));
                }
            }
        }
        writer.reset(); // killed, and waited for
        QVERIFY(succeeded > 0);
        QCOMPARE(
            count(QStringLiteral("select count(*) from oil_history where car_id = '%1'").arg(m_golf)), 2);
        QCOMPARE(count(QStringLiteral("select count(*) from car_information")), 2);
        QVERIFY(count(QStringLiteral("select count(*) from oil_history where car_id = 'WRITER'")) > 0);
    }

    void aLockHeldTooLongSaysBusy_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("the start-up check") << QStringList { "init" };
        QTest::newRow("a report") << QStringList { "report" };
    }

    void aLockHeldTooLongSaysBusy()
    {
        QFETCH(QStringList, command);
        std::unique_ptr<QProcess> writer = startWriter("hold");
        const Run run = pumpora(command);
        writer.reset(); // killed, and waited for
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, QStringLiteral("pumpora: ") + kBusy + QLatin1Char('\n'));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(
            count(QStringLiteral("select count(*) from oil_history where car_id = '%1'").arg(m_golf)), 2);
    }

    void aDamagedLogIsAnErrorNeverZeros_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("message");
        QTest::newRow("a corrupt page of the fill-ups")
            << "corrupt" << QStringList { "report", "--json" } << "database disk image is malformed";
        QTest::newRow("a dropped column")
            << "drop column" << QStringList { "cars" }
            << "(table oil_history lacks the columns oil_volumn); it was left untouched";
        QTest::newRow("not a database")
            << "text" << QStringList { "init" } << "cannot be opened as a database (file is not a database)";
        QTest::newRow("another program's tables")
            << "foreign" << QStringList { "init" } << "(no table car_information; no table oil_history)";
    }

    void aDamagedLogIsAnErrorNeverZeros()
    {
        QFETCH(QString, damage);
        QFETCH(QStringList, command);
        QFETCH(QString, message);
        if (damage == QLatin1String("corrupt")) {
            LogBuilder::corruptTable(QStringLiteral("oil_history"));
        } else if (damage == QLatin1String("drop column")) {
            LogBuilder::exec(QStringLiteral("drop index oil_history_by_car_date"));
            LogBuilder::exec(QStringLiteral("drop index oil_history_by_car_month_date"));
            LogBuilder::exec(QStringLiteral("alter table oil_history drop column oil_volumn"));
        } else {
            QVERIFY(m_data->writeFile(QStringLiteral("oil_db.sqlite"),
                damage == QLatin1String("text") ? QByteArray("Someone's notes, not a log.\n").repeated(200)
                                                : QByteArray()));
            if (damage == QLatin1String("foreign"))
                LogBuilder::exec(QStringLiteral("create table notes (t text)"));
        }
        const QByteArray before = m_data->readFile(QStringLiteral("oil_db.sqlite"));
        const Run run = pumpora(command);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(
            run.err.startsWith(QLatin1String("pumpora: ")) && run.err.contains(message), qPrintable(run.err));
        QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
        QCOMPARE(m_data->readFile(QStringLiteral("oil_db.sqlite")), before);
    }

    void exportRefusesTheLogsOwnFiles_data()
    {
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("message");
        const QString ownFile
            = QStringLiteral("is a file of the fuel log; the report is not written over it");
        QTest::newRow("the database") << "oil_db.sqlite" << ownFile;
        QTest::newRow("the grade list") << "OilSpec_Info.plist" << ownFile;
        QTest::newRow("the preferences") << "preferences.ini" << ownFile;
        QTest::newRow("a link to the database") << "link.pdf" << ownFile;
        const QString notRegular = QStringLiteral("is not a regular file");
        QTest::newRow("a pipe") << "pipe.pdf" << notRegular;
        QTest::newRow("a folder") << "folder" << notRegular;
    }

    void exportRefusesTheLogsOwnFiles()
    {
        QFETCH(QString, out);
        QFETCH(QString, message);
        QCOMPARE(pumpora({ "cars" }).exitCode, 0); // the lists are in place
        QVERIFY(QFile::link(Utility::getDBPath(), m_data->filePath(QStringLiteral("link.pdf"))));
        QCOMPARE(mkfifo(qPrintable(m_data->filePath(QStringLiteral("pipe.pdf"))), 0600), 0);
        QVERIFY(QDir(m_data->path()).mkdir(QStringLiteral("folder")));
        const QStringList files { "oil_db.sqlite", "OilSpec_Info.plist", "Unit_Info.plist",
            "preferences.ini" };
        QList<QByteArray> before;
        for (const QString& file : files)
            before << m_data->readFile(file);

        const Run run = pumpora({ "export-pdf", "--out", m_data->filePath(out) });
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        for (qsizetype i = 0; i < files.size(); ++i)
            QCOMPARE(m_data->readFile(files.at(i)), before.at(i));
        QVERIFY(QFileInfo(m_data->filePath(QStringLiteral("link.pdf"))).isSymLink());
        QVERIFY(QFileInfo(m_data->filePath(QStringLiteral("folder"))).isDir());
        struct stat pipe;
        QVERIFY(stat(qPrintable(m_data->filePath(QStringLiteral("pipe.pdf"))), &pipe) == 0
            && S_ISFIFO(pipe.st_mode));
    }

    void anInterruptedExportKeepsThePreviousReport_data()
    {
        QTest::addColumn<QString>("shellPrefix");
        QTest::newRow("killed partway") << QString();
        QTest::newRow("the disk full (a file-size limit of 64 KiB)") << QStringLiteral("ulimit -f 64");
    }

    void anInterruptedExportKeepsThePreviousReport()
    {
        QFETCH(QString, shellPrefix);
        QCOMPARE(pumpora({ "export-pdf" }).exitCode, 0);
        const QByteArray previous = m_data->readFile(reportPath());
        // 20000 fill-ups, one every 13 hours from 2000 on: a large log, quickly.
        LogBuilder::exec(QStringLiteral(
            "insert into oil_history (car_id, oil_money, oil_price, oil_volumn, oil_spec, oil_date, "
            "car_mileage, oil_month, longitude, latitude) with recursive n(i) as (select 0 union "
            "all select i + 1 from n where i < 19999) select '%1', 300, 7.5, 40, 0, 946728000 + i * "
            "46800, 1000 + i * 10, cast(strftime('%Y%m', 946728000 + i * 46800, 'unixepoch') as "
            "integer), 0, 0 from n")
                             .arg(m_golf));

        QObject owner;
        QProcess* export_ = start({ "export-pdf" }, &owner, shellPrefix);
        if (shellPrefix.isEmpty()) {
            // Well into the writing of some 200 pages, which takes seconds.
            QVERIFY(export_->waitForStarted());
            QTest::qWait(800);
            export_->kill();
        }
        const Run run = finish(export_);
        if (shellPrefix.isEmpty()) {
            QVERIFY2(run.crashed, "the export ended before it was killed");
        } else {
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(QLatin1String("could not be written in full")), qPrintable(run.err));
            QVERIFY(run.out.isEmpty());
        }
        QCOMPARE(m_data->readFile(reportPath()), previous);
        QVERIFY(PdfText::readerErrors(reportPath()).isEmpty());
    }

    void extremeValuesGiveFiniteFiguresAndReadablePdfs_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QList<double>>("fillUps"); // volume, money, price, reading of each
        QTest::addColumn<bool>("damaged");
        const double huge = 1e308;
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("volume 0, distance per volume")
            << 5 << QList<double> { 0, 0, 0, 1000, 0, 0, 0, 1500 } << false;
        QTest::newRow("negative") << 1 << QList<double> { -40, -300, -7.5, 2000, -35, -280, -8, 1000 }
                                  << false;
        QTest::newRow("1e308") << 1 << QList<double> { huge, huge, huge, -huge, huge, huge, huge, huge }
                               << true;
        QTest::newRow("1e300, a consumption far beyond the chart")
            << 1 << QList<double> { 1e300, 1e300, 1e300, 1000, 1, 1, 1, 1001 } << false;
        QTest::newRow("inf") << 5 << QList<double> { inf, inf, inf, inf, 40, 300, 7.5, 1000 } << true;
    }

    void extremeValuesGiveFiniteFiguresAndReadablePdfs()
    {
        QFETCH(int, unit);
        QFETCH(QList<double>, fillUps);
        QFETCH(bool, damaged);
        LogBuilder::exec(QStringLiteral("delete from oil_history"));
        // SQLite reads 1e999 as infinity.
        const QString size
            = std::isinf(fillUps.at(0)) ? QStringLiteral("1e999") : QString::number(fillUps.at(0));
        LogBuilder::exec(
            QStringLiteral("update car_information set unit = %1, car_capacity = %2, maxvolumn = %2")
                .arg(unit)
                .arg(size));
        for (int i = 0; i < 2; ++i)
            LogBuilder::addFillUp(m_golf,
                { LogBuilder::at(2011, 5 + i, 3), 201105 + i, fillUps.at(4 * i), fillUps.at(4 * i + 1),
                    fillUps.at(4 * i + 2), fillUps.at(4 * i + 3), 0 });

        const Run report = pumpora({ "report", "--json" });
        QCOMPARE(report.exitCode, 0);
        // No figure is left out of the JSON (null) or shown as a broken number.
        const QRegularExpression broken(QStringLiteral("null|inf|nan"));
        QVERIFY2(!report.out.contains(broken), qPrintable(report.out));
        const QString warning
            = QStringLiteral("pumpora: warning: the fuel log holds numbers that are not finite");
        QCOMPARE(report.err.count(warning), damaged ? 1 : 0);

        QCOMPARE(pumpora({ "export-pdf" }).exitCode, 0);
        const QStringList errors = PdfText::readerErrors(reportPath());
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
        const std::optional<QList<PdfText::Page>> pages = PdfText::read(reportPath());
        QVERIFY(pages);
        for (const PdfText::Page& page : *pages) {
            for (const PdfText::Word& word : page)
                QVERIFY2(!word.text.contains(broken), qPrintable(word.text));
        }
    }

    // Commands that store a preference's default on their first read, racing commands that
    // set preferences on a file that has none yet: every confirmed value stays.
    void racingDefaultsLoseNoConfirmedWrite()
    {
        const QString zoe = LogBuilder::addCar(QStringLiteral("Zoe"), 4);
        const QList<QStringList> sets { { "prefs", "set", "_Precision_digits_", "3" },
            { "prefs", "set", "GPSFlag", "false" }, { "prefs", "set", "CarFilterStartDate", "1300000000" },
            { "prefs", "set", "DefaultCar", zoe }, { "prefs", "set", "GPSFlag", "false" } };
        for (int round = 0; round < 4; ++round) {
            QVERIFY(QFile::remove(Setting::preferencesPath()) || round == 0);
            QObject owner;
            std::vector<QProcess*> readers;
            std::vector<QProcess*> setters;
            for (int i = 0; i < 20; ++i) {
                readers.push_back(i % 5 == 4 ? start({ "export-pdf", "--car", m_golf, "--out",
                                                         m_data->filePath(QStringLiteral("r.pdf")) },
                                      &owner)
                                             : start({ "prefs" }, &owner));
                if (i % 4 == 0)
                    setters.push_back(start(sets.at(i / 4), &owner));
            }
            for (QProcess* reader : readers) {
                const Run run = finish(reader);
                QVERIFY2(run.exitCode == 0, qPrintable(reader->arguments().join(' ') + '\n' + run.err));
            }
            QStringList confirmed;
            for (QProcess* setter : setters) {
                const Run run = finish(setter);
                QVERIFY2(run.exitCode == 0, qPrintable(run.err));
                confirmed << run.out.trimmed();
            }
            const Run stored = pumpora({ "prefs" });
            for (const QString& line : confirmed)
                QVERIFY2(stored.out.contains(line + QLatin1Char('\n')),
                    qPrintable(line + " lost in\n" + stored.out));
        }
    }
};

QTEST_GUILESS_MAIN(TestReliability)
#include "tst_reliability.moc"
