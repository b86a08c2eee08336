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
    const DelegateText label = tickLabel(Qt::Horizontal, unsigned(xAxisMajorTick));
    if (label.text.isNull())
        return;
    CTextStyleExtensions::drawAtPoint(
        label.text, toPoint + label.offset, xAxisTitleStyle, context, -M_PI / 4);
}

void RPChartView::drawChartTextContext(
    QPainter& context, const QPointF& toPoint, YAxisMajorTick yAxisMajorTick, unsigned, bool)
{
    const DelegateText label = tickLabel(Qt::Vertical, unsigned(yAxisMajorTick));
    if (label.text.isNull())
        return;
    // The labels stand right-aligned against the vertical axis, whatever x offset is asked for.
    const QSizeF size = CTextStyleExtensions::sizeWithTextStyle(label.text, yAxisTitleStyle);
    const QRectF textRect(
        originPoint().x() - size.width(), toPoint.y() + label.offset.y(), size.width(), size.height());
    CTextStyleExtensions::drawInRect(
        label.text, textRect, yAxisTitleStyle, LineBreakMode::CharacterWrap, Qt::AlignRight, context);
}
