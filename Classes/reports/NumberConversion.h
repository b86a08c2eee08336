#pragma once

#include <QtGlobal>

// Conversions between the number types the store and the drawing mix, defined for every value.
class NumberConversion
{
public:
    // Truncated toward zero as a C cast would; beyond the 64-bit range it saturates and NaN gives
    // 0, where a plain conversion would be undefined.
    static qint64 truncatedToInt64(double value);

    // The value when it is finite, else 0: what a figure shows when its arithmetic overflowed.
    static double finiteOrZero(double value);

    // The nearest 32-bit float: beyond a float's range it saturates and NaN gives 0, where a
    // plain conversion would be undefined or infinite.
    static float narrowedToFloat(double value);

    // A 32-bit float as the double it was typed as: 1.4f gives 1.4, not 1.399999976158142.
    static double typedValue(float value);
};
