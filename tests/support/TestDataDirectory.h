#pragma once

#include "store/Session.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A fresh, empty data directory for one test, with the session that owns everything the app
// keeps for it, so that no test sees another's cars, lists or preferences, nor the user's real
// data. The device's locale and time zone, which dates, months and amounts depend on, are set
// first; the clock runs free until the test pins it. While it lives it is also the default data
// directory (PUMPORA_DATA_DIR), so that a command run without --data-dir uses it as well.
class TestDataDirectory
{
public:
    explicit TestDataDirectory(
        const QString& locale = QStringLiteral("en_US"), const QString& timeZone = QStringLiteral("UTC"));
    ~TestDataDirectory(); // not copyable, as the temporary directory it owns

    QString path() const { return m_directory.path(); }
    QString filePath(const QString& fileName) const { return m_directory.filePath(fileName); }

    // A file's bytes (a name inside the directory, or any path), or "(missing)" when it cannot
    // be read, so that a missing file never passes for an empty one.
    QByteArray readFile(const QString& fileName) const;
    // Replaces a file with these bytes, as another program would; false when that failed.
    bool writeFile(const QString& fileName, const QByteArray& bytes) const;

    // Ends the session and opens a fresh one on the same directory: what the next start of the
    // app would read back.
    void restart();

private:
    QTemporaryDir m_directory;
    QByteArray m_previousDefault;
    std::unique_ptr<Session> m_session;
};
