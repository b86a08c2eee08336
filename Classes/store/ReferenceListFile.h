#pragma once

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
    // the copy is missing, unreadable or not of that shape; each such fault is added to problems.
    QVariantList readElements(QStringList* problems) const;

    // Replaces the copy with these records in one step; false leaves it as it was.
    bool writeElements(const QVariantList& elements, QString* problem) const;

    // Keeps the copy as it is now beside it (NAME.plist.damaged), so that writing a list that
    // could not be read in full loses nothing; true when there is no copy to keep.
    bool keepDamagedCopy(QString* problem) const;

    // The typed fields of one record; nullopt when the key is missing or holds another kind.
    // A number must be a whole number from 0 to the largest unsigned int; a real may be written
    // as an integer and must fit a finite float.
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
