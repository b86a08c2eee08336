#include "CommandLineRun.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "store/Setting.h"
#include "support/LogBuilder.h"
#include "support/PdfText.h"
#include "support/TestDataDirectory.h"

#include <QDir>
#include <QtTest>

#include <memory>

// `export-pdf`: the report screen's export without a screen.
class TestExportCommand : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    CommandLineRun m_run;
    QString m_golf;

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(FontCatalog::install());
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        DeviceLocale::setTimeZoneId(QStringLiteral("UTC"));
        QVERIFY(LogBuilder::createStore());
        m_golf = LogBuilder::addCar(QStringLiteral("Golf"), 1);
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
        LogBuilder::addFillUp(m_golf, { LogBuilder::at(2011, 5, 3), 201105, 40, 300, 7.5, 1000, 0 });
        LogBuilder::addFillUp(m_golf, { LogBuilder::at(2011, 6, 8), 201106, 20, 160, 8, 1500, 0 });
        LogBuilder::addFillUp(m_golf, { LogBuilder::at(2011, 6, 28), 201106, 30, 240, 8, 2000, 0 });
    }
    void cleanup() { m_data.reset(); }

    void writesTheScreensReportAndPrintsItsPath()
    {
        QCOMPARE(m_run({ QStringLiteral("export-pdf") }), 0);
        const QString path = m_data->filePath(QStringLiteral("gas_report.pdf"));
        QCOMPARE(m_run.out, path + QLatin1Char('\n'));
        const std::optional<QList<PdfText::Page>> pages = PdfText::read(path);
        QVERIFY(pages);
        QCOMPARE(pages->size(), 2);
        // The line chart of the chart row, titled with the untranslated key.
        QCOMPARE(PdfText::boxesOf(pages->at(0), QStringLiteral("平均油耗")).size(), 1);
        // June without its latest fill-up's 30 litres, as the report screen shows it.
        const PdfText::Page& months = pages->at(1);
        QVERIFY2(PdfText::hasWordAt(months, QStringLiteral("Jun"), QPointF(30, 70 + 57 + 20)),
            qPrintable(PdfText::describe(months, QStringLiteral("Jun"))));
        QVERIFY2(PdfText::hasWordAt(months, QStringLiteral("20.00"), QPointF(300, 70 + 57 + 20)),
            qPrintable(PdfText::describe(months, QStringLiteral("20.00"))));
    }

    void anotherCarIsReportedWithoutBecomingTheDefault()
    {
        const QString zoe = LogBuilder::addCar(QStringLiteral("Zoe"), 4);
        Setting::setDefaultCarID(m_golf);
        const QString file = QDir(m_data->path()).filePath(QStringLiteral("out/zoe.pdf"));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QCOMPARE(m_run({ QStringLiteral("export-pdf"), QStringLiteral("--car"), zoe, QStringLiteral("--out"),
                     file }),
            0);
        QCOMPARE(m_run.out, file + QLatin1Char('\n'));
        const std::optional<QList<PdfText::Page>> pages = PdfText::read(file);
        QVERIFY(pages);
        // No fill-ups: the header and footer page only.
        QCOMPARE(pages->size(), 1);
        QVERIFY(PdfText::hasWordAt(pages->first(), QStringLiteral("Zoe"), QPointF(410, 23)));
        QCOMPARE(Setting::getDefaultCarID(), m_golf);
        QVERIFY(!QFile::exists(m_data->filePath(QStringLiteral("gas_report.pdf"))));
    }

    void errors()
    {
        QCOMPARE(m_run({ QStringLiteral("export-pdf"), QStringLiteral("--car"), QStringLiteral("NOPE") }), 2);
        QVERIFY2(m_run.err.contains(QLatin1String("'NOPE'")), qPrintable(m_run.err));
        QCOMPARE(m_run({ QStringLiteral("export-pdf"), QStringLiteral("--out") }), 2);
        QCOMPARE(m_run({ QStringLiteral("export-pdf"), QStringLiteral("--out"),
                     m_data->filePath(QStringLiteral("no/such/dir/report.pdf")) }),
            1);
        QVERIFY2(m_run.err.contains(QLatin1String("not written")), qPrintable(m_run.err));
        QVERIFY(m_run.out.isEmpty());
    }
};

QTEST_MAIN(TestExportCommand)
#include "tst_exportcommand.moc"
