#pragma once

#include <QImage>
#include <QString>

// The application's own resources, loaded by name as from an application bundle:
// seed files, images and the string table.
class MainBundle
{
public:
    // ":/bundle/NAME.TYPE", or an empty string when the bundle has no such resource.
    static QString pathForResource(const QString& name, const QString& type);

    // A bundled image by file name ("tab.png"); a null image when there is none.
    static QImage imageNamed(const QString& fileName);

    // The text of a string-table key in the UI language; a key without entry shows as itself.
    static QString localizedString(const char* key);

    // Chinese shows the keys themselves; every other language loads the English table.
    // False when the English table cannot be loaded.
    static bool installTranslator();
};
