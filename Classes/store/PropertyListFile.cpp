#include "store/PropertyListFile.h"

#include "platform/MainBundle.h"

#include <QFile>
#include <QSaveFile>
#include <QVariantList>

#include <cstdlib>
#include <limits>
#include <memory>
#include <plist/plist.h>

namespace {

// Our lists are a few kilobytes; anything near libplist's 32-bit lengths is not one of them.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// Deeper nesting than a list of records needs means a damaged or foreign file; the limit keeps
// the conversion's recursion bounded.
constexpr int kDeepestNesting = 32;

struct NodeDeleter
{
    void operator()(void* node) const { plist_free(node); }
};
using Node = std::unique_ptr<void, NodeDeleter>;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString stringOf(plist_t node)
{
    char* value = nullptr;
    plist_get_string_val(node, &value);
    const QString text = QString::fromUtf8(value);
    std::free(value);
    return text;
}

QVariant toVariant(plist_t node, int depth);

QVariantMap toMap(plist_t node, int depth)
{
    QVariantMap map;
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(node, &iterator);
    for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(node, iterator, &key, &value);
        if (!value) {
            std::free(key);
            break;
        }
        map.insert(QString::fromUtf8(key), toVariant(value, depth + 1));
        std::free(key);
    }
    std::free(iterator);
    return map;
}

QVariantList toList(plist_t node, int depth)
{
    QVariantList list;
    const uint32_t size = plist_array_get_size(node);
    list.reserve(size);
    for (uint32_t index = 0; index < size; ++index)
        list.append(toVariant(plist_array_get_item(node, index), depth + 1));
    return list;
}

QVariant toVariant(plist_t node, int depth)
{
    if (!node || depth > kDeepestNesting)
        return QVariant();
    switch (plist_get_node_type(node)) {
    case PLIST_DICT:
        return toMap(node, depth);
    case PLIST_ARRAY:
        return toList(node, depth);
    case PLIST_UINT: {
        // libplist 2.2 keeps every integer in 64 unsigned bits; a negative one reads back as
        // its two's complement.
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return QVariant::fromValue(qint64(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return value;
    }
    case PLIST_STRING:
        return stringOf(node);
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return bool(value);
    }
    case PLIST_DATA: {
        char* bytes = nullptr;
        uint64_t length = 0;
        plist_get_data_val(node, &bytes, &length);
        const QByteArray data(bytes, qsizetype(length));
        std::free(bytes);
        return data;
    }
    default:
        return QVariant();
    }
}

Node fromVariant(const QVariant& value, int depth);

Node fromMap(const QVariantMap& map, int depth)
{
    Node node(plist_new_dict());
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        Node item = fromVariant(entry.value(), depth + 1);
        if (!item)
            return nullptr;
        plist_dict_set_item(node.get(), entry.key().toUtf8().constData(), item.release());
    }
    return node;
}

Node fromList(const QVariantList& list, int depth)
{
    Node node(plist_new_array());
    for (const QVariant& element : list) {
        Node item = fromVariant(element, depth + 1);
        if (!item)
            return nullptr;
        plist_array_append_item(node.get(), item.release());
    }
    return node;
}

// Null for a value no property list can hold.
Node fromVariant(const QVariant& value, int depth)
{
    if (depth > kDeepestNesting)
        return nullptr;
    switch (value.typeId()) {
    case QMetaType::QVariantMap:
        return fromMap(value.toMap(), depth);
    case QMetaType::QVariantList:
        return fromList(value.toList(), depth);
    case QMetaType::Int:
    case QMetaType::LongLong:
        return Node(plist_new_uint(uint64_t(value.toLongLong())));
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return Node(plist_new_uint(value.toULongLong()));
    case QMetaType::Float:
    case QMetaType::Double:
        return Node(plist_new_real(value.toDouble()));
    case QMetaType::QString:
        return Node(plist_new_string(value.toString().toUtf8().constData()));
    case QMetaType::Bool:
        return Node(plist_new_bool(value.toBool() ? 1 : 0));
    case QMetaType::QByteArray: {
        const QByteArray data = value.toByteArray();
        return Node(plist_new_data(data.constData(), uint64_t(data.size())));
    }
    default:
        return nullptr;
    }
}

} // namespace

std::optional<QVariantMap> PropertyListFile::readDictionary(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists()) {
        setError(error, MainBundle::localizedString("%1 不存在").arg(path));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, MainBundle::localizedString("%1 无法读取：%2").arg(path, file.errorString()));
        return std::nullopt;
    }
    // Read no more than one byte past the limit: the size of a device or pipe says nothing.
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        setError(error, MainBundle::localizedString("%1 太大，不是属性列表").arg(path));
        return std::nullopt;
    }
    QString parseError;
    std::optional<QVariantMap> dictionary = parseDictionary(bytes, &parseError);
    if (!dictionary)
        setError(error, MainBundle::localizedString("%1 无法使用：%2").arg(path, parseError));
    return dictionary;
}

std::optional<QVariantMap> PropertyListFile::parseDictionary(const QByteArray& bytes, QString* error)
{
    if (bytes.isEmpty() || bytes.size() > kLargestFile) {
        setError(error, MainBundle::localizedString("它不是属性列表"));
        return std::nullopt;
    }
    plist_t parsed = nullptr;
    plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &parsed);
    const Node root(parsed);
    if (!root) {
        setError(error, MainBundle::localizedString("它不是属性列表"));
        return std::nullopt;
    }
    if (plist_get_node_type(root.get()) != PLIST_DICT) {
        setError(error, MainBundle::localizedString("其中没有字典"));
        return std::nullopt;
    }
    return toMap(root.get(), 0);
}

bool PropertyListFile::writeDictionary(const QString& path, const QVariantMap& dictionary, QString* error)
{
    const Node root = fromMap(dictionary, 0);
    if (!root) {
        setError(error, MainBundle::localizedString("有一个值无法存入属性列表"));
        return false;
    }
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(root.get(), &xml, &length);
    const QByteArray bytes(xml, xml ? qsizetype(length) : 0);
    plist_to_xml_free(xml);
    if (bytes.isEmpty()) {
        setError(error, MainBundle::localizedString("属性列表无法生成"));
        return false;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        setError(error, MainBundle::localizedString("%1 无法写入：%2").arg(path, file.errorString()));
        return false;
    }
    return true;
}
