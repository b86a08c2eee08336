#pragma once

#include "platform/Date.h"
#include "store/Oil.h"

#include <QString>

#include <optional>

class CarInfo;

// A fill-up as the entry screen shows and takes it, new or changed. The three amounts are texts
// as typed; typing the total or the price works out the volume, typing the volume works out the
// price, each only once a total is there, so that a price or volume typed first is not wiped.
// An amount left as it was shown keeps its stored value rather than its rounded text, and an
// odometer never turned keeps its reading. Choosing another day keeps the time of day the
// fill-up started from, so that fill-ups of one day keep their order.
class OilEntryForm
{
public:
    static constexpr int kMaxAmountLength = 8;

    enum class Field
    {
        Date,
        Spec,
        Price,
        Volumn,
        Total,
        Miles,
        Notes
    };

    // A new fill-up of the car: now, the car's grade at its default price, the car's last
    // odometer reading. The car must outlive the form.
    OilEntryForm(CarInfo& car, Date now, double lastMiles);
    // A change of a stored fill-up of the car; the record is changed only once it is stored.
    OilEntryForm(CarInfo& car, Oil& stored);

    bool isChange() const { return m_stored != nullptr; }
    CarInfo& car() const { return *m_car; }

    // What a field shows: the date as "yyyy-MM-dd", the grade's name, the amounts as typed or
    // worked out, the reading as a whole number, the note.
    QString text(Field field) const;
    // Takes what was typed into an amount or the note, and works out the third amount.
    void setText(Field field, const QString& text);

    Date date() const { return m_oil.date.value_or(Date(0)); }
    // The chosen day, at the time of day the fill-up started from.
    void setDay(Date day);

    // The grade's position in the grade list.
    int gradeRow() const { return m_gradeRow; }
    // Takes the grade with its default price and works out the volume.
    void chooseGrade(int row);

    double miles() const;
    void setMiles(qint64 reading);

    // Where a new fill-up is made, in degrees; 0/0, the default, when unknown. A change keeps
    // the position its fill-up was stored with.
    void setPosition(double latitude, double longitude);

    struct Refusal
    {
        Field field;
        QString title;
        QString message;
    };
    // Why the fill-up cannot be saved, checked in this order: no total, no price, no volume, a
    // volume above the car's tank. None when it can.
    std::optional<Refusal> refusal() const;

    // Stores the fill-up: inserts a new one through the car, or rewrites the changed one and
    // then copies it into the record. False, with nothing changed in memory and the message to
    // show in *error, when refused or when the store did not take it. Once a new fill-up is
    // stored, a price other than its grade's default becomes the default and its grade the car's;
    // what of that could not be kept is said by notKept().
    bool save(QString* error);
    // After save(): the message about the grade's price or the car's grade that could not be
    // written, else empty.
    QString notKept() const { return m_notKept; }
    // After save(): the fill-up as stored, with its key.
    const Oil& oil() const { return m_oil; }

    // The statistics period keeps only fill-ups after its start: the start that would take the
    // saved fill-up in (the beginning of its day), or none when it is in already.
    std::optional<Date> startIncludingOil() const;

private:
    struct Amount
    {
        QString text;
        QString shown;
        double stored = 0;
        double value() const;
        void show(const QString& shownText, double storedValue);
    };

    Amount* amount(Field field);
    const Amount* amount(Field field) const;
    void workOut(Field typed);
    void saveDefaults();

    CarInfo* m_car;
    Oil* m_stored = nullptr;
    // The fill-up being entered; the stored record gets it only once it is saved.
    Oil m_oil;
    Amount m_price;
    Amount m_volumn;
    Amount m_total;
    int m_gradeRow = 0;
    double m_startMiles = 0;
    std::optional<qint64> m_turnedMiles;
    QString m_notKept;
};
