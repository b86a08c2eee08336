#include "charts/CTextStyle.h"

#include "charts/CTextStyleExtensions.h"
#include "platform/FontCatalog.h"

QFont CTextStyle::font() const
{
    return CTextStyleExtensions::fontInDrawingUnits(FontCatalog::fontWithName(fontName, fontSize));
}
