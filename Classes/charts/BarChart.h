#pragma once

#include "charts/PieChart.h"

#include <QtGlobal>

#include <array>

// The report's monthly cost chart: one bar per month, for the last twelve months at most, on a
// value axis scaled a tenth above the largest amount, with the month names hanging below the
// bars at 45 degrees. The whole picture is 300 x 200 drawing units from the painter's origin.
class BarChart : public PieChart
{
    Q_OBJECT

public:
    explicit BarChart(QWidget* parent = nullptr);

    // The largest amount to be shown.
    quint32 top = 0;

    // The bar colours in palette order; the bars take them from the last one backwards.
    static const std::array<QColor, 7>& palette();

    // Draws the items' totalMoney as bars with the title above them; top is the largest
    // amount. Nothing at all is drawn for no items. When top is 0 (every amount below 1) the
    // bars have no height. total and legendColor do not change the picture. Returns the height
    // of the picture, always 200.
    static float drawBar(QPainter& context, const QList<OilReportItem>& data, quint64 top, float total,
        const QString& title, const QColor& legendColor);

protected:
    void paintEvent(QPaintEvent* event) override;
};
