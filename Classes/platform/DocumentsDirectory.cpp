#include "platform/DocumentsDirectory.h"

#include "store/Session.h"

#include <QDir>
#include <QStandardPaths>

QString DocumentsDirectory::path()
{
    return Session::current().dataDirectory();
}

QString DocumentsDirectory::defaultPath()
{
    const QString fromEnvironment = qEnvironmentVariable("PUMPORA_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(QDir(fromEnvironment).absolutePath());
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString DocumentsDirectory::filePath(const QString& fileName)
{
    return QDir(path()).filePath(fileName);
}

bool DocumentsDirectory::ensureExists()
{
    return QDir().mkpath(path());
}
