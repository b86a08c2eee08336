#include "platform/DocumentsDirectory.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString& explicitPath()
{
    static QString path;
    return path;
}

} // namespace

QString DocumentsDirectory::path()
{
    if (!explicitPath().isEmpty())
        return explicitPath();
    const QString fromEnvironment = qEnvironmentVariable("PUMPORA_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(QDir(fromEnvironment).absolutePath());
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void DocumentsDirectory::setPath(const QString& path)
{
    explicitPath() = path.isEmpty() ? QString() : QDir::cleanPath(QDir(path).absolutePath());
}

QString DocumentsDirectory::filePath(const QString& fileName)
{
    return QDir(path()).filePath(fileName);
}

bool DocumentsDirectory::ensureExists()
{
    return QDir().mkpath(path());
}
