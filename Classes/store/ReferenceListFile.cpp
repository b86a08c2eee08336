#include "store/ReferenceListFile.h"

#include "platform/DocumentsDirectory.h"
#include "platform/MainBundle.h"
#include "store/PropertyListFile.h"
#include "store/Utility.h"

#include <QFile>

#include <cmath>
#include <limits>

namespace {

// A number written as an integer, a real or a numeric string; nullopt for anything else.
std::optional<double> numberValue(const QVariant& value)
{
    bool ok = false;
    double number = 0;
    switch (value.typeId()) {
    case QMetaType::LongLong:
        return double(value.toLongLong());
    case QMetaType::Double:
        number = value.toDouble();
        ok = true;
        break;
    case QMetaType::QString:
        number = value.toString().toDouble(&ok);
        break;
    default:
        break;
    }
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

} // namespace

ReferenceListFile::ReferenceListFile(const QString& name, const QString& key)
    : m_name(name)
    , m_key(key)
{ }

QString ReferenceListFile::path() const
{
    return DocumentsDirectory::filePath(m_name + QStringLiteral(".plist"));
}

QVariantList ReferenceListFile::readElements(QStringList* errors) const
{
    const QString copy = path();
    if (!Utility::copyResourceIfMissing(MainBundle::pathForResource(m_name, QStringLiteral("plist")), copy)) {
        errors->append(MainBundle::localizedString("内置的 %1.plist 无法复制到 %2").arg(m_name, copy));
        return {};
    }
    QString error;
    const std::optional<QVariantMap> dictionary = PropertyListFile::readDictionary(copy, &error);
    if (!dictionary) {
        errors->append(error);
        return {};
    }
    const QVariant elements = dictionary->value(m_key);
    if (elements.typeId() != QMetaType::QVariantList) {
        errors->append(MainBundle::localizedString("%1 的 %2 之下没有数组").arg(copy, m_key));
        return {};
    }
    return elements.toList();
}

bool ReferenceListFile::writeElements(const QVariantList& elements, QString* error) const
{
    if (!DocumentsDirectory::ensureExists()) {
        *error = MainBundle::localizedString("无法创建数据目录 %1").arg(DocumentsDirectory::path());
        return false;
    }
    return PropertyListFile::writeDictionary(path(), QVariantMap { { m_key, elements } }, error);
}

bool ReferenceListFile::keepDamagedCopy(QString* error) const
{
    const QString copy = path();
    if (!QFile::exists(copy))
        return true;
    const QString kept = copy + QStringLiteral(".damaged");
    QFile::remove(kept);
    if (!QFile::copy(copy, kept)) {
        *error = MainBundle::localizedString("%1 无法在被替换前另存为 %2").arg(copy, kept);
        return false;
    }
    return true;
}

std::optional<unsigned> ReferenceListFile::numberField(const QVariantMap& record, const QString& key)
{
    const std::optional<double> number = numberValue(record.value(key));
    if (!number || *number < 0 || *number > double(std::numeric_limits<unsigned>::max())
        || *number != std::floor(*number))
        return std::nullopt;
    return unsigned(*number);
}

std::optional<float> ReferenceListFile::realField(const QVariantMap& record, const QString& key)
{
    const std::optional<double> number = numberValue(record.value(key));
    if (!number || !std::isfinite(float(*number)))
        return std::nullopt;
    return float(*number);
}

std::optional<QString> ReferenceListFile::textField(const QVariantMap& record, const QString& key)
{
    const QVariant value = record.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}
