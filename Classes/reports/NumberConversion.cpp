#include "reports/NumberConversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

qint64 NumberConversion::truncatedToInt64(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 9223372036854775808.0)
        return std::numeric_limits<qint64>::max();
    if (value < -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(value);
}

double NumberConversion::finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

float NumberConversion::narrowedToFloat(double value)
{
    if (std::isnan(value))
        return 0.0f;
    constexpr double largest = std::numeric_limits<float>::max();
    return float(std::clamp(value, -largest, largest));
}

double NumberConversion::typedValue(float value)
{
    // The float's shortest decimal form, read back as a double.
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double typed = value;
    std::from_chars(text, written.ptr, typed);
    return typed;
}
