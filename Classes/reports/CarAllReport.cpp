#include "reports/CarAllReport.h"

#include "platform/MainBundle.h"

QString CarAllReport::averageConsumptionText() const
{
    return mRPtotalVolumn > 0 && mRPtotalMiles > 0 ? mAvgVolumnString
                                                   : MainBundle::localizedString("暂无数据");
}
