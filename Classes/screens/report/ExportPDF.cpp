#include "screens/report/ExportPDF.h"

#include "charts/BarChart.h"
#include "charts/RPChartView.h"
#include "charts/TableChart.h"
#include "platform/Clock.h"
#include "platform/DocumentsDirectory.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"
#include "reports/DateEx.h"
#include "reports/NumberConversion.h"
#include "reports/ReportFigures.h"
#include "reports/StringFormat.h"
#include "store/CarManage.h"
#include "store/Oil.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

constexpr qreal kPageWidth = 612.0;
constexpr qreal kPageHeight = 792.0;
// A month group or fill-up row that ends at or below this leaves the rest of the page to the footer.
constexpr int kPageBreakY = 723;

const QColor kBlack(0, 0, 0);
const QColor kGrey = QColor::fromRgbF(0.5f, 0.5f, 0.5f);
const QColor kLightGrey = QColor::fromRgbF(2.0f / 3.0f, 2.0f / 3.0f, 2.0f / 3.0f);
const QColor kWhite(255, 255, 255);
const QColor kBrown = QColor::fromRgbF(0.6f, 0.4f, 0.2f);
const QColor kTeal = QColor::fromRgbF(0.2f, 0.76f, 0.78f);
const QColor kBackground(244, 237, 237);

// One line of text at the top of its rectangle, cut short with an ellipsis when too long. The
// font is measured on the page itself, where a point is a unit.
void drawText(QPainter& context, const QString& text, const QRectF& rect, const QFont& font,
    const QColor& color, Qt::Alignment alignment = Qt::AlignLeft)
{
    const QString shown
        = QFontMetricsF(font, context.device()).elidedText(text, Qt::ElideRight, rect.width());
    context.save();
    context.setFont(font);
    context.setPen(color);
    context.drawText(rect, int(alignment) | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, shown);
    context.restore();
}

// The double line that closes a block: grey over white.
void drawRule(QPainter& context, qreal y, qreal fromX, qreal toX)
{
    context.save();
    context.setPen(QPen(kGrey, 1.0, Qt::SolidLine, Qt::FlatCap));
    context.drawLine(QLineF(fromX, y, toX, y));
    context.setPen(QPen(kWhite, 1.0, Qt::SolidLine, Qt::FlatCap));
    context.drawLine(QLineF(fromX, y + 1, toX, y + 1));
    context.restore();
}

// A missing icon is left out.
void drawImage(QPainter& context, const QImage& image, const QRectF& rect)
{
    if (!image.isNull())
        context.drawImage(rect, image);
}

QString dateText(const std::optional<Date>& date)
{
    return date ? DateEx::mediumDateString(*date) : QString();
}

QFont systemFont(qreal size)
{
    return FontCatalog::systemFontOfSize(size);
}

} // namespace

// Everything one report needs from its start to its end, opened by beginPDF(). The file is
// written beside the target and put in its place only once complete: an export that fails, runs
// out of disk or is cut short leaves the previous report as it was. The file outlives the rest,
// to be put in place by commitPDF().
struct ExportPDF::Writing
{
    Writing(const CarInfo& car, const QList<OilReportItem>& reportMonths, const QString& target)
        : figures(car)
        , months(reportMonths)
        , file(std::make_unique<QSaveFile>(target))
        , writer(file.get())
    { }

    ReportFigures figures;
    const QList<OilReportItem> months;
    std::unique_ptr<QSaveFile> file;
    QPdfWriter writer;
    QPainter context;
    // The first read of the log that failed.
    QString readError;
    // What every page repeats: the period's first and last fill-up dates and today's date; and
    // the icon of every fill-up row, loaded once so that the document holds it once.
    QString firstOilDate;
    QString lastOilDate;
    QString printDate;
    QImage fuelImage;

    // Where the drawing stands: pages begun; the next month, the y below the groups drawn (on
    // page one, below its header), whether the next group starts a page, the pieces of page one
    // drawn (four make it); within
    // a month whose fill-ups are being drawn, its rows, the next one and its y.
    int pagesBegun = 0;
    qsizetype month = 0;
    int y = 0;
    bool newPage = true;
    int summaryPieces = 0;
    std::optional<QList<Oil>> rows;
    qsizetype row = 0;
    int rowY = 0;
    bool drawn = false;
};

ExportPDF::ExportPDF(const CarInfo* car)
    : m_givenCar(car)
    , m_pdfPath(defaultPath())
{ }

// A report left unfinished never takes the place of the one before.
ExportPDF::~ExportPDF()
{
    if (m_writing) {
        m_writing->context.end();
        m_writing->file->cancelWriting();
    }
}

void ExportPDF::setMRPCell(RPChartView* chartView)
{
    m_mRPCell = chartView;
}

RPChartView* ExportPDF::mRPCell() const
{
    return m_mRPCell;
}

QString ExportPDF::defaultPath()
{
    return DocumentsDirectory::filePath(StringFormat::format(QStringLiteral("%@.pdf"), { "gas_report" }));
}

void ExportPDF::fail(const QString& error)
{
    m_errorString = error;
}

bool ExportPDF::checkTarget(const QString& path, QString* target, QString* error)
{
    const QFileInfo file(path);
    QString refusal;
    if (Utility::isLogFile(path))
        refusal = MainBundle::localizedString("%1 是油耗记录的文件，报表不会写在它上面");
    else if (file.isSymLink() ? !file.exists() : file.exists() && !file.isFile())
        refusal = MainBundle::localizedString("%1 不是普通文件，报表不会写在它上面");
    if (!refusal.isEmpty()) {
        if (error)
            *error = refusal.arg(path);
        return false;
    }
    if (target)
        *target = file.exists() ? file.canonicalFilePath() : file.absoluteFilePath();
    return true;
}

bool ExportPDF::saveCopy(const QString& report, const QString& path, QString* error)
{
    QString target;
    if (!checkTarget(path, &target, error))
        return false;
    QFile source(report);
    if (!source.open(QIODevice::ReadOnly)) {
        *error = MainBundle::localizedString("报表 %1 无法读取：%2").arg(report, source.errorString());
        return false;
    }
    // Read whole before the copy is opened: the copy may replace the report itself.
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        *error = MainBundle::localizedString("报表 %1 无法读取：%2").arg(report, source.errorString());
        return false;
    }
    QSaveFile copy(target);
    if (!copy.open(QIODevice::WriteOnly)) {
        *error = MainBundle::localizedString("报表 %1 无法写入：%2").arg(target, copy.errorString());
        return false;
    }
    if (copy.write(bytes) != bytes.size() || !copy.commit()) {
        *error = MainBundle::localizedString("报表 %1 无法写完：%2").arg(target, copy.errorString());
        return false;
    }
    return true;
}

QString ExportPDF::generatePDF(const QList<OilReportItem>& months)
{
    if (beginPDF(months)) {
        while (writeStep()) { }
    }
    return endPDF();
}

bool ExportPDF::beginPDF(const QList<OilReportItem>& months)
{
    m_writing.reset();
    m_errorString.clear();
    m_car = m_givenCar ? m_givenCar : CarManage::sharedCarManage()->mCurrentCarInfo();
    QString target;
    if (!m_car) {
        fail(MainBundle::localizedString("没有可以写报表的车辆"));
        return false;
    }
    if (!checkTarget(m_pdfPath, &target, &m_errorString))
        return false;

    auto writing = std::make_unique<Writing>(*m_car, months, target);
    // The summary and what every page repeats, read before anything is written.
    if (!writing->figures.read()) {
        fail(writing->figures.errorString());
        return false;
    }
    QString readError;
    const std::optional<Date> firstOilDate = m_car->getFirstOilDate(&readError);
    const std::optional<Date> lastOilDate
        = readError.isEmpty() ? m_car->getLastOilDate(&readError) : std::nullopt;
    if (!readError.isEmpty()) {
        fail(readError);
        return false;
    }
    writing->firstOilDate = dateText(firstOilDate);
    writing->lastOilDate = dateText(lastOilDate);
    writing->printDate = DateEx::mediumDateString(Clock::now());
    writing->fuelImage = MainBundle::imageNamed(QStringLiteral("fuel.png"));

    if (!writing->file->open(QIODevice::WriteOnly)) {
        fail(MainBundle::localizedString("报表 %1 无法写入：%2").arg(target, writing->file->errorString()));
        return false;
    }
    QPdfWriter& writer = writing->writer;
    // Points as drawing units, the origin at the page's top left corner.
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(kPageWidth, kPageHeight), QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    writer.setTitle(QStringLiteral("Export by Pumpora"));
    writer.setCreator(QStringLiteral("Pumpora"));
    if (!writing->context.begin(&writer)) {
        fail(MainBundle::localizedString("报表 %1 无法写入：%2").arg(target, writing->file->errorString()));
        writing->file->cancelWriting();
        return false;
    }
    writing->context.setRenderHint(QPainter::Antialiasing);
    m_writing = std::move(writing);
    return true;
}

// A failed read of the log or a full disk ends the drawing: every later write would fail too.
bool ExportPDF::isWriting() const
{
    return m_writing && !m_writing->drawn && m_writing->readError.isEmpty()
        && m_writing->file->error() == QFileDevice::NoError;
}

QString ExportPDF::endPDF()
{
    const std::unique_ptr<QSaveFile> file = closePDF();
    if (!file)
        return QString();
    QString error;
    if (!commitPDF(*file, &error)) {
        fail(error);
        return QString();
    }
    return m_pdfPath;
}

std::unique_ptr<QSaveFile> ExportPDF::closePDF()
{
    const std::unique_ptr<Writing> writing = std::move(m_writing);
    m_car = nullptr;
    if (!writing)
        return nullptr;
    QSaveFile& file = *writing->file;
    const bool complete = writing->drawn;
    const bool ended = writing->context.end();
    if (!writing->readError.isEmpty()) {
        fail(writing->readError);
        file.cancelWriting();
        return nullptr;
    }
    // The writer tells only whether it could finish; the file tells whether every byte landed
    // (commitPDF()).
    if (!complete || !ended) {
        fail(MainBundle::localizedString("报表 %1 无法写完：%2").arg(file.fileName(), file.errorString()));
        file.cancelWriting();
        return nullptr;
    }
    return std::move(writing->file);
}

bool ExportPDF::commitPDF(QSaveFile& file, QString* error)
{
    if (!file.flush() || file.error() != QFileDevice::NoError || file.size() == 0) {
        *error = MainBundle::localizedString("报表 %1 无法写完：%2").arg(file.fileName(), file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = MainBundle::localizedString("报表 %1 无法写完：%2").arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

// One small piece at a time, so that no step takes long.
bool ExportPDF::writeStep()
{
    if (!isWriting())
        return false;
    Writing& w = *m_writing;
    QPainter& context = w.context;
    if (w.rows) {
        if (w.row < w.rows->size()) {
            drawOil(context, w.rows->at(w.row++), w.rowY);
            w.rowY += 20;
            // A month that runs long goes on below the column heading of a new page.
            if (w.rowY >= kPageBreakY) {
                drawFoot(context);
                beginPage(context);
                const int top = drawPage(context);
                w.rowY = top + drawColumn(context, top);
            }
            return isWriting();
        }
        // The month is complete; the next one starts 30 below its last row, on a new page when
        // that is at or below the break.
        w.y = w.rowY + 30;
        w.rows.reset();
        w.newPage = false;
        if (w.y >= kPageBreakY) {
            drawFoot(context);
            w.newPage = true;
        }
        ++w.month;
    } else if (w.month >= w.months.size()) {
        // A report without months is still a report: one page saying for which car and when.
        if (w.months.isEmpty()) {
            beginPage(context);
            drawPage(context);
            w.newPage = false;
        }
        if (!w.newPage)
            drawFoot(context);
        w.drawn = true;
    } else if (w.newPage && w.summaryPieces < 4) {
        drawSummaryStep();
    } else {
        if (w.newPage) {
            beginPage(context);
            const int top = drawPage(context);
            w.y = top + drawColumn(context, top);
            w.newPage = false;
        }
        drawGroup(context, w.months.at(w.month), w.y);
    }
    return isWriting();
}

// Page one holds the summary alone; the months start on the next page.
void ExportPDF::drawSummaryStep()
{
    Writing& w = *m_writing;
    QPainter& context = w.context;
    switch (w.summaryPieces++) {
    case 0:
        beginPage(context);
        w.y = drawPage(context);
        break;
    case 1:
        drawChart(context, w.months, w.y);
        break;
    case 2:
        drawLineChart(context, w.y);
        break;
    default:
        drawFoot(context);
        break;
    }
}

void ExportPDF::beginPage(QPainter& context)
{
    if (m_writing->pagesBegun > 0)
        m_writing->writer.newPage();
    ++m_writing->pagesBegun;
    context.fillRect(QRectF(0, 0, kPageWidth, kPageHeight), kBackground);
}

int ExportPDF::drawPage(QPainter& context)
{
    drawText(context, MainBundle::localizedString("油耗报表"), QRectF(0, 10, 612, 30), systemFont(14), kBlack,
        Qt::AlignHCenter);
    const QFont font = systemFont(12);
    drawText(context, QStringLiteral("FROM:"), QRectF(20, 23, 200, 20), font, kBlack);
    drawText(context, QStringLiteral("TO:"), QRectF(20, 36, 200, 20), font, kBlack);
    drawText(context, MainBundle::localizedString("车辆名称:"), QRectF(350, 23, 100, 20), font, kBlack);
    drawText(context, MainBundle::localizedString("车辆型号:"), QRectF(350, 36, 100, 20), font, kBlack);
    drawText(context, m_writing->firstOilDate, QRectF(65, 23, 200, 20), font, kLightGrey);
    drawText(context, m_writing->lastOilDate, QRectF(65, 36, 200, 20), font, kLightGrey);
    drawText(context, m_car->mCarName, QRectF(410, 23, 200, 20), font, kLightGrey);
    drawText(context, m_car->strRemark, QRectF(410, 36, 200, 20), font, kLightGrey);
    drawRule(context, 50, 20, 592);
    return 50;
}

void ExportPDF::drawFoot(QPainter& context)
{
    drawText(context, QStringLiteral("PRINT DATE"), QRectF(20, 745, 100, 20), systemFont(12), kLightGrey);
    drawText(context, m_writing->printDate, QRectF(20, 760, 200, 20), systemFont(12), kLightGrey);
    drawText(context, QStringLiteral("Pumpora\u2122 www.pumpora.example"), QRectF(0, 745, 612, 20),
        systemFont(6), kLightGrey, Qt::AlignHCenter);
    drawRule(context, 742, 20, 592);
}

int ExportPDF::drawChart(QPainter& context, const QList<OilReportItem>& dataArray, int offset)
{
    const qreal t = offset;

    // The money block: the cost bars of the last months and the consumption line chart.
    drawImage(context, MainBundle::imageNamed(QStringLiteral("report_car.png")), QRectF(20, t + 430, 32, 32));
    drawRule(context, t + 463, 54, 582);
    quint64 top = 0;
    for (const OilReportItem& month : dataArray) {
        if (month.totalMoney > double(top))
            top = quint64(NumberConversion::truncatedToInt64(month.totalMoney));
    }
    context.save();
    context.translate(20, t + 470);
    const int height = int(BarChart::drawBar(
        context, dataArray, top, 0, MainBundle::localizedString("费用图表"), QColor(39, 13, 13)));
    context.restore();

    // The car summary.
    const QString& volumnUnit = Unit::orNone(m_car->unit).VolumnUnit;
    const CarAllReport& report = m_writing->figures.totals();
    const QList<QStringList> rows {
        { MainBundle::localizedString("车辆注册日期"), DateEx::mediumDateString(m_car->mRegisterDate) },
        { MainBundle::localizedString("油箱容积"),
            StringFormat::format(QStringLiteral("%@%@"),
                { StringFormat::CIStringFromDoubleValue(m_car->maxVolumn), volumnUnit }) },
        { MainBundle::localizedString("汽车排量"),
            StringFormat::format(QStringLiteral("%dCC"), { m_car->mCapacity }) },
        { MainBundle::localizedString("缺省汽油标号"),
            m_car->mOilInfo ? m_car->mOilInfo->specName : QString() },
        { MainBundle::localizedString("统计开始时间"), DateEx::mediumDateString(Setting::getStartDate()) },
        { MainBundle::localizedString("车辆累计加油"), report.mRPTVolumnString },
        { MainBundle::localizedString("车辆累计行驶"), report.mRPTMilesString },
        { MainBundle::localizedString("车辆累计油费"), report.mRPTMoneyString },
        { MainBundle::localizedString("车辆平均油耗"), report.averageConsumptionText() },
    };
    TableChart::TableChartDraw(context, QRectF(60, t + 50, 508, 350), 9, 2, rows);
    drawImage(context, MainBundle::imageNamed(QStringLiteral("vehicle.png")), QRectF(20, t, 32, 32));
    drawRule(context, t + 33, 54, 578);
    return height;
}

void ExportPDF::drawLineChart(QPainter& context, int offset)
{
    if (m_mRPCell)
        m_mRPCell->renderInContext(context, QRectF(290, offset + 470, 320, 170));
}

int ExportPDF::drawColumn(QPainter& context, int offset)
{
    const qreal y = offset;
    const QFont font = systemFont(12);
    drawText(context, MainBundle::localizedString("月份"), QRectF(30, y + 4, 100, 20), font, kTeal);
    drawText(context, MainBundle::localizedString("行驶里程"), QRectF(130, y + 4, 200, 20), font, kTeal);
    drawText(context, MainBundle::localizedString("耗油"), QRectF(300, y + 4, 200, 20), font, kTeal);
    drawText(context, MainBundle::localizedString("费用"), QRectF(500, y + 4, 100, 20), font, kTeal);
    drawRule(context, y, 20, 592);
    return 18;
}

void ExportPDF::drawGroup(QPainter& context, const OilReportItem& item, int yOffset)
{
    const qreal y = yOffset;
    const Unit& unit = Unit::orNone(m_car->unit);
    const QString& volumnUnit = unit.VolumnUnit;
    const QString& mileageUnit = unit.MileageUnit;
    const QString currency = Utility::getCurrencySybol();

    // The month's heading and totals.
    QFont heading = FontCatalog::boldSystemFontOfSize(13.5);
    drawText(context, item.getMonthString(), QRectF(30, y + 2, 100, 20), heading, kBrown);
    heading.setBold(false);
    drawText(context, StringFormat::format(QStringLiteral("%d %@"), { item.totalMiles, mileageUnit }),
        QRectF(132, y + 2, 100, 20), heading, kBrown);
    drawText(context,
        StringFormat::format(
            QStringLiteral("%@ %@"), { StringFormat::CIStringFromDoubleValue(item.totalVolumn), volumnUnit }),
        QRectF(300, y + 2, 100, 20), heading, kBrown);
    drawText(context,
        StringFormat::format(
            QStringLiteral("%@%@"), { currency, StringFormat::CIStringFromDoubleValue(item.totalMoney) }),
        QRectF(500, y + 2, 100, 20), heading, kBrown);
    context.save();
    QPen dashes(kBrown, 1.0, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({ 3.0, 2.0 });
    context.setPen(dashes);
    context.drawLine(QLineF(130, y + 25, 552, y + 25));
    context.restore();

    // Its fill-ups, one row each from 27 below the heading.
    m_writing->rows = m_car->getAllOilFromMonth(int(item.monthInteger), &m_writing->readError);
    m_writing->row = 0;
    m_writing->rowY = yOffset + 27;
}

void ExportPDF::drawOil(QPainter& context, const Oil& oil, int r)
{
    const QString& volumnUnit = Unit::orNone(m_car->unit).VolumnUnit;
    const QString currency = Utility::getCurrencySybol();
    const QFont odometerFont = FontCatalog::fontWithName(QStringLiteral("DBLCDTempBlack"), 10);
    const QFont rowFont = systemFont(12);
    drawText(context, StringFormat::format(QStringLiteral("%d"), { oil.dCarDisplacement }),
        QRectF(40, r + 4, 80, 20), odometerFont, kGrey);
    drawImage(context, m_writing->fuelImage, QRectF(110, r + 2, 12, 10));
    drawText(context, dateText(oil.date), QRectF(130, r, 100, 20), rowFont, kBlack);
    drawText(
        context, oil.mOilInfo ? oil.mOilInfo->specName : QString(), QRectF(220, r, 60, 20), rowFont, kBlack);
    drawText(context,
        StringFormat::format(QStringLiteral("%@ %@"),
            { StringFormat::CIStringFromFloatValue(NumberConversion::narrowedToFloat(oil.oilVolumn)),
                volumnUnit }),
        QRectF(300, r, 100, 20), rowFont, kBlack);
    drawText(context,
        StringFormat::format(QStringLiteral("%@%@/%@"),
            { currency,
                StringFormat::CIStringFromFloatValue(NumberConversion::narrowedToFloat(oil.dUnitPrice)),
                volumnUnit }),
        QRectF(400, r, 100, 20), rowFont, kBlack);
    drawText(context,
        StringFormat::format(
            QStringLiteral("%@%@"), { currency, StringFormat::CIStringFromDoubleValue(oil.dTotal) }),
        QRectF(500, r, 100, 20), rowFont, kBlack);
}
