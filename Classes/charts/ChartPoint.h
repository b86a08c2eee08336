#pragma once

#include <QPointF>
#include <QString>

// One plotted data point: where it lies in the chart's coordinates and the text of its value
// bubble (null when it has none).
struct ChartPoint
{
    QPointF mPoint;
    QString mLable;
};
