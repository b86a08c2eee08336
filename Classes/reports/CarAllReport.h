#pragma once

#include <QString>

// A car's figures for the whole statistics period, with their texts ready to show.
class CarAllReport
{
public:
    double mRPtotalMoney = 0;
    double mRPtotalMiles = 0;
    double mRPtotalVolumn = 0;
    QString mAvgMoneyString; // cost per distance
    QString mAvgVolumnString; // average consumption with its unit
    QString mRPTVolumnString; // volume with its unit
    QString mRPTMilesString; // distance with its unit
    QString mRPTMoneyString; // money with the currency symbol

    // The average consumption as the car summaries show it: "暂无数据" (no data yet) until the
    // period has both fuel and distance, where the figure would read 0.
    QString averageConsumptionText() const;
};
