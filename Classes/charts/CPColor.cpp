#include "charts/CPColor.h"

#include <cmath>

CPColor::CPColor(float red, float green, float blue, float alpha)
    : m_cgColor(
        QColor::fromRgbF(red, green, blue, alpha).convertTo(CPColorSpace::genericRGBSpace().cgColorSpace()))
{ }

const CPColor& CPColor::clearColor()
{
    static const CPColor color(0.0f, 0.0f, 0.0f, 0.0f);
    return color;
}

const CPColor& CPColor::whiteColor()
{
    static const CPColor color = colorWithGenericGray(1.0f);
    return color;
}

const CPColor& CPColor::lightGrayColor()
{
    static const CPColor color = colorWithGenericGray(2.0f / 3.0f);
    return color;
}

const CPColor& CPColor::grayColor()
{
    static const CPColor color = colorWithGenericGray(0.5f);
    return color;
}

const CPColor& CPColor::darkGrayColor()
{
    static const CPColor color = colorWithGenericGray(1.0f / 3.0f);
    return color;
}

const CPColor& CPColor::blackColor()
{
    static const CPColor color = colorWithGenericGray(0.0f);
    return color;
}

const CPColor& CPColor::redColor()
{
    static const CPColor color(1.0f, 0.0f, 0.0f, 1.0f);
    return color;
}

const CPColor& CPColor::greenColor()
{
    static const CPColor color(0.0f, 1.0f, 0.0f, 1.0f);
    return color;
}

const CPColor& CPColor::blueColor()
{
    static const CPColor color(0.0f, 0.0f, 1.0f, 1.0f);
    return color;
}

const CPColor& CPColor::cyanColor()
{
    static const CPColor color(0.0f, 1.0f, 1.0f, 1.0f);
    return color;
}

const CPColor& CPColor::yellowColor()
{
    static const CPColor color(1.0f, 1.0f, 0.0f, 1.0f);
    return color;
}

const CPColor& CPColor::magentaColor()
{
    static const CPColor color(1.0f, 0.0f, 1.0f, 1.0f);
    return color;
}

const CPColor& CPColor::orangeColor()
{
    static const CPColor color(1.0f, 0.5f, 0.0f, 1.0f);
    return color;
}

const CPColor& CPColor::purpleColor()
{
    static const CPColor color(0.5f, 0.0f, 0.5f, 1.0f);
    return color;
}

const CPColor& CPColor::brownColor()
{
    static const CPColor color(0.6f, 0.4f, 0.2f, 1.0f);
    return color;
}

CPColor CPColor::colorWithAlphaComponent(float alpha) const
{
    QColor color = m_cgColor;
    color.setAlphaF(alpha);
    return CPColor(color);
}

QList<float> CPColor::components() const
{
    const QColor& c = m_cgColor;
    switch (c.spec()) {
    case QColor::Invalid:
        return {};
    case QColor::Hsv:
        return { c.hsvHueF(), c.hsvSaturationF(), c.valueF(), c.alphaF() };
    case QColor::Hsl:
        return { c.hslHueF(), c.hslSaturationF(), c.lightnessF(), c.alphaF() };
    case QColor::Cmyk:
        return { c.cyanF(), c.magentaF(), c.yellowF(), c.blackF(), c.alphaF() };
    case QColor::Rgb:
    case QColor::ExtendedRgb:
        break;
    }
    return { c.redF(), c.greenF(), c.blueF(), c.alphaF() };
}

quint32 CPColor::hash() const
{
    float sum = 0.0f;
    float weight = 256.0f;
    for (const float component : components()) {
        sum += component * weight;
        weight *= 256.0f;
    }
    if (!(sum > 0.0f))
        return 0;
    if (sum >= 4294967296.0f)
        return 4294967295u;
    return quint32(sum);
}
