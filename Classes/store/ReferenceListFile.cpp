#include "store/ReferenceListFile.h"

#include "platform/DocumentsDirectory.h"
#include "platform/MainBundle.h"
#include "store/PropertyListFile.h"
#include "store/Utility.h"

#include <QFile>

#include <cmath>
#include <limits>

ReferenceListFile::ReferenceListFile(const QString& name, const QString& key)
    : m_name(name)
    , m_key(key)
{ }

QString ReferenceListFile::path() const
{
    return DocumentsDirectory::filePath(m_name + QStringLiteral(".plist"));
}

QVariantList ReferenceListFile::readElements(QStringList* problems) const
{
    const QString copy = path();
    if (!Utility::copyResourceIfMissing(MainBundle::pathForResource(m_name, QStringLiteral("plist")), copy)) {
        problems->append(QStringLiteral("the bundled %1.plist could not be copied to %2").arg(m_name, copy));
        return {};
    }
    QString problem;
    const std::optional<QVariantMap> dictionary = PropertyListFile::readDictionary(copy, &problem);
    if (!dictionary) {
        problems->append(problem);
        return {};
    }
    const QVariant elements = dictionary->value(m_key);
    if (elements.typeId() != QMetaType::QVariantList) {
        problems->append(QStringLiteral("%1 has no array under %2").arg(copy, m_key));
        return {};
    }
    return elements.toList();
}

bool ReferenceListFile::writeElements(const QVariantList& elements, QString* problem) const
{
    if (!DocumentsDirectory::ensureExists()) {
        *problem = QStringLiteral("the data directory %1 cannot be created").arg(DocumentsDirectory::path());
        return false;
    }
    return PropertyListFile::writeDictionary(path(), QVariantMap { { m_key, elements } }, problem);
}

bool ReferenceListFile::keepDamagedCopy(QString* problem) const
{
    const QString copy = path();
    if (!QFile::exists(copy))
        return true;
    const QString kept = copy + QStringLiteral(".damaged");
    QFile::remove(kept);
    if (!QFile::copy(copy, kept)) {
        *problem = QStringLiteral("%1 could not be kept as %2 before replacing it").arg(copy, kept);
        return false;
    }
    return true;
}

std::optional<unsigned> ReferenceListFile::numberField(const QVariantMap& record, const QString& key)
{
    const QVariant value = record.value(key);
    if (value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    const qint64 number = value.toLongLong();
    if (number < 0 || number > qint64(std::numeric_limits<unsigned>::max()))
        return std::nullopt;
    return unsigned(number);
}

std::optional<float> ReferenceListFile::realField(const QVariantMap& record, const QString& key)
{
    const QVariant value = record.value(key);
    if (value.typeId() != QMetaType::Double && value.typeId() != QMetaType::LongLong)
        return std::nullopt;
    const float real = float(value.toDouble());
    if (!std::isfinite(real))
        return std::nullopt;
    return real;
}

std::optional<QString> ReferenceListFile::textField(const QVariantMap& record, const QString& key)
{
    const QVariant value = record.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}
