#include "charts/RPChartView.h"
#include "platform/Clock.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "platform/MailComposer.h"
#include "platform/MainBundle.h"
#include "reports/ReportFigures.h"
#include "screens/report/ExportPDF.h"
#include "screens/report/MoneyChartRow.h"
#include "screens/report/PDFDocumentView.h"
#include "screens/report/PDFReviewController.h"
#include "screens/report/ReportCell.h"
#include "screens/report/ReportTableView.h"
#include "screens/report/ReprotViewController.h"
#include "screens/shell/PlaceholderViewController.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "support/AccessibilityWalk.h"
#include "support/LogBuilder.h"
#include "support/PdfText.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/ActionSheet.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationBar.h"
#include "widgets/NavigationController.h"
#include "widgets/TabBarController.h"

#include <QFileDialog>
#include <QLabel>
#include <QPdfDocument>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

using Result = MailComposer::Result;

// Answers as the test says and keeps what it was handed; no mail program is involved.
class FakeComposer : public MailComposer
{
public:
    bool canSend = true;
    Result result = Result::Sent;
    QString error;
    QList<Message> composed;

    void canSendMail(QObject* receiver, CanSendAnswer answer) override
    {
        QTimer::singleShot(0, receiver, [answer, can = canSend] { answer(can); });
    }
    void compose(const Message& message, QObject* receiver, Finished finished) override
    {
        composed << message;
        QTimer::singleShot(0, receiver, [finished, r = result, e = error] { finished(r, e); });
    }
};

} // namespace

// The report tab driven as a user does, in a window with a second tab to switch cars from.
class TestReprotViewController : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;
    TabBarController* m_tabs = nullptr;
    ReprotViewController* m_screen = nullptr;
    FakeComposer* m_composer = nullptr;
    QString m_golf;
    QString m_polo;

    // A fill-up a day from the given day, n of them, 40 litres and 600 km apart.
    void addFillUps(const QString& car, int month, int count, double volumn = 40)
    {
        for (int j = 0; j < count; ++j)
            LogBuilder::addFillUp(car,
                { LogBuilder::at(2011, month, 1 + j), 201100 + month, volumn, volumn * 1.5, 1.5,
                    600.0 * (month * 10 + j) });
    }

    void showReportTab()
    {
        m_tabs->setSelectedIndex(1);
        QTRY_VERIFY(!m_screen->isShowingActive());
    }

    NavigationBar* bar() const { return m_host->navigationController()->navigationBar(); }

    // The share button, then that choice of the action sheet; waits until the export is done.
    void exportWith(const char* choice)
    {
        QVERIFY(ScreenDriver::tap(bar()->rightButton()));
        QVERIFY(
            ScreenDriver::pressButton(ScreenDriver::shownActionSheet(), MainBundle::localizedString(choice)));
        QTRY_VERIFY_WITH_TIMEOUT(!m_screen->isShowingActive(), 20000);
    }

    static QList<PdfText::Page> writtenReport()
    {
        return PdfText::read(ExportPDF::defaultPath()).value_or(QList<PdfText::Page>());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(MainBundle::installTranslator());
        Clock::setFixedNow(Date(LogBuilder::at(2012, 3, 4)));
        QVERIFY(LogBuilder::createStore());
        m_golf = LogBuilder::addCar(QStringLiteral("Golf"));
        m_polo = LogBuilder::addCar(QStringLiteral("Polo"), 0);
        Setting::setStartDate(Date(LogBuilder::at(2010, 12, 1)));
        CarManage::sharedCarManage()->loadDefaultCar();

        auto composer = std::make_unique<FakeComposer>();
        m_composer = composer.get();
        m_screen = new ReprotViewController(std::move(composer));
        auto* overview = new PlaceholderViewController(QStringLiteral("Overview"));
        overview->setTabBarItem(overview->title(), QImage());
        m_screen->setTabBarItem(QStringLiteral("Report"), QImage());
        m_tabs = new TabBarController;
        m_tabs->setViewControllers({ overview, m_screen });
        m_host = std::make_unique<ScreenHost>(m_tabs);
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

    // Month rows, the chart row and the totals are the figures object's; the newest month
    // leaves out its latest fill-up, whose fuel is not driven yet, and never goes below 0 (here
    // a fill-up another tool stored with -5 litres). Without fill-ups: no rows, the notice. From
    // a phone-sized window to full HD a year of long figures fits without a sideways scroll bar,
    // and the charts stay whole, centred on the column.
    void theTabShowsTheCarsFigures_data()
    {
        QTest::addColumn<bool>("withFillUps");
        QTest::addColumn<QSize>("size");
        QTest::newRow("a year, 360 x 640") << true << QSize(360, 640);
        QTest::newRow("a year, full HD") << true << QSize(1920, 1080);
        QTest::newRow("no fill-ups") << false << QSize(360, 640);
    }

    void theTabShowsTheCarsFigures()
    {
        QFETCH(bool, withFillUps);
        QFETCH(QSize, size);
        if (withFillUps) {
            for (int month = 1; month <= 11; ++month)
                addFillUps(m_golf, month, 2, 1234.56);
            addFillUps(m_golf, 12, 1, -5);
            addFillUps(m_golf, 12, 1, 1234.56);
        }
        m_host->window()->resize(size);
        showReportTab();
        QApplication::processEvents();
        ReportFigures figures(*CarManage::sharedCarManage()->mCurrentCarInfo());
        QVERIFY(figures.read());
        QCOMPARE(m_screen->totalMoney()->text(), figures.totals().mRPTMoneyString);
        QCOMPARE(m_screen->totalMiles()->text(), figures.totals().mRPTMilesString);
        QCOMPARE(m_screen->noDataLable()->isVisible(), !withFillUps);
        const QList<ReportCell*> cells = m_screen->reportCells();
        QCOMPARE(cells.size(), withFillUps ? 12 : 0);
        QCOMPARE(m_screen->chartRow() != nullptr, withFillUps);
        AccessibilityWalk::verify(m_host->window());
        if (!withFillUps)
            return;
        QCOMPARE(cells.first()->miles(), figures.monthTexts(figures.months().first()).miles);
        QCOMPARE(cells.last()->volumn(), QStringLiteral("0.00 L"));
        QCOMPARE(m_screen->chartRow()->mRPChartView()->myLogicValue->size(), 12);
        ReportTableView* table = m_screen->reportTable();
        QVERIFY(!table->horizontalScrollBar()->isVisible());
        for (QLabel* label : cells.first()->findChildren<QLabel*>())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        // The columns line up from row to row.
        for (ReportCell* cell : cells) {
            for (qsizetype i = 0; i < cell->children().size(); ++i) {
                if (auto* label = qobject_cast<QLabel*>(cell->children().at(i)))
                    QCOMPARE(label->geometry(),
                        qobject_cast<QLabel*>(cells.first()->children().at(i))->geometry());
            }
        }
        const QWidget* block = m_screen->chartRow()->mRPChartView()->parentWidget();
        const QRect onTable(block->mapTo(table->widget(), QPoint()), block->size());
        QVERIFY(table->widget()->rect().contains(onTable));
        QVERIFY(qAbs(onTable.center().x() - table->widget()->rect().center().x()) <= 1);
    }

    // The export covers the car on screen, with a chart made from that car's figures when it
    // is written: car A's report seen first leaves nothing of A in B's report, also when B has
    // no fill-ups and so no chart row at all.
    void theReportIsOfTheCarOnScreen_data()
    {
        QTest::addColumn<int>("poloMonths");
        QTest::newRow("B with two months") << 2;
        QTest::newRow("B without fill-ups") << 0;
    }

    void theReportIsOfTheCarOnScreen()
    {
        QFETCH(int, poloMonths);
        addFillUps(m_golf, 1, 3);
        addFillUps(m_golf, 2, 3);
        for (int month = 6; month < 6 + poloMonths; ++month)
            addFillUps(m_polo, month, 2);
        showReportTab();
        QVERIFY(m_screen->chartRow());
        m_tabs->setSelectedIndex(0);
        CarManage* cars = CarManage::sharedCarManage();
        cars->setDefaultCar(cars->getAllCars().at(1));
        showReportTab();
        QCOMPARE(m_screen->reportCells().size(), poloMonths);

        m_composer->result = Result::Cancelled;
        exportWith("导出PDF格式");
        const QList<PdfText::Page> pages = writtenReport();
        QCOMPARE(pages.size(), poloMonths ? 2 : 1);
        const auto count = [&pages](const char* word) {
            return PdfText::boxesOf(pages.first(), QLatin1String(word)).size();
        };
        QCOMPARE(count("Polo"), 1);
        QCOMPARE(count("Golf") + count("L/100km"), 0);
        // The line chart, titled with B's unit (A's is L/100km), only when B has months.
        QCOMPARE(count("Consumption") + count("km/L"), poloMonths ? 2 : 0);
        QVERIFY(!ScreenDriver::shownAlert());
    }

    // Every answer of the mail program: the report is handed over as the e-mail's attachment;
    // cancelling or keeping a draft says nothing, a hand-off that worked or failed says so, and
    // an alert speaks one language.
    void theMailProgramsAnswer_data()
    {
        QTest::addColumn<Result>("result");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << Result::Cancelled << "en_US" << QString();
        QTest::newRow("saved as a draft") << Result::Saved << "en_US" << QString();
        QTest::newRow("sent") << Result::Sent << "en_US"
                              << "Send Result|Your report has been handed to your mail program.";
        QTest::newRow("failed")
            << Result::Failed << "en_US"
            << "Send Result|Failed to send report, please check email configuration.\nno account";
        QTest::newRow("failed, in Chinese") << Result::Failed << "zh_CN"
                                            << "发送结果|报表发送失败，请检查邮件设置。\nno account";
    }

    void theMailProgramsAnswer()
    {
        QFETCH(Result, result);
        QFETCH(QString, locale);
        QFETCH(QString, message);
        DeviceLocale::setLocaleName(locale);
        QVERIFY(MainBundle::installTranslator());
        addFillUps(m_golf, 1, 2);
        showReportTab();
        m_composer->result = result;
        m_composer->error = result == Result::Failed ? QStringLiteral("no account") : QString();
        exportWith("导出PDF格式");
        QCOMPARE(m_composer->composed.size(), 1);
        const MailComposer::Message& mail = m_composer->composed.first();
        QCOMPARE(mail.subject, QStringLiteral("Gas Report from Fuelmo"));
        QCOMPARE(mail.attachments.size(), 1);
        const MailComposer::Attachment& pdf = mail.attachments.first();
        QCOMPARE(QStringList({ pdf.filePath, pdf.mimeType, pdf.fileName }),
            QStringList({ ExportPDF::defaultPath(), "application/pdf", "gas_report.pdf" }));
        QCOMPARE(writtenReport().size(), 2);
        // Nothing to say must stay unsaid, also a moment later.
        if (message.isEmpty())
            QTest::qWait(50);
        QTRY_COMPARE(ScreenDriver::alertText(), message);
    }

    // Without a mail program the report is not stuck: after the alert, in the one language of
    // the screen, it is saved where the user chooses, whole and readable.
    void withoutAMailProgramTheReportIsSavedWhereChosen()
    {
        DeviceLocale::setLocaleName(QStringLiteral("zh_CN"));
        QVERIFY(MainBundle::installTranslator());
        addFillUps(m_golf, 1, 2);
        showReportTab();
        m_composer->canSend = false;
        exportWith("导出PDF格式");
        QCOMPARE(ScreenDriver::alertText(), QStringLiteral("错误|不能发送Email"));
        QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("确定")));
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY(dialog = m_screen->findChild<QFileDialog*>());
        const QString chosen = m_data->filePath(QStringLiteral("for the garage.pdf"));
        dialog->selectFile(chosen);
        static_cast<QDialog*>(dialog)->accept();
        QTRY_COMPARE(ScreenDriver::alertText(), QStringLiteral("存储PDF报表|报表已存到 %1").arg(chosen));
        QCOMPARE(PdfText::readerErrors(chosen), QStringList());
        QCOMPARE(PdfText::read(chosen)->size(), 2);
        QVERIFY(m_composer->composed.isEmpty());
    }

    // The preview shows the written file, every page of it, zooms and goes back with Escape. The
    // export runs in short steps from the event loop: the window gets turns while the report is
    // written (reading the figures, opening the file, drawing, each on turns of their own).
    void thePreviewShowsEveryPage()
    {
        addFillUps(m_golf, 1, 30);
        addFillUps(m_golf, 2, 30);
        showReportTab();
        int turns = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&turns] { ++turns; });
        ticker.start(0);
        exportWith("预览PDF");
        ticker.stop();
        QVERIFY2(turns >= 3, qPrintable(QString::number(turns)));
        QPointer<PDFReviewController> preview
            = qobject_cast<PDFReviewController*>(m_host->window()->visibleViewController());
        QVERIFY(preview);
        QCOMPARE(preview->pdfPath(), ExportPDF::defaultPath());
        PDFDocumentView* view = preview->mWebView();
        QCOMPARE(view->document()->pageCount(), writtenReport().size());
        QCOMPARE(view->document()->pageCount(), 3);
        // Scrolled through: three pages one below the other, each taller than the view is wide.
        QVERIFY(view->verticalScrollBar()->maximum() + view->viewport()->height()
            > 3 * view->viewport()->width());
        AccessibilityWalk::verify(m_host->window());
        const qreal fitted = view->shownZoomFactor();
        QVERIFY(AccessibilityWalk::act(m_host->window(), QStringLiteral("Zoom In")));
        QVERIFY(view->shownZoomFactor() > fitted);
        QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(view->shownZoomFactor(), fitted);
        QTest::keyClick(view, Qt::Key_Escape);
        QTRY_VERIFY(preview.isNull());
        QCOMPARE(m_host->window()->visibleViewController(), m_host->navigationController());
    }

    // Keyboard: Tab reaches the share button and Space presses it; Enter on the list opens the
    // choices too; Escape closes them and writes nothing.
    void theKeyboardReachesTheShareButton()
    {
        addFillUps(m_golf, 1, 2);
        showReportTab();
        QToolButton* share = bar()->rightButton();
        for (int i = 0; i < 6 && ScreenDriver::focused() != share; ++i)
            ScreenDriver::press(Qt::Key_Tab);
        QCOMPARE(ScreenDriver::focused(), share);
        ScreenDriver::press(Qt::Key_Space);
        QVERIFY(ScreenDriver::shownActionSheet());
        AccessibilityWalk::verify(m_host->window());
        ScreenDriver::press(Qt::Key_Escape);
        QTRY_VERIFY(!ScreenDriver::shownActionSheet());
        QTest::keyClick(m_screen->reportTable(), Qt::Key_Return);
        ActionSheet* sheet = ScreenDriver::shownActionSheet();
        QVERIFY(sheet);
        QCOMPARE(sheet->buttonTitles(), QStringList({ "Export as PDF", "Preview PDF", "Cancel" }));
        ScreenDriver::press(Qt::Key_Escape);
        QTest::qWait(50);
        QVERIFY(!m_screen->isShowingActive());
        QVERIFY(!QFile::exists(ExportPDF::defaultPath()));
    }
};

QTEST_MAIN(TestReprotViewController)
#include "tst_reprotviewcontroller.moc"
