#include "charts/ReportChartRow.h"

ReportChartRow::ReportChartRow(const QList<OilReportItem>& months)
    : m_cell(m_barChart, m_lineChart)
{
    m_cell.initRPChartView();
    m_cell.setDataArray(months);
    m_cell.update();
}
