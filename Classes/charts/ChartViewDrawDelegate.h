#pragma once

#include <QString>

class ChartView;

// What a ChartView asks its owner for texts and tick counts. Every method is optional: the
// default bodies give what the chart does for a delegate that does not answer (no text, no
// ticks, every tick line drawn), so a delegate overrides only what it answers.
//
// The text methods may move their text by setting xSetoff and ySetoff (both start at 0); a
// null text draws nothing.
class ChartViewDrawDelegate
{
public:
    virtual ~ChartViewDrawDelegate() = 0;

    // The label of y (x) tick index; see ChartBase for how indices run along the axes.
    virtual QString loadTextYMajorTick(unsigned tick, float& xSetoff, float& ySetoff, ChartView& inChartView);
    virtual QString loadTextXMajorTick(unsigned tick, float& xSetoff, float& ySetoff, ChartView& inChartView);
    virtual QString loadYAxisTextForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff);
    virtual QString loadXAxisTextForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff);
    virtual QString loadTitleForChartView(ChartView& chartView, float& atxSetoff, float& andYSetoff);

    // Whether the y (x) tick line of that index, of allMajorTick lines, is drawn.
    virtual bool drawYAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView& inChartView);
    virtual bool drawXAxisMajorTick(unsigned tick, unsigned allMajorTick, ChartView& inChartView);

    // The number of y (x) ticks; the chart uses its absolute value.
    virtual int loadYAxisMajorTickNumberForChartView(ChartView& chartView);
    virtual int loadXAxisMajorTickNumberForChartView(ChartView& chartView);
};
