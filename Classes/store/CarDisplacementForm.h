#pragma once

#include <QString>
#include <QStringList>

class CarInfo;

// A car's tank volume, engine displacement and default grade as their editor shows and takes
// them. The amounts show with their decimals, as typed; an amount left as it was shown keeps
// the car's value exactly. The grade is a row of the grade list, the car's own to begin with.
class CarDisplacementForm
{
public:
    explicit CarDisplacementForm(const CarInfo& car);

    QString maxVolumnText;
    QString capacityText;
    // The position in OilInfo::OilInfoDList(): the car's grade, or the first for a car without.
    int gradeRow = 0;

    // The grade list's names, one per row.
    static QStringList gradeNames();

    // A tank volume above 0 was entered.
    bool hasMaxVolumn() const;

    // Puts the tank, the displacement and the grade into the car. False, with the car as it
    // was, when no tank volume above 0 was entered.
    bool applyTo(CarInfo& car) const;

private:
    // The stored value when the text is still the one shown for it, else the typed value.
    static float valueOf(const QString& text, const QString& shown, float stored);

    QString m_shownMaxVolumn;
    QString m_shownCapacity;
    float m_maxVolumn;
    float m_capacity;
};
