#pragma once

#include "reports/OilReportItem.h"

#include <QList>
#include <QWidget>

#include <memory>

class BarChart;
class CarInfo;
class MoneyChartCell;
class RPChartView;

// The report tab's last row, 400 high: the monthly cost bars above the monthly consumption
// line, fed by a MoneyChartCell. The two charts are drawn at their fixed size in a block
// centred across the row.
class MoneyChartRow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kHeight = 400;

    explicit MoneyChartRow(QWidget* parent = nullptr);
    ~MoneyChartRow() override;

    // Charts the car's month lines (oldest first). The car must outlive the row.
    void setDataArray(const CarInfo& car, const QList<OilReportItem>& months);

    RPChartView* mRPChartView() const { return m_lineChart; }

private:
    BarChart* m_barChart;
    RPChartView* m_lineChart;
    const CarInfo* m_car = nullptr;
    std::unique_ptr<MoneyChartCell> m_cell;
};
