#pragma once

#include <QByteArray>
#include <QColor>
#include <QRgb>

// Pixel comparisons for drawing tests: antialiasing and colour rounding allow a small tolerance.
namespace PixelMatch {

inline bool near(QRgb pixel, const QColor& expected, int tolerance = 2)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance
        && qAbs(qGreen(pixel) - expected.green()) <= tolerance
        && qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

// "r,g,b", for failure messages.
inline QByteArray describe(QRgb pixel)
{
    return QByteArray::number(qRed(pixel)) + "," + QByteArray::number(qGreen(pixel)) + ","
        + QByteArray::number(qBlue(pixel));
}

} // namespace PixelMatch
