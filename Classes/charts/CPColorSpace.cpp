#include "charts/CPColorSpace.h"

const CPColorSpace& CPColorSpace::genericRGBSpace()
{
    static const CPColorSpace space(QColor::Rgb);
    return space;
}
