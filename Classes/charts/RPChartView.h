#pragma once

#include "charts/ChartView.h"

// The report's consumption line chart: a ChartView on a clear background with the origin at the
// bottom left, square corners and no border, short x tick marks with labels that rise to the
// right, a horizontal grid with right-aligned y labels, and the y-axis title in the y labels'
// style. The monthly report feeds it (MoneyChartCell).
class RPChartView : public ChartView
{
    Q_OBJECT

public:
    explicit RPChartView(QWidget* parent = nullptr);

protected:
    bool xMajorTickMax() override;
    bool yMajorTickMax() override;
    void drawBackground(QPainter& context, const QRectF& toRect) override;
    void drawChartPanelYAxisTitleContext(QPainter& context, const QRectF& toRect) override;
    // Every label is drawn, the one at the origin too.
    void drawChartTextContext(QPainter& context, const QPointF& toPoint, XAxisMajorTick xAxisMajorTick,
        unsigned allMajorTick, bool isOriginPoint) override;
    void drawChartTextContext(QPainter& context, const QPointF& toPoint, YAxisMajorTick yAxisMajorTick,
        unsigned allMajorTick, bool isOriginPoint) override;
};
