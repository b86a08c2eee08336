#pragma once

#include <QString>

// Numbers for people to read, in the current locale (DeviceLocale).
class NumberText
{
public:
    // The locale's decimal style: grouping separators and at most three decimals, rounded half
    // up (away from zero), trailing zeros left off. Digit groups left of the first one have
    // secondaryGroupingSize digits (the chart axes use 2: 123456 is "1,23,456" in English); 0 or
    // less keeps the locale's own grouping.
    static QString stringOfDecimalCount(double value, int secondaryGroupingSize);
};
