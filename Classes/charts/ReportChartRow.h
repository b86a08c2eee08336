#pragma once

#include "charts/BarChart.h"
#include "charts/MoneyChartCell.h"
#include "charts/RPChartView.h"

// The report's chart row built away from any screen: the cost bar chart and the consumption
// line chart, fed from the month lines exactly as the report screen's row feeds them. What the
// export draws when it runs without the report screen.
class ReportChartRow
{
public:
    // The month lines of that car, or of the current car when none is given (see MoneyChartCell).
    explicit ReportChartRow(const QList<OilReportItem>& months, const CarInfo* car = nullptr);

    BarChart& barChart() { return m_barChart; }
    RPChartView& lineChart() { return m_lineChart; }

private:
    BarChart m_barChart;
    RPChartView m_lineChart;
    MoneyChartCell m_cell;
};
