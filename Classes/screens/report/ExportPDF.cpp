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
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <QFileInfo>
#include <QFontMetricsF>
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

ExportPDF::ExportPDF(const CarInfo* car)
    : m_givenCar(car)
    , m_pdfPath(
          DocumentsDirectory::filePath(StringFormat::format(QStringLiteral("%@.pdf"), { "gas_report" })))
{ }

ExportPDF::~ExportPDF() = default;

void ExportPDF::fail(const QString& reason)
{
    m_errorString = reason;
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

QString ExportPDF::generatePDF(const QList<OilReportItem>& months)
{
    m_errorString.clear();
    m_readError.clear();
    m_car = m_givenCar ? m_givenCar : CarManage::sharedCarManage()->mCurrentCarInfo();
    QString target;
    if (!m_car)
        fail(QStringLiteral("there is no car to report on"));
    else if (checkTarget(m_pdfPath, &target, &m_errorString))
        writeReport(months, target);
    m_car = nullptr;
    m_fuelImage = QImage();
    return m_errorString.isEmpty() ? m_pdfPath : QString();
}

void ExportPDF::writeReport(const QList<OilReportItem>& months, const QString& target)
{
    // The summary and what every page repeats, read before anything is written.
    ReportFigures figures(*m_car);
    if (!figures.read()) {
        fail(figures.errorString());
        return;
    }
    QString readError;
    const std::optional<Date> firstOilDate = m_car->getFirstOilDate(&readError);
    const std::optional<Date> lastOilDate
        = readError.isEmpty() ? m_car->getLastOilDate(&readError) : std::nullopt;
    if (!readError.isEmpty()) {
        fail(readError);
        return;
    }
    m_firstOilDate = dateText(firstOilDate);
    m_lastOilDate = dateText(lastOilDate);
    m_printDate = DateEx::mediumDateString(Clock::now());
    m_fuelImage = MainBundle::imageNamed(QStringLiteral("fuel.png"));

    // Written beside the target and put in its place only once complete: an export that fails,
    // runs out of disk or is cut short leaves the previous report as it was.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(MainBundle::localizedString("报表 %1 无法写入：%2").arg(target, file.errorString()));
        return;
    }
    QPdfWriter writer(&file);
    // Points as drawing units, the origin at the page's top left corner.
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(kPageWidth, kPageHeight), QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    writer.setTitle(QStringLiteral("Export by Pumpora"));
    writer.setCreator(QStringLiteral("Pumpora"));
    QPainter context;
    if (!context.begin(&writer)) {
        fail(MainBundle::localizedString("报表 %1 无法写入：%2").arg(target, file.errorString()));
        return;
    }
    context.setRenderHint(QPainter::Antialiasing);
    m_writer = &writer;
    m_figures = &figures;
    m_pageCount = 0;
    drawPages(context, months, file);
    m_writer = nullptr;
    m_figures = nullptr;

    const bool drawn = context.end();
    if (!m_readError.isEmpty()) {
        fail(m_readError);
        return;
    }
    // The writer tells only whether it could finish; the file tells whether every byte landed.
    if (!drawn || !file.flush() || file.error() != QFileDevice::NoError || file.size() == 0) {
        fail(MainBundle::localizedString("报表 %1 无法写完：%2").arg(target, file.errorString()));
        file.cancelWriting();
    } else if (!file.commit()) {
        fail(MainBundle::localizedString("报表 %1 无法写完：%2").arg(target, file.errorString()));
    }
}

void ExportPDF::drawPages(QPainter& context, const QList<OilReportItem>& months, const QFileDevice& file)
{
    qsizetype i = 0;
    int y = 0;
    bool newPage = true;
    bool summaryDrawn = false;
    // A full disk fails every later write too: no need to draw the rest.
    while (i < months.size() && m_readError.isEmpty() && file.error() == QFileDevice::NoError) {
        if (newPage) {
            beginPage(context);
            const int top = drawPage(context);
            if (!summaryDrawn) {
                // Page one holds the summary alone; the months start on the next page.
                const int height = drawChart(context, months, top);
                drawFoot(context);
                y = top + height;
                summaryDrawn = true;
                continue;
            }
            y = top + drawColumn(context, top);
        }
        y += drawGroup(context, months.at(i), y);
        newPage = false;
        if (y >= kPageBreakY) {
            drawFoot(context);
            newPage = true;
        }
        ++i;
    }
    // A report without months is still a report: one page saying for which car and when.
    if (months.isEmpty()) {
        beginPage(context);
        drawPage(context);
        newPage = false;
    }
    if (!newPage)
        drawFoot(context);
}

void ExportPDF::beginPage(QPainter& context)
{
    if (m_pageCount > 0)
        m_writer->newPage();
    ++m_pageCount;
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
    drawText(context, m_firstOilDate, QRectF(65, 23, 200, 20), font, kLightGrey);
    drawText(context, m_lastOilDate, QRectF(65, 36, 200, 20), font, kLightGrey);
    drawText(context, m_car->mCarName, QRectF(410, 23, 200, 20), font, kLightGrey);
    drawText(context, m_car->strRemark, QRectF(410, 36, 200, 20), font, kLightGrey);
    drawRule(context, 50, 20, 592);
    return 50;
}

void ExportPDF::drawFoot(QPainter& context)
{
    drawText(context, QStringLiteral("PRINT DATE"), QRectF(20, 745, 100, 20), systemFont(12), kLightGrey);
    drawText(context, m_printDate, QRectF(20, 760, 200, 20), systemFont(12), kLightGrey);
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
    if (m_mRPCell)
        m_mRPCell->renderInContext(context, QRectF(290, t + 470, 320, 170));

    // The car summary.
    const QString& volumnUnit = Unit::orNone(m_car->unit).VolumnUnit;
    const CarAllReport& report = m_figures->totals();
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

int ExportPDF::drawGroup(QPainter& context, const OilReportItem& item, int yOffset)
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

    // Its fill-ups, continued on further pages below the column heading when they run long.
    const std::optional<QList<Oil>> oils = m_car->getAllOilFromMonth(int(item.monthInteger), &m_readError);
    if (!oils)
        return 0;
    const QFont odometerFont = FontCatalog::fontWithName(QStringLiteral("DBLCDTempBlack"), 10);
    const QFont rowFont = systemFont(12);
    int r = yOffset + 27;
    for (const Oil& oil : *oils) {
        drawText(context, StringFormat::format(QStringLiteral("%d"), { oil.dCarDisplacement }),
            QRectF(40, r + 4, 80, 20), odometerFont, kGrey);
        drawImage(context, m_fuelImage, QRectF(110, r + 2, 12, 10));
        drawText(context, dateText(oil.date), QRectF(130, r, 100, 20), rowFont, kBlack);
        drawText(context, oil.mOilInfo ? oil.mOilInfo->specName : QString(), QRectF(220, r, 60, 20), rowFont,
            kBlack);
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
        r += 20;
        if (r >= kPageBreakY) {
            drawFoot(context);
            beginPage(context);
            const int top = drawPage(context);
            r = top + drawColumn(context, top);
        }
    }
    return 30 - yOffset + r;
}
