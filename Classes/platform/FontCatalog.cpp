#include "platform/FontCatalog.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// Latin from DejaVu, Chinese from WenQuanYi: together they cover every text the app shows.
const QStringList& systemFamilies()
{
    static const QStringList families { QStringLiteral("DejaVu Sans"),
        QStringLiteral("WenQuanYi Micro Hei") };
    return families;
}

struct BundledFace
{
    const char* alias;
    const char* file;
};

const BundledFace kBundledFaces[] = {
    { "DBLCDTempBlack", ":/bundle/DSEG7Classic-Bold.ttf" },
    { "ArialRoundedMTBold", ":/bundle/Comfortaa-Bold.ttf" },
};

} // namespace

bool FontCatalog::install()
{
    bool allLoaded = true;
    for (const BundledFace& face : kBundledFaces) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(face.file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            allLoaded = false;
            continue;
        }
        QFont::insertSubstitution(QString::fromLatin1(face.alias), families.first());
    }
    QFont::insertSubstitutions(QStringLiteral("Helvetica"), systemFamilies());
    return allLoaded;
}

QFont FontCatalog::fontWithName(const QString& name, qreal pointSize)
{
    QFont font(name);
    font.setPointSizeF(pointSize);
    // Both bundled faces are bold cuts; asking for bold keeps an installed lighter cut of the
    // same family from being chosen instead.
    if (name == QLatin1String("DBLCDTempBlack") || name == QLatin1String("ArialRoundedMTBold"))
        font.setBold(true);
    return font;
}

QFont FontCatalog::systemFontOfSize(qreal pointSize)
{
    QFont font;
    font.setFamilies(systemFamilies());
    font.setPointSizeF(pointSize);
    return font;
}

QFont FontCatalog::boldSystemFontOfSize(qreal pointSize)
{
    QFont font = systemFontOfSize(pointSize);
    font.setBold(true);
    return font;
}
