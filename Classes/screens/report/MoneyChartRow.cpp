#include "screens/report/MoneyChartRow.h"

#include "charts/BarChart.h"
#include "charts/MoneyChartCell.h"
#include "charts/RPChartView.h"
#include "platform/MainBundle.h"

#include <QHBoxLayout>

namespace {

// The charts' design size: the bars take 300 x 200 with their title and month names, the line
// chart the width of the block below them.
constexpr int kBlockWidth = 320;
const QRect kBarChartRect(10, 0, 300, 200);
const QRect kLineChartRect(0, 205, 320, 190);

} // namespace

MoneyChartRow::MoneyChartRow(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(kHeight);
    auto* block = new QWidget(this);
    block->setFixedSize(kBlockWidth, kHeight);
    m_barChart = new BarChart(block);
    m_barChart->setGeometry(kBarChartRect);
    m_barChart->setAccessibleName(MainBundle::localizedString("费用图表"));
    m_lineChart = new RPChartView(block);
    m_lineChart->setGeometry(kLineChartRect);
    m_lineChart->setAccessibleName(MainBundle::localizedString("平均油耗"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(block, 0, Qt::AlignHCenter);
}

MoneyChartRow::~MoneyChartRow() = default;

void MoneyChartRow::setDataArray(const CarInfo& car, const QList<OilReportItem>& months)
{
    // The cell answers the line chart's questions for one car; another car gets a cell of its own.
    if (!m_cell || m_car != &car) {
        m_cell.reset();
        m_car = &car;
        m_cell = std::make_unique<MoneyChartCell>(*m_barChart, *m_lineChart, m_car);
        m_cell->initRPChartView();
    }
    m_cell->setDataArray(months);
    m_cell->update();
}
