#include "reports/OilReportItem.h"

#include "reports/DateEx.h"

QString OilReportItem::getMonthString() const
{
    // A month number written by another tool may be anything; only yyyyMM makes a caption.
    const quint64 month = monthInteger >= 0 && monthInteger < 1e8 ? quint64(monthInteger) : 0;
    return DateEx::getMonthStringWithDate(DateEx::dateFromNumber(month * 100 + 1));
}
