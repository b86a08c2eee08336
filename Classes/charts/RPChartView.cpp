#include "charts/RPChartView.h"

#include "charts/CPColor.h"
#include "charts/CTextStyleExtensions.h"
#include "charts/ChartViewDrawDelegate.h"

#include <QtMath>

RPChartView::RPChartView(QWidget* parent)
    : ChartView(parent)
{
    mOriginType = 0;
    mXYLineColor = CPColor::grayColor().cgColor();
    xyLineWidth = 1.0f;
    marginLeft = 10.0f;
    marginRight = 30.0f;
    marginDown = 20.0f;
    titleHeight = 20.0f;
    xTextHeight = 30.0f;
    yTextWidth = 30.0f;
    cornerRadius = 0.0f;
    borderWidth = 0.0f;
    setAutoFillBackground(false);
}

bool RPChartView::xMajorTickMax()
{
    return false;
}

bool RPChartView::yMajorTickMax()
{
    return true;
}

void RPChartView::drawBackground(QPainter&, const QRectF&) { }

void RPChartView::drawChartPanelYAxisTitleContext(QPainter& context, const QRectF& toRect)
{
    drawAxisTitleAtOrigin(context, toRect, Qt::Vertical, yMajorTickTextStyle);
}

void RPChartView::drawChartTextContext(
    QPainter& context, const QPointF& toPoint, XAxisMajorTick xAxisMajorTick, unsigned, bool)
{
    if (!xyDrawDelegate)
        return;
    float xSetoff = 0.0f;
    float ySetoff = 0.0f;
    const QString text
        = xyDrawDelegate->loadTextXMajorTick(unsigned(xAxisMajorTick), xSetoff, ySetoff, *this);
    if (text.isNull())
        return;
    CTextStyleExtensions::drawAtPoint(
        text, toPoint + QPointF(xSetoff, ySetoff), xAxisTitleStyle, context, -M_PI / 4);
}

void RPChartView::drawChartTextContext(
    QPainter& context, const QPointF& toPoint, YAxisMajorTick yAxisMajorTick, unsigned, bool)
{
    if (!xyDrawDelegate)
        return;
    // The labels stand right-aligned against the vertical axis, whatever x offset is asked for.
    float xSetoff = 0.0f;
    float ySetoff = 0.0f;
    const QString text
        = xyDrawDelegate->loadTextYMajorTick(unsigned(yAxisMajorTick), xSetoff, ySetoff, *this);
    if (text.isNull())
        return;
    const QSizeF size = CTextStyleExtensions::sizeWithTextStyle(text, yAxisTitleStyle);
    const QRectF textRect(
        originPoint().x() - size.width(), toPoint.y() + ySetoff, size.width(), size.height());
    CTextStyleExtensions::drawInRect(
        text, textRect, yAxisTitleStyle, LineBreakMode::CharacterWrap, Qt::AlignRight, context);
}
