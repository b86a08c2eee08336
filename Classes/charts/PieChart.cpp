#include "charts/PieChart.h"

#include <QPainter>

PieChart::PieChart(QWidget* parent)
    : QWidget(parent)
{
    // Clear: whatever lies behind the chart shows through.
    setAutoFillBackground(false);
}

float PieChart::drawPie(QPainter&, const QList<OilReportItem>&, double, const QString&, const QColor&)
{
    return 0.0f;
}

void PieChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawPie(painter, dataArray, totalUnits, title, legendColor);
}
