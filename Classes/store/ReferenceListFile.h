#pragma once

#include "store/ReferenceList.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <memory>
#include <optional>
#include <vector>

// The documents directory's copy of one of the reference lists (fuel grades, unit systems):
// NAME.plist, seeded from the bundled NAME.plist on first use, a dictionary whose KEY holds the
// records as an array of dictionaries.
class ReferenceListFile
{
public:
    ReferenceListFile(const QString& name, const QString& key);

    QString path() const;

    // The array's elements in file order, the copy seeded first when it is missing. Empty when
    // the copy is missing, unreadable or not of that shape; each such fault is added to errors.
    QVariantList readElements(QStringList* errors) const;

    // Replaces the copy with these records in one step; false leaves it as it was.
    bool writeElements(const QVariantList& elements, QString* error) const;

    // Keeps the copy as it is now beside it (NAME.plist.damaged), so that writing a list that
    // could not be read in full loses nothing; true when there is no copy to keep.
    bool keepDamagedCopy(QString* error) const;

    // Reads the copy into an empty list, one record per element in file order. read(element,
    // record) sets the fields it can read and answers whether it read them all. A record it
    // could not read in full keeps its element's position all the same, numbered by it, and the
    // rest of its fields keep a new record's values: records are found by position, so leaving
    // one out would hand every later car and fill-up the next record. notReadInFull says so
    // for the record at position %1.
    template <typename Record, typename Reader>
    void load(ReferenceList<Record>& list, const QString& notReadInFull, Reader read) const
    {
        QStringList errors;
        const QVariantList elements = readElements(&errors);
        for (qsizetype position = 0; position < elements.size(); ++position) {
            auto record = std::make_unique<Record>();
            record->dNumber = unsigned(position);
            if (!read(elements.at(position).toMap(), *record))
                errors.append(notReadInFull.arg(position));
            list.records.push_back(std::move(record));
        }
        list.loaded = true;
        list.readInFull = errors.isEmpty();
        list.errorString = errors.join(QStringLiteral("; "));
    }

    // The typed fields of one record; nullopt when the key is missing or holds something else.
    // Numbers may be written as integers, reals or numeric strings, as other writers do. A
    // number must be whole, from 0 to the largest unsigned int; a real must fit a finite float.
    static std::optional<unsigned> numberField(const QVariantMap& record, const QString& key);
    static std::optional<float> realField(const QVariantMap& record, const QString& key);
    static std::optional<QString> textField(const QVariantMap& record, const QString& key);

    // The record a stored number names: records are found by position, and a position outside
    // the list names the first record. nullptr for an empty list.
    template <typename Record>
    static Record* recordAtPosition(const std::vector<std::unique_ptr<Record>>& records, qint64 position)
    {
        if (records.empty())
            return nullptr;
        if (position < 0 || position >= qint64(records.size()))
            return records.front().get();
        return records[size_t(position)].get();
    }

private:
    QString m_name;
    QString m_key;
};
