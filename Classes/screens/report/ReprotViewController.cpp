#include "screens/report/ReprotViewController.h"

#include "platform/MainBundle.h"
#include "screens/report/ExportPDF.h"
#include "screens/report/MoneyChartRow.h"
#include "screens/report/PDFReviewController.h"
#include "screens/report/ReportCell.h"
#include "screens/report/ReportExport.h"
#include "screens/report/ReportTableView.h"
#include "store/CarManage.h"
#include "widgets/ActionSheet.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationItem.h"
#include "widgets/Palette.h"
#include "widgets/TabBarController.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The action sheet's buttons, in the order it shows them.
enum SheetButton
{
    ExportButton = 0,
    PreviewButton = 1
};

QLabel* makeLabel(QWidget* parent, const QFont& font, Palette::Colour colour)
{
    auto* label = new QLabel(parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Palette::colour(colour));
    label->setPalette(palette);
    return label;
}

} // namespace

ReprotViewController::ReprotViewController(std::unique_ptr<MailComposer> composer, QWidget* parent)
    : BaseModalViewController(parent)
    , m_composer(std::move(composer))
{
    setTitle(MainBundle::localizedString("油耗报表"));
}

ReprotViewController::~ReprotViewController() = default;

// The three totals above the list: money, volume and distance, each under its caption, in a
// band as wide as the list's column.
void ReprotViewController::viewDidLoad()
{
    auto* band = new QWidget(this);
    band->setAutoFillBackground(true);
    QPalette bandPalette = band->palette();
    bandPalette.setColor(QPalette::Window, Palette::colour(Palette::Colour::Surface));
    band->setPalette(bandPalette);
    auto* centring = new QHBoxLayout(band);
    centring->setContentsMargins(0, 10, 0, 10);
    auto* totals = new QWidget(band);
    totals->setMaximumWidth(ReportTableView::kMaximumColumnWidth);
    centring->addStretch(0);
    centring->addWidget(totals, 1);
    centring->addStretch(0);
    auto* grid = new QGridLayout(totals);
    grid->setContentsMargins(8, 0, 8, 0);
    grid->setVerticalSpacing(2);
    const QFont captionFont = Palette::font(Palette::Font::PopupMessage);
    QFont valueFont = Palette::font(Palette::Font::PopupTitle);
    m_totalMoney = makeLabel(totals, valueFont, Palette::Colour::Text);
    m_totalVolumn = makeLabel(totals, valueFont, Palette::Colour::Text);
    m_totalMiles = makeLabel(totals, valueFont, Palette::Colour::Text);
    const char* const captions[] = { "车辆累计油费", "车辆累计加油", "车辆累计行驶" };
    QLabel* const values[] = { m_totalMoney, m_totalVolumn, m_totalMiles };
    for (int column = 0; column < 3; ++column) {
        QLabel* caption = makeLabel(totals, captionFont, Palette::Colour::SecondaryText);
        caption->setText(MainBundle::localizedString(captions[column]));
        caption->setWordWrap(true);
        grid->addWidget(caption, 0, column);
        grid->addWidget(values[column], 1, column);
        grid->setColumnStretch(column, 1);
    }

    m_noDataLable
        = makeLabel(this, Palette::font(Palette::Font::PopupMessage), Palette::Colour::SecondaryText);
    m_noDataLable->setText(
        MainBundle::localizedString("还没有加油记录。记下第一次加油后，这里按月列出费用、油量和里程。"));
    m_noDataLable->setWordWrap(true);
    m_noDataLable->setContentsMargins(24, 24, 24, 24);
    m_noDataLable->hide();

    m_reportTable = new ReportTableView(this);
    m_chartRow = new MoneyChartRow;
    m_chartRow->hide();
    m_reportTable->rows()->insertWidget(0, m_chartRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addWidget(m_noDataLable);
    layout->addWidget(m_reportTable, 1);

    // The platform's share symbol; its name is what a screen reader says.
    m_shareButton = new QAction(this);
    m_shareButton->setIcon(QPixmap::fromImage(MainBundle::imageNamed(QStringLiteral("share.png"))));
    m_shareButton->setText(MainBundle::localizedString("导出报表"));
    connect(m_shareButton, &QAction::triggered, this, &ReprotViewController::doExport);
}

void ReprotViewController::viewWillAppear()
{
    BaseModalViewController::viewWillAppear();
    showActive();
    m_noDataLable->hide();
    // Inside the tabs the bar shows the tab bar controller's item; alone, the screen's own.
    TabBarController* tabs = tabBarController();
    NavigationItem* item = tabs ? tabs->navigationItem() : navigationItem();
    item->setRightBarButtonItem(m_shareButton);
    item->setTitle(MainBundle::localizedString("油耗报表"));
    item->setLeftBarButtonItem(nullptr);
    // Queued, so that the busy indicator is drawn before the figures are read.
    QTimer::singleShot(0, this, &ReprotViewController::loadData);
}

void ReprotViewController::viewDidAppear()
{
    BaseModalViewController::viewDidAppear();
    if (!isAncestorOf(QApplication::focusWidget()))
        m_reportTable->setFocus(Qt::OtherFocusReason);
}

void ReprotViewController::loadData()
{
    m_car = CarManage::sharedCarManage()->mCurrentCarInfo();
    m_reportData.reset();
    if (m_car) {
        auto figures = std::make_unique<ReportFigures>(*m_car);
        if (figures->read())
            m_reportData = std::move(figures);
        else
            AlertView::showOKWithTitle(MainBundle::localizedString("报表无法读取"), figures->errorString());
    }
    showFigures();
    hideActive();
}

// A log that could not be read shows neither figures nor the no-data notice: it is not empty.
void ReprotViewController::showFigures()
{
    const QList<OilReportItem> months = m_reportData ? m_reportData->months() : QList<OilReportItem>();
    m_noDataLable->setVisible(m_reportData && months.isEmpty());
    const CarAllReport totals = m_reportData ? m_reportData->totals() : CarAllReport();
    m_totalMoney->setText(totals.mRPTMoneyString);
    m_totalVolumn->setText(totals.mRPTVolumnString);
    m_totalMiles->setText(totals.mRPTMilesString);

    // Rows made for an earlier appearance are filled again; the rest are made now.
    while (m_cells.size() < months.size()) {
        auto* cell = new ReportCell;
        m_reportTable->rows()->insertWidget(int(m_cells.size()), cell);
        m_cells.append(cell);
    }
    QList<int> columnWidths;
    for (qsizetype i = 0; i < m_cells.size(); ++i) {
        ReportCell* cell = m_cells.at(i);
        if (i < months.size()) {
            cell->setItem(months.at(i), m_reportData->monthTexts(months.at(i)));
            const QList<int> widths = cell->textWidths();
            columnWidths.resize(widths.size());
            for (qsizetype column = 0; column < widths.size(); ++column)
                columnWidths[column] = std::max(columnWidths.at(column), widths.at(column));
        }
        cell->setVisible(i < months.size());
    }
    // The columns line up from row to row, as in a table.
    for (ReportCell* cell : std::as_const(m_cells))
        cell->setLeastColumnWidths(columnWidths);
    if (!months.isEmpty())
        m_chartRow->setDataArray(*m_car, months);
    m_chartRow->setVisible(!months.isEmpty());
}

QList<ReportCell*> ReprotViewController::reportCells() const
{
    QList<ReportCell*> shown;
    for (ReportCell* cell : m_cells) {
        if (!cell->isHidden())
            shown.append(cell);
    }
    return shown;
}

MoneyChartRow* ReprotViewController::chartRow() const
{
    return m_chartRow && !m_chartRow->isHidden() ? m_chartRow : nullptr;
}

void ReprotViewController::doExport()
{
    if (!m_shareButton->isEnabled())
        return;
    auto* sheet = new ActionSheet(MainBundle::localizedString("选择导出油耗报表的格式，并通过电子邮件发送"),
        MainBundle::localizedString("取消"), QString(),
        { MainBundle::localizedString("导出PDF格式"), MainBundle::localizedString("预览PDF") });
    connect(sheet, &ActionSheet::clickedButtonAtIndex, this, &ReprotViewController::actionSheet);
    sheet->present();
}

void ReprotViewController::actionSheet(int clickedButtonAtIndex)
{
    switch (clickedButtonAtIndex) {
    case ExportButton:
        showActive();
        QTimer::singleShot(0, this, &ReprotViewController::process);
        break;
    case PreviewButton:
        showActive();
        QTimer::singleShot(0, this, &ReprotViewController::processPDFReview);
        break;
    default:
        break;
    }
}

// The export runs in short steps from the event loop; the share button waits for it.
void ReprotViewController::writeReport(std::function<void(const QString& path)> written)
{
    if (!m_car || m_export) {
        hideActive();
        return;
    }
    auto* report = new ReportExport(*m_car, this);
    m_export = report;
    m_shareButton->setEnabled(false);
    const auto done = [this, report] {
        report->deleteLater();
        m_shareButton->setEnabled(true);
    };
    connect(report, &ReportExport::finished, this, [done, written](const QString& path) {
        done();
        written(path);
    });
    connect(report, &ReportExport::failed, this, [this, done](const QString& error) {
        done();
        hideActive();
        AlertView::showError(error);
    });
    report->start();
}

void ReprotViewController::process()
{
    writeReport([this](const QString& path) { displayFDFComposerSheet(path); });
}

void ReprotViewController::processPDFReview()
{
    writeReport([this](const QString& path) {
        auto* preview = new PDFReviewController;
        preview->setPdfPath(path);
        preview->setDissDelegate(this);
        presentModalViewController(preview, true);
        hideActive();
    });
}

void ReprotViewController::willDissModalViewController(ViewController*)
{
    dismissModalViewControllerAnimated(true);
}

// Without a mail program the report is not stuck: the user can save it where they like and
// send it another way.
void ReprotViewController::displayFDFComposerSheet(const QString& path)
{
    m_composer->canSendMail(this, [this, path](bool canSend) {
        hideActive();
        if (!canSend) {
            AlertView* alert = AlertView::showOKWithTitle(
                MainBundle::localizedString("Error"), MainBundle::localizedString("不能发送Email"));
            connect(alert, &AlertView::clickedButtonAtIndex, this, [this, path] { offerToSave(path); });
            return;
        }
        MailComposer::Message message;
        message.subject = QStringLiteral("Gas Report from Fuelmo");
        message.attachments
            = { { path, QStringLiteral("application/pdf"), QStringLiteral("gas_report.pdf") } };
        m_composer->compose(message, this, [this](MailComposer::Result result, const QString& error) {
            mailComposeController(result, error);
        });
    });
}

void ReprotViewController::mailComposeController(
    MailComposer::Result didFinishWithResult, const QString& error)
{
    QString message;
    switch (didFinishWithResult) {
    case MailComposer::Result::Sent:
        message = MainBundle::localizedString("Your report has been sent!");
        break;
    case MailComposer::Result::Failed:
        message = MainBundle::localizedString("Failed to send report, please check email configuration.");
        if (!error.isEmpty())
            message += QLatin1Char('\n') + error;
        break;
    case MailComposer::Result::Cancelled:
    case MailComposer::Result::Saved:
        return;
    }
    AlertView::showAlertWithTitle(
        MainBundle::localizedString("Send Result"), message, MainBundle::localizedString("OK"));
}

void ReprotViewController::offerToSave(const QString& report)
{
    auto* dialog = new QFileDialog(this, MainBundle::localizedString("存储PDF报表"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(QStringLiteral("PDF (*.pdf)"));
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog->setDirectory(QFileInfo(documents).isDir() ? documents : QDir::homePath());
    dialog->selectFile(QFileInfo(report).fileName());
    connect(dialog, &QFileDialog::fileSelected, this,
        [this, report](const QString& path) { saveCopy(report, path); });
    dialog->open();
}

void ReprotViewController::saveCopy(const QString& report, const QString& path)
{
    QString error;
    if (!ExportPDF::saveCopy(report, path, &error)) {
        AlertView::showError(error);
        return;
    }
    AlertView::showOKWithTitle(MainBundle::localizedString("存储PDF报表"),
        MainBundle::localizedString("报表已存到 %1").arg(QDir::toNativeSeparators(path)));
}

void ReprotViewController::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        doExport();
        return;
    }
    BaseModalViewController::keyPressEvent(event);
}
