#pragma once

#include <QString>

// One calendar month of a car's report.
class OilReportItem
{
public:
    double totalMoney = 0;
    double totalVolumn = 0;
    double totalMiles = 0; // distance attributed to the month
    double monthInteger = 0; // yyyyMM
    double maxMiles = 0; // highest odometer reading of the month
    double minMiles = 0; // lowest odometer reading of the month

    // The month's caption, "MMM yyyy" in the current locale.
    QString getMonthString() const;
};
