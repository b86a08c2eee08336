#pragma once

#include <QColor>

// The space a colour's components are read in. The charts draw in device RGB: components as
// given, without colour management: QColor::Rgb.
class CPColorSpace
{
public:
    explicit CPColorSpace(QColor::Spec cgColorSpace)
        : m_cgColorSpace(cgColorSpace)
    { }

    // The one device-RGB space every component-built colour lives in.
    static const CPColorSpace& genericRGBSpace();

    QColor::Spec cgColorSpace() const { return m_cgColorSpace; }

private:
    QColor::Spec m_cgColorSpace;
};
