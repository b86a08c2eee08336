#pragma once

#include "charts/ChartViewDrawDataDelegate.h"
#include "charts/ChartViewDrawDelegate.h"
#include "reports/OilReportItem.h"

#include <QList>
#include <QPointer>
#include <QStringList>

class BarChart;
class CarInfo;
class RPChartView;

// What the report's chart row shows: the monthly costs as a bar chart and the monthly
// consumption of its car as a line chart, both fed from the report's month lines. It
// answers the line chart's questions as both its delegates. The row's widget creates the two
// charts, places them and keeps them; this logic only points at them, and lets go of the line
// chart when it goes first.
//
// Use: initRPChartView() once, then setDataArray() and update() each time the row is shown.
class MoneyChartCell : public ChartViewDrawDelegate, public ChartViewDrawDataDelegate
{
public:
    // Charts the consumption of that car, or of the car manager's current car at each update
    // when none is given. A given car must outlive the cell (the car manager keeps every car
    // for the run).
    MoneyChartCell(BarChart& barChart, RPChartView& chartView, const CarInfo* car = nullptr);
    ~MoneyChartCell() override;
    MoneyChartCell(const MoneyChartCell&) = delete;
    MoneyChartCell& operator=(const MoneyChartCell&) = delete;

    // The report's month lines, oldest first; kept as a copy.
    void setDataArray(const QList<OilReportItem>& items) { m_dataArray = items; }
    const QList<OilReportItem>& dataArray() const { return m_dataArray; }

    BarChart* barChart() const { return m_barChart; }
    RPChartView* mRPChartView() const { return m_chartView; }

    // Styles the line chart (light grey rounded 10-point texts, grey tick lines) and becomes its
    // delegate for texts and numbers.
    void initRPChartView();

    // Refills both charts from the month lines for the car; without a car the charts keep what
    // they show. The bar chart gets every month; the line chart the latest twelve, one point
    // per x tick from the origin. A month without a consumption figure repeats the month before
    // it (leading ones show 0). The y step is chosen with the multiples 5, 4 and 3 to reach the
    // largest consumption in five ticks.
    void update();

    // The line chart's data: x positions 1, 2, ..., consumption per month, month captions
    // (padded with empty captions to ten for the ten x ticks).
    const QList<double>& mxData() const { return m_mxData; }
    const QList<double>& myData() const { return m_myData; }
    const QStringList& xLables() const { return m_mxLabelText; }
    // Y value at the origin and per tick step.
    qint32 mDyStart() const { return m_mDyStart; }
    qint32 mDySetOff() const { return m_mDySetOff; }

    // ChartViewDrawDelegate
    int loadXAxisMajorTickNumberForChartView(ChartView& chartView) override;
    int loadYAxisMajorTickNumberForChartView(ChartView& chartView) override;
    bool drawXAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView& inChartView) override;
    bool drawYAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView& inChartView) override;
    QString loadTextXMajorTick(
        unsigned tick, float& xSetoff, float& ySetoff, ChartView& inChartView) override;
    QString loadTextYMajorTick(
        unsigned tick, float& xSetoff, float& ySetoff, ChartView& inChartView) override;
    QString loadYAxisTextForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff) override;
    QString loadXAxisTextForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff) override;
    QString loadTitleForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff) override;

    // ChartViewDrawDataDelegate
    bool isDrawCrossPointLable(unsigned index, ChartView& intChartView) override;
    std::optional<double> numberForXStartValueInChartView(ChartView& chartView) override;
    std::optional<double> numberForXMajorTickSetOffInChartView(ChartView& chartView) override;
    std::optional<double> numberForYStartValueInChartView(ChartView& chartView) override;
    std::optional<double> numberForYMajorTickSetOffInChartView(ChartView& chartView) override;

private:
    const CarInfo* chartedCar() const;

    const CarInfo* m_car;
    QList<OilReportItem> m_dataArray;
    QPointer<BarChart> m_barChart;
    QPointer<RPChartView> m_chartView;
    qint32 m_mDyStart = 0;
    qint32 m_mDySetOff = 20;
    QList<double> m_mxData;
    QList<double> m_myData;
    QStringList m_mxLabelText;
};
