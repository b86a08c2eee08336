#pragma once

#include <QString>

// The user's documents directory: the one folder that holds the whole log (database, grade and
// unit lists, preferences, the last PDF report). Each session (Session) works on one; it is the
// platform's app-data location unless PUMPORA_DATA_DIR or an explicit path (--data-dir) names
// another.
class DocumentsDirectory
{
public:
    // The current session's directory.
    static QString path();

    // The directory a session uses when it is not given one.
    static QString defaultPath();

    // The path of a file of that name inside the directory.
    static QString filePath(const QString& fileName);

    // Creates the directory when it is missing; false when that fails.
    static bool ensureExists();
};
