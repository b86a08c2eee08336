#include "charts/ChartViewDrawDelegate.h"

ChartViewDrawDelegate::~ChartViewDrawDelegate() = default;

QString ChartViewDrawDelegate::loadTextYMajorTick(unsigned, float&, float&, ChartView&)
{
    return QString();
}

QString ChartViewDrawDelegate::loadTextXMajorTick(unsigned, float&, float&, ChartView&)
{
    return QString();
}

QString ChartViewDrawDelegate::loadYAxisTextForChartView(ChartView&, float&, float&)
{
    return QString();
}

QString ChartViewDrawDelegate::loadXAxisTextForChartView(ChartView&, float&, float&)
{
    return QString();
}

QString ChartViewDrawDelegate::loadTitleForChartView(ChartView&, float&, float&)
{
    return QString();
}

bool ChartViewDrawDelegate::drawYAxisMajorTick(unsigned, unsigned, ChartView&)
{
    return true;
}

bool ChartViewDrawDelegate::drawXAxisMajorTick(unsigned, unsigned, ChartView&)
{
    return true;
}

int ChartViewDrawDelegate::loadYAxisMajorTickNumberForChartView(ChartView&)
{
    return 0;
}

int ChartViewDrawDelegate::loadXAxisMajorTickNumberForChartView(ChartView&)
{
    return 0;
}
