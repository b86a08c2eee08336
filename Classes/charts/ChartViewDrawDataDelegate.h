#pragma once

#include <optional>

class ChartView;

// What a ChartView asks its owner for numbers. Every method is optional: the default bodies
// answer as a delegate that does not respond, which for the numbers is std::nullopt, leaving
// the chart's own value unchanged. Numbers are placed by their integer part.
class ChartViewDrawDataDelegate
{
public:
    virtual ~ChartViewDrawDataDelegate() = 0;

    // Whether the value bubble is drawn at data point index; none by default.
    virtual bool isDrawCrossPointLable(unsigned index, ChartView& intChartView);

    // Data value per tick step (myLogicLength, mxLogicLength) and at the origin (myStartValue,
    // mxStartValue).
    virtual std::optional<double> numberForYMajorTickSetOffInChartView(ChartView& chartView);
    virtual std::optional<double> numberForXMajorTickSetOffInChartView(ChartView& chartView);
    virtual std::optional<double> numberForYStartValueInChartView(ChartView& chartView);
    virtual std::optional<double> numberForXStartValueInChartView(ChartView& chartView);
};
