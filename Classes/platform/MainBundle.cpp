#include "platform/MainBundle.h"

#include "platform/DeviceLocale.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <memory>

namespace {

const char* const kStringTableContext = "Localizable";

} // namespace

QString MainBundle::pathForResource(const QString& name, const QString& type)
{
    const QString path = QStringLiteral(":/bundle/") + name + QLatin1Char('.') + type;
    return QFile::exists(path) ? path : QString();
}

QImage MainBundle::imageNamed(const QString& fileName)
{
    return QImage(QStringLiteral(":/bundle/") + fileName);
}

QString MainBundle::localizedString(const char* key)
{
    return QCoreApplication::translate(kStringTableContext, key);
}

bool MainBundle::installTranslator()
{
    if (DeviceLocale::isChinese())
        return true;
    static std::unique_ptr<QTranslator> english;
    if (!english) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral(":/bundle/pumpora_en.qm")))
            return false;
        english = std::move(translator);
    }
    return QCoreApplication::installTranslator(english.get());
}
