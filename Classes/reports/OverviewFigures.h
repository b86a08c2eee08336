#pragma once

#include "reports/CarAllReport.h"
#include "store/Oil.h"

#include <QList>
#include <QString>
#include <QStringList>

class CarInfo;

// What a car's page on the overview shows: the whole-period totals with every fill-up, the
// average consumption and cost per distance, the latest fill-up's line, and the page's chart of
// the last five fill-ups.
class OverviewFigures
{
public:
    // The figures of that car, empty until read. The car must outlive them (the car manager
    // keeps every car for the run).
    explicit OverviewFigures(const CarInfo& car);
    // The figures of a page without a car (a log that has none yet): no totals, no fill-up, and
    // a chart of five empty days from today.
    OverviewFigures() = default;

    // Reads the figures afresh; the chart's filler dates count from now (Clock). False, with the
    // reason in errorString() and nothing to show, when the log cannot be read.
    bool read();
    QString errorString() const { return m_errorString; }

    // Null for a page without a car.
    const CarInfo* car() const { return m_car; }

    // The summary row: mRPTMoneyString, mRPTVolumnString and mRPTMilesString; mAvgMoneyString is
    // the cost per distance and totals().averageConsumptionText() the average consumption.
    const CarAllReport& totals() const { return m_totals; }

    // "最近一次加油：DATE VOLUME UNIT 共TOTAL" with the user's precision, or "尚无录入加油数据"
    // (no fill-up yet) when the period has none.
    QString latestFillUpText() const { return m_latestFillUpText; }

    // The chart: the newest five fill-ups of the period (or fewer), oldest first, plotted by
    // volume at x 1, 2, ...; its x labels, their dates followed by the days after them up to
    // five labels; and its y step, which reaches the largest volume in five ticks.
    const QList<Oil>& lastFillUps() const { return m_lastFillUps; }
    const QStringList& xLables() const { return m_xLables; }
    qint64 yStep() const { return m_yStep; }
    // The label of y tick index (0 at the origin): its value, tick x step.
    QString yLable(unsigned tick) const;
    // The room right of the plot that the widest y label needs.
    float chartRightMargin() const;

private:
    void makeChartLabels();

    const CarInfo* m_car = nullptr;
    CarAllReport m_totals;
    QString m_latestFillUpText;
    QList<Oil> m_lastFillUps;
    QStringList m_xLables;
    qint64 m_yStep = 1;
    QString m_errorString;
};
