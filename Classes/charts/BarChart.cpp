#include "charts/BarChart.h"

#include "charts/CPColor.h"
#include "charts/CTextStyleExtensions.h"
#include "platform/FontCatalog.h"
#include "reports/NumberConversion.h"
#include "reports/StringFormat.h"
#include "store/Utility.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr float kChartHeight = 200.0f;

// The plot: the vertical axis at x 40, the horizontal one at y 100 below the title band, four
// guide lines 25 apart above it with a value label beside each, room for twelve bars from x 42 on.
constexpr qreal kTitleHeight = 20.0;
constexpr qreal kAxisX = 40.0;
constexpr qreal kAxisY = 100.0;
constexpr qreal kAxisEndX = 280.0;
constexpr qreal kGuideEndX = 275.0;
constexpr qreal kGuideSpacing = 25.0;
constexpr qreal kFirstBarX = 42.0;
constexpr int kBarsWidth = 240;
constexpr int kLargestBarDistance = 30;
constexpr qsizetype kMostBars = 12;

QPen linePen(const QColor& color)
{
    return QPen(QBrush(color), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void drawAxesAndGuides(QPainter& context)
{
    context.setRenderHint(QPainter::Antialiasing, false);
    context.setPen(linePen(CPColor::grayColor().cgColor()));
    context.drawLine(QLineF(kAxisX, 0, kAxisX, kAxisY));
    context.drawLine(QLineF(kAxisX, kAxisY, kAxisEndX, kAxisY));

    QPen guide = linePen(QColor::fromRgbF(0.5f, 0.5f, 0.5f, 0.2f));
    guide.setDashPattern({ 3.0, 3.0 });
    context.setPen(guide);
    for (const qreal y : { 76.0, 51.0, 26.0, 1.0 })
        context.drawLine(QLineF(kAxisX, y, kGuideEndX, y));
}

// Five labels from 0 to four quarters of the scale, each beside its guide line.
void drawValueLabels(QPainter& context, quint64 scaleTop)
{
    context.setRenderHint(QPainter::Antialiasing, true);
    const QFont font = CTextStyleExtensions::fontInDrawingUnits(FontCatalog::systemFontOfSize(8.0));
    for (quint64 k = 0; k <= 4; ++k) {
        const QString text = StringFormat::format(
            QStringLiteral("%@%qu"), { Utility::getCurrencySybol(), k * (scaleTop / 4) });
        CTextStyleExtensions::drawInRect(text, QRectF(0, 97.0 - kGuideSpacing * k, 38, 16), font,
            CPColor::grayColor().cgColor(), LineBreakMode::TailTruncation, Qt::AlignRight, context);
    }
}

} // namespace

BarChart::BarChart(QWidget* parent)
    : PieChart(parent)
{ }

const std::array<QColor, 7>& BarChart::palette()
{
    static const std::array<QColor, 7> colors {
        QColor::fromRgbF(0.58f, 0.31f, 0.04f),
        QColor::fromRgbF(0.2f, 0.76f, 0.78f),
        QColor::fromRgbF(0.96f, 0.11f, 0.51f),
        QColor::fromRgbF(0.91f, 0.49f, 0.06f),
        QColor::fromRgbF(0.12f, 0.35f, 0.71f),
        QColor::fromRgbF(0.84f, 0.11f, 0.06f),
        QColor::fromRgbF(0.34f, 0.65f, 0.02f),
    };
    return colors;
}

float BarChart::drawBar(QPainter& context, const QList<OilReportItem>& data, quint64 top, float,
    const QString& title, const QColor&)
{
    if (data.isEmpty())
        return kChartHeight;
    const quint64 scaleTop = quint64(double(top) * 1.1);

    context.save();
    CTextStyleExtensions::drawInRect(title, QRectF(0, 0, 300, kTitleHeight),
        CTextStyleExtensions::fontInDrawingUnits(FontCatalog::boldSystemFontOfSize(10.0)),
        CPColor::lightGrayColor().cgColor(), LineBreakMode::Clip, Qt::AlignHCenter, context);
    context.translate(0, kTitleHeight);
    drawAxesAndGuides(context);
    drawValueLabels(context, scaleTop);

    // The last twelve months at most, spread over the axis but never wider apart than 30.
    const qsizetype count = data.size();
    const qsizetype shown = std::min(count, kMostBars);
    const int barDistance = std::min(kBarsWidth / int(shown), kLargestBarDistance);
    const qreal barWidth = barDistance * 0.5;
    const qreal labelOffset = barDistance * 0.25;
    const QFont labelFont = CTextStyleExtensions::fontInDrawingUnits(FontCatalog::systemFontOfSize(10.0));
    const std::array<QColor, 7>& colors = palette();

    context.setRenderHint(QPainter::Antialiasing, true);
    qreal x = kFirstBarX;
    for (qsizetype i = count - shown, bar = 0; i < count; ++i, ++bar) {
        const OilReportItem& item = data.at(i);
        const QColor& color = colors.at(colors.size() - 1 - size_t(bar) % colors.size());
        // Every amount below 1 leaves a scale of 0: then there is nothing to give height to. A
        // month far below zero (a damaged log) reaches no further down than the plot is high.
        const int height = scaleTop == 0
            ? 0
            : int(std::clamp(
                NumberConversion::finiteOrZero(item.totalMoney * 100.0 / double(scaleTop)), -kAxisY, kAxisY));
        context.fillRect(QRectF(x, kAxisY - 1 - height, barWidth, height), color);

        // The month's name ends just below its bar and rises to the right.
        context.save();
        context.translate(x + labelOffset, kAxisY + 2);
        context.rotate(-45.0);
        context.translate(-100, 0);
        CTextStyleExtensions::drawInRect(item.getMonthString(), QRectF(0, 0, 100, barWidth), labelFont, color,
            LineBreakMode::TailTruncation, Qt::AlignRight, context);
        context.restore();
        x += barDistance;
    }
    context.restore();
    return kChartHeight;
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBar(painter, dataArray, top, float(totalUnits), title, legendColor);
}
