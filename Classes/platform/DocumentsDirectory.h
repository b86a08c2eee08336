#pragma once

#include <QString>

// The user's documents directory: the one folder that holds the whole log (database, grade and
// unit lists, preferences, the last PDF report). It is the platform's app-data location unless
// PUMPORA_DATA_DIR or an explicit path (--data-dir) names another.
class DocumentsDirectory
{
public:
    static QString path();
    static void setPath(const QString& path);

    // The path of a file of that name inside the directory.
    static QString filePath(const QString& fileName);

    // Creates the directory when it is missing; false when that fails.
    static bool ensureExists();
};
