#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <optional>

// Property lists as Qt values. Reading takes XML or binary lists; writing makes XML. Dictionaries
// are QVariantMap, arrays QVariantList, integers qint64, reals double, strings QString, booleans
// bool and data QByteArray; dates and other kinds read as an invalid QVariant.
class PropertyListFile
{
public:
    // The dictionary at the root of the file; nullopt, with the reason in *error, when the file
    // is missing, unreadable, not a property list, or holds something else than a dictionary.
    static std::optional<QVariantMap> readDictionary(const QString& path, QString* error = nullptr);
    static std::optional<QVariantMap> parseDictionary(const QByteArray& bytes, QString* error = nullptr);

    // Replaces the file with the dictionary in one step (temporary file and rename); false, with
    // the reason in *error, leaves the file as it was.
    static bool writeDictionary(const QString& path, const QVariantMap& dictionary, QString* error = nullptr);
};
