#pragma once

#include "charts/ChartBase.h"

class ChartViewDrawDelegate;
class ChartViewDrawDataDelegate;

// The line chart: every hook of ChartBase answered from two delegates (texts and tick counts;
// numbers), data points placed by the integer part of their values, and a green bubble with
// the value above each point the data delegate asks for.
//
// Without a delegate, or for a question the delegate leaves to its default, the chart has no
// ticks and no texts, draws every tick line and keeps its start values and steps.
class ChartView : public ChartBase
{
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    // Not owned: the owner outlives the chart or clears these first.
    ChartViewDrawDelegate* xyDrawDelegate = nullptr;
    ChartViewDrawDataDelegate* dataDelegate = nullptr;

protected:
    unsigned xMajorTickNumber() override;
    unsigned yMajorTickNumber() override;
    bool isDrawXAxisMajorTick(unsigned tick, unsigned allMajorTick) override;
    bool isDrawYAxisMajorTick(unsigned tick, unsigned allMajorTick) override;
    void startDrawXYCrossPoint() override;
    // A value lies (value - start) / step tick spacings from the first tick of each axis, by
    // the integer parts of value, start and step (a step below 1 counts as 1); the label is
    // the y value with the user's precision.
    QString loadCrossXAxis(float& xAxis, float& yAxis, unsigned atIndex) override;
    void drawInContext(QPainter& context, const ChartPoint& crossPoint, unsigned index) override;
    void drawChartPanelTitleContext(QPainter& context, const QRectF& toRect) override;
    void drawChartPanelXAxisTitleContext(QPainter& context, const QRectF& toRect) override;
    void drawChartPanelYAxisTitleContext(QPainter& context, const QRectF& toRect) override;
    // The label the delegate gives for a tick of that axis, with the offsets it asks for; a null
    // text without a delegate.
    struct DelegateText
    {
        QString text;
        QPointF offset;
    };
    DelegateText tickLabel(Qt::Orientation axis, unsigned tick);
    // The delegate's title of that axis at the rectangle's origin, moved by the delegate's offsets.
    void drawAxisTitleAtOrigin(
        QPainter& context, const QRectF& toRect, Qt::Orientation axis, const CTextStyle& style);
    // Labels of every tick but the one announced as the origin.
    void drawChartTextContext(QPainter& context, const QPointF& toPoint, XAxisMajorTick xAxisMajorTick,
        unsigned allMajorTick, bool isOriginPoint) override;
    void drawChartTextContext(QPainter& context, const QPointF& toPoint, YAxisMajorTick yAxisMajorTick,
        unsigned allMajorTick, bool isOriginPoint) override;

    // The value bubble of a point: a rounded 32 x 15 box above it, with its pointer down to the
    // left of the point, filled green over a soft shadow, edged grey, the label in white.
    void drawPopMessageInContext(QPainter& context, const ChartPoint& atPoint);
};
