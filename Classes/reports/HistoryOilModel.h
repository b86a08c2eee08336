#pragma once

#include "store/Oil.h"

#include <QAbstractItemModel>
#include <QList>
#include <QString>

class CarInfo;

// The history tab's list: a car's fill-ups of the statistics period, oldest first, in one
// section per calendar month (the device's calendar and time zone), oldest month first. The
// sections are the top-level rows, headed by the month and the month's cost per distance; the
// fill-ups are their children. A row's texts are made only when a view asks for them, so that a
// log of a hundred thousand fill-ups opens in about the time it takes to read it.
class HistoryOilModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    // A fill-up's texts, in the car's units with the user's precision. Qt::DisplayRole gives a
    // section's header, and a fill-up's texts in one line for screen readers.
    enum Role
    {
        DayRole = Qt::UserRole + 1, // the day of the month
        WeekRole, // the short weekday name
        WeekendRole, // bool: a Saturday or a Sunday
        MilesRole, // the odometer reading, whole, with the distance label
        PriceRole, // the price per volume unit with the currency symbol
        MoneyRole, // the total with the currency symbol
        VolumnRole, // total ÷ price (0 at a price of 0) with the volume label
    };

    explicit HistoryOilModel(QObject* parent = nullptr);

    // Reads the car's fill-ups and month figures afresh. False, with the reason in
    // errorString() and no section, when the log cannot be read.
    bool read(const CarInfo& car);
    QString errorString() const { return m_errorString; }

    int sectionCount() const { return int(m_sections.size()); }
    // "MMM yyyy" of the section's first fill-up and, when the month has figures, its cost per
    // distance: "%@(%@)".
    QString titleForHeaderInSection(int section) const;
    // The fill-up of a row; null for a section's header or an index of no row.
    const Oil* oil(const QModelIndex& index) const;
    // The row of the fill-up with that key; invalid when there is none.
    QModelIndex indexOfOil(double oilID) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Fill-ups are selectable; headers are not.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Section
    {
        qsizetype first; // position of its first fill-up in m_oils
        qsizetype count;
        QString title;
    };

    void cutIntoSections();
    QString fillUpText(const Oil& oil, int role) const;

    QList<Oil> m_oils;
    QList<Section> m_sections;
    QString m_mileageUnit;
    QString m_volumnUnit;
    QString m_currency;
    QString m_errorString;
};
