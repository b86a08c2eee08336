#include "platform/Clock.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"
#include "screens/report/ExportPDF.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "store/Utility.h"
#include "support/LogBuilder.h"
#include "support/PdfText.h"
#include "support/TestDataDirectory.h"

#include <QSaveFile>
#include <QThread>
#include <QtTest>

#include <memory>
#include <tuple>

using Page = PdfText::Page;

// The PDF report as a reader opens it: its pages, and where their texts stand.
class TestExportPDF : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    QString m_car;

    // Fill-ups of 2011, one a day from the 1st: fill-up j of month k holds 100 k + j litres,
    // so each row can be told by its volume.
    void addFillUps(int month, int count)
    {
        for (int j = 0; j < count; ++j) {
            const double volumn = 100 * month + j;
            LogBuilder::addFillUp(m_car,
                { LogBuilder::at(2011, month, 1 + j), 201100 + month, volumn, volumn * 1.5, 1.5,
                    1000.0 * month + 10 * j, 0 });
        }
    }

    static QList<Page> read(const QString& path, QString* title = nullptr, QString* creator = nullptr)
    {
        return PdfText::read(path, title, creator).value_or(QList<Page>());
    }

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
        Clock::setFixedNow(Date(LogBuilder::at(2012, 3, 4)));
        QVERIFY(LogBuilder::createStore());
        m_car = LogBuilder::addCar(QStringLiteral("Golf"), 1);
        Setting::setStartDate(Date(LogBuilder::at(2010, 12, 1)));
        CarManage::sharedCarManage()->loadDefaultCar();
    }

    void cleanup() { m_data.reset(); }

    // Without months the report is a single page saying for which car and when, and it always
    // replaces the report before it, which must never be sent in its place.
    void noMonthsWriteOneHeaderAndFooterPage()
    {
        const QString path = m_data->filePath(QStringLiteral("gas_report.pdf"));
        QVERIFY(m_data->writeFile(path, "%PDF-1.4 an older report"));

        ExportPDF writer;
        QCOMPARE(writer.generatePDF({}), path);
        QString title;
        QString creator;
        const QList<Page> pages = read(path, &title, &creator);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(QStringList({ title, creator }), QStringList({ "Export by Pumpora", "Pumpora" }));
        const Page& page = pages.first();
        QVERIFY(PdfText::hasWordAt(page, QStringLiteral("FROM:"), { 20, 23 }));
        QVERIFY(PdfText::hasWordAt(page, QStringLiteral("PRINT"), { 20, 745 }));
        QVERIFY(PdfText::boxesOf(page, QStringLiteral("www.pumpora.example")).size() == 1);
        QVERIFY(PdfText::boxesOf(page, QStringLiteral("Month")).isEmpty());

        // Saved elsewhere, a copy never goes over a file of the log.
        const QByteArray log = m_data->readFile(Utility::getDBPath());
        QString error;
        QVERIFY(!ExportPDF::saveCopy(path, Utility::getDBPath(), &error));
        QVERIFY2(error.contains(QLatin1String("is a file of the fuel log")), qPrintable(error));
        QCOMPARE(m_data->readFile(Utility::getDBPath()), log);
    }

    // The end in its two halves, the second on another thread as the report tab runs it: a
    // file whose place was taken meanwhile (here by a folder) is not put there, and says so.
    void aReportThatCannotBePutInPlaceIsAnError()
    {
        ExportPDF writer;
        QVERIFY(writer.beginPDF({}));
        while (writer.writeStep()) { }
        std::unique_ptr<QSaveFile> file = writer.closePDF();
        QVERIFY(file);
        QVERIFY(QDir().mkdir(ExportPDF::defaultPath()));
        QString error;
        bool committed = true;
        std::unique_ptr<QThread> commit(
            QThread::create([&] { committed = ExportPDF::commitPDF(*file, &error); }));
        commit->start();
        QVERIFY(commit->wait());
        QVERIFY(!committed);
        QVERIFY2(error.contains(QLatin1String("could not be written in full")), qPrintable(error));
        QVERIFY(QFileInfo(ExportPDF::defaultPath()).isDir());
    }

    // Before the chart row was ever shown the summary has no line chart. Figures a foreign tool
    // wrote beyond the range of an int still show whole, not wrapped.
    void summaryPage()
    {
        LogBuilder::exec(QStringLiteral("update car_information set car_capacity = 3e9"));
        m_data->restart();
        CarManage::sharedCarManage()->loadDefaultCar();
        addFillUps(1, 2);
        addFillUps(2, 2);
        ExportPDF writer;
        const QList<Page> pages = read(writer.generatePDF(
            CarManage::sharedCarManage()->mCurrentCarInfo()->getMonthReportData().value()));
        QCOMPARE(pages.size(), 2);
        const Page& summary = pages.at(0);
        // The bars scale to 1.1 times the costliest month, 301 (January; February's latest
        // fill-up is not counted yet): labels up to 4 x (331 div 4).
        QCOMPARE(PdfText::boxesOf(summary, QStringLiteral("$328")).size(), 1);
        QVERIFY(PdfText::boxesOf(summary, QStringLiteral("Consumption")).isEmpty());
        QCOMPARE(PdfText::boxesOf(summary, QStringLiteral("3000000000CC")).size(), 1);
    }

    // A month without fill-ups takes 57 points, each fill-up 20 more. A month still begun above
    // y 723 draws its heading and first row there and goes on below the column heading of the
    // next page, without its heading; a month that ends at or below 723 sends the next one to a
    // new page.
    void monthGroupsAndPageBreaks()
    {
        addFillUps(2, 27);
        addFillUps(3, 3);
        addFillUps(4, 27);
        addFillUps(5, 1);
        QList<OilReportItem> months;
        for (int month = 201101; month <= 201105; ++month)
            months << OilReportItem { 100, 50, 600, double(month), 0, 0 };
        ExportPDF writer;
        const QList<Page> pages = read(writer.generatePDF(months));
        QCOMPARE(pages.size(), 4);
        // Page, word and where it stands. March begins at 722: its heading and first row are
        // still on the second page, its next row below the third's column heading. April ends
        // at 735: May starts the fourth page.
        const QList<std::tuple<int, QString, QPointF>> words { { 1, "Jan", { 30, 70 } },
            { 1, "Feb", { 30, 70 + 57 } }, { 1, "200.00", { 300, 125 + 27 } },
            { 1, "226.00", { 300, 125 + 27 + 26 * 20 } }, { 1, "Mar", { 30, 724 } },
            { 1, "300.00", { 300, 749 } }, { 2, "Month", { 30, 54 } }, { 2, "301.00", { 300, 68 } },
            { 2, "Apr", { 30, 140 } }, { 3, "May", { 30, 70 } }, { 3, "500.00", { 300, 95 } } };
        for (const auto& [page, text, at] : words)
            QVERIFY2(PdfText::hasWordAt(pages.at(page), text, at), qPrintable(text));
        QVERIFY2(
            !PdfText::hasWordAt(pages.at(2), QStringLiteral("Mar"), QPointF(30, 70)), "heading repeated");
    }
};

QTEST_MAIN(TestExportPDF)
#include "tst_exportpdf.moc"
