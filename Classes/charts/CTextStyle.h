#pragma once

#include "charts/CPColor.h"

#include <QFont>
#include <QString>

#include <optional>

// How one chart text looks: a font by name, its size and its colour. A value: copying a style
// copies its name and colour. A style without colour draws nothing.
class CTextStyle
{
public:
    // The defaults: black 12-point Helvetica.
    static CTextStyle textStyle() { return CTextStyle(); }

    // The style's font from the font catalogue, sized in drawing units (see
    // CTextStyleExtensions::fontInDrawingUnits).
    QFont font() const;

    QString fontName = QStringLiteral("Helvetica");
    float fontSize = 12.0f;
    std::optional<CPColor> color = CPColor::blackColor();
};
