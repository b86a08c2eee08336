#pragma once

#include "charts/CPColorSpace.h"

#include <QColor>
#include <QList>

// An immutable colour for the chart drawing, with the named colours the charts use. A value:
// copying copies the colour.
class CPColor
{
public:
    // Keeps the colour as given, in whatever space it was made.
    explicit CPColor(const QColor& cgColor)
        : m_cgColor(cgColor)
    { }
    static CPColor colorWithCGColor(const QColor& cgColor) { return CPColor(cgColor); }

    // Components from 0.0 to 1.0 in the shared device-RGB space.
    CPColor(float red, float green, float blue, float alpha);
    static CPColor colorWithComponentRed(float red, float green, float blue, float alpha)
    {
        return CPColor(red, green, blue, alpha);
    }
    static CPColor colorWithGenericGray(float gray) { return CPColor(gray, gray, gray, 1.0f); }

    static const CPColor& clearColor();
    static const CPColor& whiteColor();
    static const CPColor& lightGrayColor();
    static const CPColor& grayColor();
    static const CPColor& darkGrayColor();
    static const CPColor& blackColor();
    static const CPColor& redColor();
    static const CPColor& greenColor();
    static const CPColor& blueColor();
    static const CPColor& cyanColor();
    static const CPColor& yellowColor();
    static const CPColor& magentaColor();
    static const CPColor& orangeColor();
    static const CPColor& purpleColor();
    static const CPColor& brownColor();

    const QColor& cgColor() const { return m_cgColor; }

    // The same colour with its alpha replaced.
    CPColor colorWithAlphaComponent(float alpha) const;

    // The components in the order of the colour's space, alpha last; none for an invalid colour.
    QList<float> components() const;

    // Sum of component k times 256^(k + 1), in 32-bit floats, truncated and saturated to 32 bits.
    // Every opaque colour therefore hashes to 4294967295, and the clear colour to 0; equal
    // colours always hash equally, which is all a hash must give.
    quint32 hash() const;

    // Equal when both are the same colour in the same space.
    bool operator==(const CPColor& other) const { return m_cgColor == other.m_cgColor; }

private:
    QColor m_cgColor;
};
