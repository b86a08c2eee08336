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
    explicit ReportChartRow(const QList<OilReportItem>& months);

    BarChart& barChart() { return m_barChart; }
    RPChartView& lineChart() { return m_lineChart; }

private:
    BarChart m_barChart;
    RPChartView m_lineChart;
    MoneyChartCell m_cell;
};
