#include "charts/ReportChartRow.h"

ReportChartRow::ReportChartRow(const QList<OilReportItem>& months, const CarInfo* car)
    : m_cell(m_barChart, m_lineChart, car)
{
    m_cell.initRPChartView();
    m_cell.setDataArray(months);
    m_cell.update();
}
