#include "platform/RuntimeDirectory.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString userName()
{
    if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(geteuid());
}

} // namespace

void RuntimeDirectory::ensureSet()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1String("/runtime-") + userName());
    // mkdir fails on an existing folder; what is there is checked below either way.
    mkdir(path.constData(), S_IRWXU);
    struct stat status
    { };
    if (lstat(path.constData(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != geteuid())
        return;
    if ((status.st_mode & 0777) != S_IRWXU && chmod(path.constData(), S_IRWXU) != 0)
        return;
    qputenv("XDG_RUNTIME_DIR", path);
}
