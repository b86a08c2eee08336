#include "charts/ChartViewDrawDataDelegate.h"

ChartViewDrawDataDelegate::~ChartViewDrawDataDelegate() = default;

bool ChartViewDrawDataDelegate::isDrawCrossPointLable(unsigned, ChartView&)
{
    return false;
}

std::optional<double> ChartViewDrawDataDelegate::numberForYMajorTickSetOffInChartView(ChartView&)
{
    return std::nullopt;
}

std::optional<double> ChartViewDrawDataDelegate::numberForXMajorTickSetOffInChartView(ChartView&)
{
    return std::nullopt;
}

std::optional<double> ChartViewDrawDataDelegate::numberForYStartValueInChartView(ChartView&)
{
    return std::nullopt;
}

std::optional<double> ChartViewDrawDataDelegate::numberForXStartValueInChartView(ChartView&)
{
    return std::nullopt;
}
