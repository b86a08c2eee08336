#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh, empty documents directory for one test, made the app's data directory for as long
// as it lives. Everything the app keeps per run for a data directory (the pinned clock, the
// grade and unit lists) starts afresh with it, so no test sees another's state or the user's real data.
class TestDataDirectory
{
public:
    TestDataDirectory();
    ~TestDataDirectory();
    TestDataDirectory(const TestDataDirectory&) = delete;
    TestDataDirectory& operator=(const TestDataDirectory&) = delete;

    QString path() const { return m_directory.path(); }
    QString filePath(const QString& fileName) const { return m_directory.filePath(fileName); }

private:
    QTemporaryDir m_directory;
};
