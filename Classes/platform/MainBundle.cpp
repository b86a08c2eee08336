#include "platform/MainBundle.h"

#include "platform/DeviceLocale.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTranslator>

#include <memory>

namespace {

const char* const kStringTableContext = "Localizable";

// An installed program reads the table from its installation's data folder (share/ beside its
// bin/), where a packager can update a translation without a rebuild; the copy built into the
// program serves the build tree, the tests, and an installed table that cannot be read.
bool loadTable(QTranslator& translator, const QString& fileName)
{
    const QDir installed(QDir(QCoreApplication::applicationDirPath())
                             .filePath(QStringLiteral(PUMPORA_TRANSLATIONS_FROM_BINDIR)));
    const QString installedTable = installed.filePath(fileName);
    return (QFile::exists(installedTable) && translator.load(installedTable))
        || translator.load(QStringLiteral(":/bundle/") + fileName);
}

} // namespace

QString MainBundle::pathForResource(const QString& name, const QString& type)
{
    const QString path = QStringLiteral(":/bundle/") + name + QLatin1Char('.') + type;
    return QFile::exists(path) ? path : QString();
}

// Read by the reader of the format its name gives: detecting the format from the contents asks
// every image plugin, which loads them all (and the libraries they need) at the first image of
// a start.
QImage MainBundle::imageNamed(const QString& fileName)
{
    QImageReader reader(QStringLiteral(":/bundle/") + fileName, QFileInfo(fileName).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon MainBundle::applicationIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/bundle/AppIcon"));
    for (const QString& file : sizes.entryList(QDir::Files))
        icon.addFile(sizes.filePath(file));
    return icon;
}

QString MainBundle::localizedString(const char* key)
{
    return QCoreApplication::translate(kStringTableContext, key);
}

bool MainBundle::installTranslator()
{
    static std::unique_ptr<QTranslator> installed;
    auto translator = std::make_unique<QTranslator>();
    const bool chinese = DeviceLocale::isChinese();
    if (!loadTable(*translator, QLatin1String(chinese ? "pumpora_zh_CN.qm" : "pumpora_en.qm")))
        return false;
    if (installed)
        QCoreApplication::removeTranslator(installed.get());
    installed = std::move(translator);
    return QCoreApplication::installTranslator(installed.get());
}
