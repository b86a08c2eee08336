#include "charts/ChartView.h"

#include "charts/CTextStyleExtensions.h"
#include "charts/ChartViewDrawDataDelegate.h"
#include "charts/ChartViewDrawDelegate.h"
#include "charts/SoftShadow.h"
#include "platform/FontCatalog.h"
#include "reports/NumberConversion.h"
#include "reports/StringFormat.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// How far along its axis a value lies from the axis's first tick. The difference is taken as
// an unsigned 32-bit number, so a value below the start lands far outside the plot.
qreal distanceAlongAxis(double value, double startValue, double logicLength, float tickSetoff)
{
    const qint64 length = NumberConversion::truncatedToInt64(logicLength);
    const quint64 step = length < 1 ? 1 : quint64(length);
    const quint32 difference = quint32(quint64(NumberConversion::truncatedToInt64(value))
        - quint64(NumberConversion::truncatedToInt64(startValue)));
    const float wholeSteps = float(difference / step) * tickSetoff;
    return double(wholeSteps) + double(difference % step) * double(tickSetoff) / double(step);
}

// Where a point is drawn: at most this far from the plot, so that a figure of a damaged log still
// gives coordinates that a float holds and every PDF reader accepts.
float drawnCoordinate(double coordinate)
{
    constexpr double farthest = 1e6;
    return float(std::clamp(NumberConversion::finiteOrZero(coordinate), -farthest, farthest));
}

// An arc as the platform adds it in a y-down space with the clockwise flag 0: from startAngle
// to endAngle (radians, measured towards +y) with the angle increasing. QPainterPath measures
// degrees towards -y.
void addArc(QPainterPath& path, const QPointF& centre, qreal radius, qreal startAngle, qreal endAngle)
{
    qreal sweep = std::fmod(endAngle - startAngle, 2.0 * M_PI);
    if (sweep < 0)
        sweep += 2.0 * M_PI;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    path.arcTo(box, -qRadiansToDegrees(startAngle), -qRadiansToDegrees(sweep));
}

} // namespace

ChartView::ChartView(QWidget* parent)
    : ChartBase(parent)
{ }

unsigned ChartView::xMajorTickNumber()
{
    if (!xyDrawDelegate)
        return 0;
    return unsigned(qAbs(qint64(xyDrawDelegate->loadXAxisMajorTickNumberForChartView(*this))));
}

unsigned ChartView::yMajorTickNumber()
{
    if (!xyDrawDelegate)
        return 0;
    return unsigned(qAbs(qint64(xyDrawDelegate->loadYAxisMajorTickNumberForChartView(*this))));
}

bool ChartView::isDrawXAxisMajorTick(unsigned tick, unsigned allMajorTick)
{
    return !xyDrawDelegate || xyDrawDelegate->drawXAxisMajorTick(tick, allMajorTick, *this);
}

bool ChartView::isDrawYAxisMajorTick(unsigned tick, unsigned allMajorTick)
{
    return !xyDrawDelegate || xyDrawDelegate->drawYAxisMajorTick(tick, allMajorTick, *this);
}

void ChartView::startDrawXYCrossPoint()
{
    if (dataDelegate) {
        if (const std::optional<double> start = dataDelegate->numberForXStartValueInChartView(*this))
            mxStartValue = *start;
        if (const std::optional<double> start = dataDelegate->numberForYStartValueInChartView(*this))
            myStartValue = *start;
        if (const std::optional<double> step = dataDelegate->numberForXMajorTickSetOffInChartView(*this))
            mxLogicLength = *step;
        if (const std::optional<double> step = dataDelegate->numberForYMajorTickSetOffInChartView(*this))
            myLogicLength = *step;
    }
    ChartBase::startDrawXYCrossPoint();
}

QString ChartView::loadCrossXAxis(float& xAxis, float& yAxis, unsigned atIndex)
{
    if (!mxLogicValue || !myLogicValue || atIndex >= mxLogicValue->size() || atIndex >= myLogicValue->size())
        return QString();
    const double xValue = mxLogicValue->at(atIndex);
    const double yValue = myLogicValue->at(atIndex);
    xAxis = drawnCoordinate(xMinMajorTickPoint().x()
        + distanceAlongAxis(xValue, mxStartValue, mxLogicLength, fXMajorTickSetoff()));
    yAxis = drawnCoordinate(yMinMajorTickPoint().y()
        - distanceAlongAxis(yValue, myStartValue, myLogicLength, fYMajorTickSetoff()));
    return StringFormat::CIStringFromFloatValue(NumberConversion::narrowedToFloat(yValue));
}

void ChartView::drawInContext(QPainter& context, const ChartPoint& crossPoint, unsigned index)
{
    ChartBase::drawInContext(context, crossPoint, index);
    if (dataDelegate && dataDelegate->isDrawCrossPointLable(index, *this))
        drawPopMessageInContext(context, crossPoint);
}

void ChartView::drawChartPanelTitleContext(QPainter& context, const QRectF& toRect)
{
    if (!xyDrawDelegate)
        return;
    float xSetoff = 0.0f;
    float ySetoff = 0.0f;
    const QString text = xyDrawDelegate->loadTitleForChartView(*this, xSetoff, ySetoff);
    if (text.isNull())
        return;
    CTextStyleExtensions::drawInRect(text, toRect.translated(xSetoff, ySetoff), mTitleTextStyle,
        LineBreakMode::WordWrap, Qt::AlignHCenter, context);
}

void ChartView::drawChartPanelXAxisTitleContext(QPainter& context, const QRectF& toRect)
{
    drawAxisTitleAtOrigin(context, toRect, Qt::Horizontal, xMajorTickTextStyle);
}

void ChartView::drawAxisTitleAtOrigin(
    QPainter& context, const QRectF& toRect, Qt::Orientation axis, const CTextStyle& style)
{
    if (!xyDrawDelegate)
        return;
    float xSetoff = 0.0f;
    float ySetoff = 0.0f;
    const QString text = axis == Qt::Horizontal
        ? xyDrawDelegate->loadXAxisTextForChartView(*this, xSetoff, ySetoff)
        : xyDrawDelegate->loadYAxisTextForChartView(*this, xSetoff, ySetoff);
    if (text.isNull())
        return;
    CTextStyleExtensions::drawAtPoint(text, toRect.topLeft() + QPointF(xSetoff, ySetoff), style, context);
}

void ChartView::drawChartPanelYAxisTitleContext(QPainter& context, const QRectF& toRect)
{
    if (!xyDrawDelegate)
        return;
    float xSetoff = 0.0f;
    float ySetoff = 0.0f;
    const QString text = xyDrawDelegate->loadYAxisTextForChartView(*this, xSetoff, ySetoff);
    if (text.isNull())
        return;
    const QRectF textRect(toRect.topLeft() + QPointF(xSetoff, ySetoff),
        CTextStyleExtensions::sizeWithTextStyle(text, yAxisTitleStyle));
    CTextStyleExtensions::drawInRect(
        text, textRect, yAxisTitleStyle, LineBreakMode::CharacterWrap, Qt::AlignRight, context);
}

ChartView::DelegateText ChartView::tickLabel(Qt::Orientation axis, unsigned tick)
{
    if (!xyDrawDelegate)
        return {};
    float xSetoff = 0.0f;
    float ySetoff = 0.0f;
    const QString text = axis == Qt::Horizontal
        ? xyDrawDelegate->loadTextXMajorTick(tick, xSetoff, ySetoff, *this)
        : xyDrawDelegate->loadTextYMajorTick(tick, xSetoff, ySetoff, *this);
    return { text, QPointF(xSetoff, ySetoff) };
}

void ChartView::drawChartTextContext(
    QPainter& context, const QPointF& toPoint, XAxisMajorTick xAxisMajorTick, unsigned, bool isOriginPoint)
{
    if (isOriginPoint)
        return;
    const DelegateText label = tickLabel(Qt::Horizontal, unsigned(xAxisMajorTick));
    if (label.text.isNull())
        return;
    CTextStyleExtensions::drawAtPoint(label.text, toPoint + label.offset, xAxisTitleStyle, context);
}

void ChartView::drawChartTextContext(
    QPainter& context, const QPointF& toPoint, YAxisMajorTick yAxisMajorTick, unsigned, bool isOriginPoint)
{
    if (isOriginPoint)
        return;
    const DelegateText label = tickLabel(Qt::Vertical, unsigned(yAxisMajorTick));
    if (label.text.isNull())
        return;
    CTextStyleExtensions::drawAtPoint(label.text, toPoint + label.offset, yAxisTitleStyle, context);
}

void ChartView::drawPopMessageInContext(QPainter& context, const ChartPoint& atPoint)
{
    constexpr qreal kRadius = 3.0;
    constexpr qreal kPointerHeight = 16.0 / 3.0;
    const QRectF box(atPoint.mPoint.x() - 3.0, atPoint.mPoint.y() - 25.0, 32.0, 15.0);

    QPainterPath outline(QPointF(box.left() + kRadius, box.top()));
    addArc(outline, QPointF(box.right() - kRadius, box.top() + kRadius), kRadius, 3 * M_PI / 2, 0);
    addArc(outline, QPointF(box.right() - kRadius, box.bottom() - kRadius), kRadius, 0, M_PI / 2);
    outline.lineTo(box.left() + 32.0 / 3.0, box.bottom());
    outline.lineTo(box.left() + 64.0 / 15.0, box.bottom() + kPointerHeight);
    outline.lineTo(box.left() + 64.0 / 15.0, box.bottom());
    addArc(outline, QPointF(box.left() + kRadius, box.bottom() - kRadius), kRadius, M_PI / 2, M_PI);
    addArc(outline, QPointF(box.left() + kRadius, box.top() + kRadius), kRadius, M_PI, 3 * M_PI / 2);
    outline.closeSubpath();

    context.save();
    SoftShadow::fillPath(context, outline, QColor(1, 190, 78), QPointF(2.0, 2.0), 5.0);
    context.setPen(QPen(QBrush(QColor(128, 128, 128)), 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    context.setBrush(Qt::NoBrush);
    context.drawPath(outline);
    context.restore();

    if (atPoint.mLable.isNull())
        return;
    QRectF textArea = outline.boundingRect();
    textArea.setHeight(textArea.height() - kPointerHeight);
    const QFont font = CTextStyleExtensions::fontInDrawingUnits(FontCatalog::boldSystemFontOfSize(8.0));
    const QSizeF textSize = CTextStyleExtensions::sizeWithFont(atPoint.mLable, font);
    const qreal horizontalInset
        = textSize.width() <= textArea.width() ? (textArea.width() - textSize.width()) / 2.0 : 4.0;
    const qreal verticalInset
        = textSize.height() <= textArea.height() ? (textArea.height() - textSize.height()) / 2.0 : 4.0;
    CTextStyleExtensions::drawAtPoint(atPoint.mLable,
        textArea.topLeft() + QPointF(horizontalInset, verticalInset), font, Qt::white, context);
}
