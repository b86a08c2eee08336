#include "charts/ChartBase.h"

#include "charts/BackgroundButton.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

namespace {

// Axis and tick lines without a colour of their own.
QColor lineColorOrDefault(const std::optional<QColor>& color)
{
    return color.value_or(QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.8f));
}

// The platform's strokes: butt ends, mitred corners.
QPen chartPen(const QColor& color, qreal width)
{
    return QPen(QBrush(color), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Lines thinner than a unit are hairlines of one device pixel: an aliased line cannot be
// thinner, and QPainter would instead fade its colour.
void strokeAliased(const QLineF& line, const QColor& color, qreal width, QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(chartPen(color, width < 1.0 ? 0.0 : width));
    painter.drawLine(line);
    painter.restore();
}

QList<QLineF> pairsToLines(const QList<QPointF>& points)
{
    QList<QLineF> lines;
    for (qsizetype i = 0; i + 1 < points.size(); i += 2)
        lines.append(QLineF(points.at(i), points.at(i + 1)));
    return lines;
}

} // namespace

ChartBase::ChartBase(QWidget* parent)
    : QWidget(parent)
    , m_renderRect(rect())
{
    roundRectViewCornerRadius(10.0f);
}

ChartBase::~ChartBase() = default;

void ChartBase::roundRectViewCornerRadius(float radius)
{
    cornerRadius = radius;
    borderWidth = 1.0f;
    borderColor = QColor::fromRgbF(0.5f, 0.5f, 0.5f);
}

QList<QLineF> ChartBase::verticalLines() const
{
    return pairsToLines(m_mxList);
}

QList<QLineF> ChartBase::horizontalLines() const
{
    return pairsToLines(m_myList);
}

int ChartBase::originKind() const
{
    return mOriginType >= 1 && mOriginType <= 3 ? mOriginType : 0;
}

QRectF ChartBase::autoBounds() const
{
    return m_rend ? m_renderRect : QRectF(rect());
}

QRectF ChartBase::drawContextRect() const
{
    return autoBounds().adjusted(marginLeft, marginTop, -marginRight, -marginDown);
}

QRectF ChartBase::drawXYRect() const
{
    const QRectF content = drawContextRect();
    qreal x = content.x();
    qreal y = content.y();
    switch (originKind()) {
    case 0:
        y += titleHeight;
        x += yTextWidth;
        break;
    case 1:
        y += titleHeight;
        break;
    case 2:
        y += titleHeight + xTextHeight;
        break;
    case 3:
        y += titleHeight + xTextHeight;
        x += yTextWidth;
        break;
    }
    return QRectF(x, y, content.width() - yTextWidth, content.height() - titleHeight - xTextHeight);
}

QPointF ChartBase::originPoint() const
{
    const QRectF r = drawXYRect();
    switch (originKind()) {
    case 1:
        return QPointF(r.right(), r.bottom());
    case 2:
        return QPointF(r.right(), r.top());
    case 3:
        return QPointF(r.left(), r.top());
    }
    return QPointF(r.left(), r.bottom());
}

QPointF ChartBase::xMinMajorTickPoint() const
{
    const QRectF r = drawXYRect();
    switch (originKind()) {
    case 1:
        return QPointF(r.left() + xAnchorWidth, r.bottom());
    case 2:
        return QPointF(r.left() + xAnchorWidth, r.top());
    case 3:
        return QPointF(r.left(), r.top());
    }
    return QPointF(r.left(), r.bottom());
}

QPointF ChartBase::yMinMajorTickPoint() const
{
    const QRectF r = drawXYRect();
    switch (originKind()) {
    case 1:
        return QPointF(r.right(), r.bottom());
    case 2:
        return QPointF(r.right(), r.bottom() - yAnchorHeight);
    case 3:
        return QPointF(r.left(), r.bottom() - yAnchorHeight);
    }
    return QPointF(r.left(), r.bottom());
}

void ChartBase::setNeedsDisplay()
{
    if (!m_drawing)
        update();
}

void ChartBase::reload()
{
    if (m_drawing)
        return;
    m_isChanged = true;
    update();
}

void ChartBase::renderInContext(QPainter& context)
{
    m_isChanged = true;
    drawChart(context, QRectF(rect()));
    QMetaObject::invokeMethod(this, &ChartBase::reload, Qt::QueuedConnection);
}

void ChartBase::renderInContext(QPainter& context, const QRectF& toRect)
{
    m_isChanged = true;
    m_rend = true;
    m_renderRect = toRect;
    drawChart(context, toRect);
    m_rend = false;
    // The lists now fit toRect; the chart on screen must get its own back.
    QMetaObject::invokeMethod(this, &ChartBase::reload, Qt::QueuedConnection);
}

void ChartBase::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    if (cornerRadius > 0.0f) {
        QPainterPath corners;
        corners.addRoundedRect(bounds, cornerRadius, cornerRadius);
        painter.setClipPath(corners);
    }
    // The background spans the whole bounds even when only part of the view is repainted;
    // the paint event's region already clips it.
    drawChart(painter, bounds);
    if (borderWidth > 0.0f) {
        const qreal inset = borderWidth / 2.0;
        painter.setPen(chartPen(borderColor, borderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(bounds.adjusted(inset, inset, -inset, -inset),
            qMax(0.0, cornerRadius - inset), qMax(0.0, cornerRadius - inset));
    }
}

void ChartBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Lines computed for another size would no longer meet the axes. Qt repeats resize events
    // of the same size (each grab of a hidden widget sends one), which change nothing.
    if (event->size() != m_laidOutSize) {
        m_laidOutSize = event->size();
        reload();
    }
}

void ChartBase::drawChart(QPainter& context, const QRectF& backgroundRect)
{
    m_drawing = true;
    context.save();
    context.setRenderHint(QPainter::Antialiasing);
    drawBackground(context, backgroundRect);
    drawBGXYLineInContext(context, drawXYRect());
    drawMajorTickTextInContext(context, drawContextRect());
    drawCurveTextInContext(context, drawXYRect());
    context.restore();
    m_drawing = false;
}

void ChartBase::buildPointLists(const QRectF& plotArea, unsigned nx, unsigned ny)
{
    const int kind = originKind();
    // The origin corner, the direction the x axis runs from it, and the direction into the plot
    // area from it vertically.
    const qreal xDirection = kind == 1 || kind == 2 ? -1.0 : 1.0;
    const qreal yDirection = kind == 2 || kind == 3 ? 1.0 : -1.0;
    const QPointF origin(xDirection > 0 ? plotArea.left() : plotArea.right(),
        yDirection < 0 ? plotArea.bottom() : plotArea.top());
    const qreal xReach = plotArea.width() - xAnchorWidth;
    const qreal yReach = plotArea.height() - yAnchorHeight;
    const qreal xTickLength = xMajorTickMax() ? yReach : qreal(xMajorTickSize());
    const qreal yTickLength = yMajorTickMax() ? xReach : qreal(yMajorTickSize());

    m_mxList = QList<QPointF>(2 * qsizetype(nx) + 2);
    m_myList = QList<QPointF>(2 * qsizetype(ny) + 2);
    m_mxList[0] = origin;
    m_mxList[1] = QPointF(origin.x(), origin.y() + yDirection * plotArea.height());
    m_myList[0] = origin;
    m_myList[1] = QPointF(origin.x() + xDirection * plotArea.width(), origin.y());
    for (unsigned k = 1; k <= nx; ++k) {
        const qreal x = origin.x() + xDirection * k * m_fXMajorTickSetoff;
        m_mxList[2 * k] = QPointF(x, origin.y());
        m_mxList[2 * k + 1] = QPointF(x, origin.y() + yDirection * xTickLength);
    }
    for (unsigned k = 1; k <= ny; ++k) {
        const qreal y = origin.y() + yDirection * k * m_fYMajorTickSetoff;
        m_myList[2 * k] = QPointF(origin.x(), y);
        m_myList[2 * k + 1] = QPointF(origin.x() + xDirection * yTickLength, y);
    }
}

void ChartBase::drawBGXYLineInContext(QPainter& context, const QRectF& toRect)
{
    const unsigned nx = xMajorTickNumber();
    const unsigned ny = yMajorTickNumber();
    m_mxMajorTickNumber = nx;
    m_myMajorTickNumber = ny;
    // A count of 0 gives an infinite spacing, and no tick lines.
    m_fXMajorTickSetoff = float((toRect.width() - xAnchorWidth) / double(nx));
    m_fYMajorTickSetoff = float((toRect.height() - yAnchorHeight) / double(ny));

    // Lines kept from an earlier draw are reused only while they still hold one pair per tick.
    const bool countsChanged
        = m_mxList.size() != 2 * qsizetype(nx) + 2 || m_myList.size() != 2 * qsizetype(ny) + 2;
    if (m_isChanged || countsChanged) {
        buildPointLists(toRect, nx, ny);
        m_isChanged = false;
    }

    if (bDrawXAxis)
        drawXAxisLineStartPoint(m_myList.at(0), m_myList.at(1), context);
    if (bDrawYAxis)
        drawYAxisLineStartPoint(m_mxList.at(0), m_mxList.at(1), context);
    drawChartPanelXAxisTitleContext(context, QRectF(m_myList.at(1), QSizeF(xTextHeight, xTextHeight)));
    drawChartPanelYAxisTitleContext(context, QRectF(m_mxList.at(1), QSizeF(xTextHeight, xTextHeight)));
    if (nx >= 1 && isDrawXAxiasMajorTick)
        drawXMajorTickLinePoint(nx, context);
    if (ny >= 1 && isDrawYAxiasMajorTick)
        drawYMajorTickLinePoint(ny, context);
}

void ChartBase::drawXAxisLineStartPoint(
    const QPointF& startPoint, const QPointF& endPoint, QPainter& toContext)
{
    strokeAliased(QLineF(startPoint, endPoint), lineColorOrDefault(mXYLineColor), xyLineWidth, toContext);
    if (isDrawXAxiasAnchor)
        drawChartXAxisAnchor(toContext, endPoint);
}

void ChartBase::drawYAxisLineStartPoint(
    const QPointF& startPoint, const QPointF& endPoint, QPainter& toContext)
{
    strokeAliased(QLineF(startPoint, endPoint), lineColorOrDefault(mXYLineColor), xyLineWidth, toContext);
    if (isDrawYAxiasAnchor)
        drawChartYAxisAnchor(toContext, endPoint);
}

void ChartBase::drawXMajorTickLinePoint(unsigned majorTickLines, QPainter& toContext)
{
    const QColor color = lineColorOrDefault(mXYMajorTickColor);
    for (unsigned i = 0; i < majorTickLines; ++i) {
        if (isDrawXAxisMajorTick(i, majorTickLines))
            strokeAliased(QLineF(m_mxList.at(2 * i + 2), m_mxList.at(2 * i + 3)), color, xyMajorTickLineWidth,
                toContext);
    }
}

void ChartBase::drawYMajorTickLinePoint(unsigned majorTickLines, QPainter& toContext)
{
    const QColor color = lineColorOrDefault(mXYMajorTickColor);
    for (unsigned i = 0; i < majorTickLines; ++i) {
        if (isDrawYAxisMajorTick(i, majorTickLines))
            strokeAliased(QLineF(m_myList.at(2 * i + 2), m_myList.at(2 * i + 3)), color, xyMajorTickLineWidth,
                toContext);
    }
}

void ChartBase::drawMajorTickTextInContext(QPainter& context, const QRectF& toRect)
{
    drawChartPanelTitleContext(context, toRect);
    const int kind = originKind();

    // Labels are numbered from the left (x) and lower (y) end of each axis; where the axis runs
    // the other way from the origin, the points are visited from its far end, and none of them
    // is announced as the origin.
    if (!m_mxList.isEmpty()) {
        const unsigned points = unsigned(m_mxList.size() / 2);
        const bool fromFarEnd = kind == 1 || kind == 2;
        for (unsigned j = 0; j < points; ++j) {
            const unsigned tick = fromFarEnd ? points - 1 - j : j;
            drawChartTextContext(
                context, m_mxList.at(2 * tick), XAxisMajorTick(j), points, !fromFarEnd && j == 0);
        }
    }
    if (!m_myList.isEmpty()) {
        const unsigned points = unsigned(m_myList.size() / 2);
        const bool fromFarEnd = kind == 2 || kind == 3;
        for (unsigned j = 0; j < points; ++j) {
            const unsigned tick = fromFarEnd ? points - 1 - j : j;
            drawChartTextContext(
                context, m_myList.at(2 * tick), YAxisMajorTick(j), points, !fromFarEnd && j == 0);
        }
    }
}

void ChartBase::drawCurveTextInContext(QPainter& context, const QRectF&)
{
    m_curvePoints.clear();
    if (m_mxList.isEmpty() || m_myList.isEmpty())
        return;
    startDrawXYCrossPoint();
    if (!mxLogicValue || !myLogicValue || mxLogicValue->size() != myLogicValue->size())
        return;

    // Each point starts from where the previous one was placed.
    float x = 0.0f;
    float y = 0.0f;
    for (qsizetype i = 0; i < mxLogicValue->size(); ++i) {
        ChartPoint point;
        point.mLable = loadCrossXAxis(x, y, unsigned(i));
        point.mPoint = QPointF(x, y);
        m_curvePoints.append(point);
    }
    if (m_curvePoints.isEmpty())
        return;

    QPainterPath path(m_curvePoints.first().mPoint);
    for (qsizetype i = 1; i < m_curvePoints.size(); ++i)
        path.lineTo(m_curvePoints.at(i).mPoint);
    if (!path.isEmpty())
        drawCrossLine(path, context);
    for (qsizetype i = 0; i < m_curvePoints.size(); ++i)
        drawInContext(context, m_curvePoints.at(i), unsigned(i));
}

unsigned ChartBase::xMajorTickNumber()
{
    return 1;
}

unsigned ChartBase::yMajorTickNumber()
{
    return 1;
}

bool ChartBase::xMajorTickMax()
{
    return true;
}

bool ChartBase::yMajorTickMax()
{
    return true;
}

float ChartBase::xMajorTickSize()
{
    return 5.0f;
}

float ChartBase::yMajorTickSize()
{
    return 5.0f;
}

bool ChartBase::isDrawXAxisMajorTick(unsigned, unsigned)
{
    return true;
}

bool ChartBase::isDrawYAxisMajorTick(unsigned, unsigned)
{
    return true;
}

void ChartBase::drawChartPanelTitleContext(QPainter&, const QRectF&) { }

void ChartBase::drawChartPanelXAxisTitleContext(QPainter&, const QRectF&) { }

void ChartBase::drawChartPanelYAxisTitleContext(QPainter&, const QRectF&) { }

void ChartBase::drawChartTextContext(QPainter&, const QPointF&, XAxisMajorTick, unsigned, bool) { }

void ChartBase::drawChartTextContext(QPainter&, const QPointF&, YAxisMajorTick, unsigned, bool) { }

void ChartBase::drawChartXAxisAnchor(QPainter&, const QPointF&) { }

void ChartBase::drawChartYAxisAnchor(QPainter&, const QPointF&) { }

void ChartBase::startDrawXYCrossPoint() { }

QString ChartBase::loadCrossXAxis(float&, float&, unsigned)
{
    return QString();
}

void ChartBase::drawCrossLine(const QPainterPath& path, QPainter& inContext)
{
    inContext.save();
    inContext.setBrush(Qt::NoBrush);
    inContext.setPen(chartPen(QColor::fromRgbF(1.0f, 172.0f / 255.0f, 0.0f, 1.0f), 2.0));
    inContext.drawPath(path);
    inContext.restore();
}

void ChartBase::drawInContext(QPainter& context, const ChartPoint& crossPoint, unsigned)
{
    const qreal x = crossPoint.mPoint.x();
    const qreal y = crossPoint.mPoint.y();
    QPainterPath diamond(QPointF(x, y - 3));
    diamond.lineTo(x + 3, y);
    diamond.lineTo(x, y + 3);
    diamond.lineTo(x - 3, y);
    diamond.closeSubpath();
    context.save();
    context.setBrush(QColor::fromRgbF(1.0f, 243.0f / 255.0f, 196.0f / 255.0f, 1.0f));
    context.setPen(chartPen(QColor::fromRgbF(187.0f / 255.0f, 155.0f / 255.0f, 124.0f / 255.0f, 1.0f), 1.0));
    context.drawPath(diamond);
    context.restore();
}

void ChartBase::drawBackground(QPainter& context, const QRectF& toRect)
{
    QLinearGradient gradient = BackgroundButton::normalGradient(QColor(133, 162, 188), QColor(112, 128, 158));
    gradient.setStart(toRect.left(), toRect.bottom());
    gradient.setFinalStop(toRect.left(), toRect.top());
    context.fillRect(toRect, gradient);
}
