#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The application's own resources, loaded by name as from an application bundle:
// seed files, images, the application icon and the string table.
class MainBundle
{
public:
    // ":/bundle/NAME.TYPE", or an empty string when the bundle has no such resource.
    static QString pathForResource(const QString& name, const QString& type);

    // A bundled image by file name ("tab.png"); a null image when there is none.
    static QImage imageNamed(const QString& fileName);

    // The application icon in every bundled pixel size, for the window.
    static QIcon applicationIcon();

    // The text of a string-table key in the UI language; a key without entry shows as itself.
    static QString localizedString(const char* key);

    // Chinese shows its keys themselves and takes from the Chinese table only the few keys that
    // are English words; every other language loads the English table. The installed table when
    // the program runs from an installation; it replaces the one installed before. False when
    // the table cannot be loaded.
    static bool installTranslator();
};
