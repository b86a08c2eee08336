#pragma once

#include <QFont>
#include <QString>

// Fonts by the names the drawing code asks for. "DBLCDTempBlack" (a seven-segment display
// face) and "ArialRoundedMTBold" (a rounded bold sans) are bundled stand-ins registered under
// those names; "Helvetica" and the system font resolve to the installed sans-serif faces.
class FontCatalog
{
public:
    // Registers the bundled faces and their names; needs a QGuiApplication. False when a
    // bundled face cannot be loaded.
    static bool install();

    static QFont fontWithName(const QString& name, qreal pointSize);
    static QFont systemFontOfSize(qreal pointSize);
    static QFont boldSystemFontOfSize(qreal pointSize);
};
