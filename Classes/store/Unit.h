#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

// A unit system: the labels of a car's distances, volumes and consumption, and by its number
// the kind of consumption figure the car's reports show. The systems form one shared, read-only
// list, kept in Unit_Info.plist in the documents directory.
class Unit
{
public:
    enum class ConsumptionKind
    {
        DistancePerVolume, // distance ÷ volume (km/L, mpg)
        VolumePerHundredDistance, // volume × 100 ÷ distance (L/100km)
        None // no figure: it shows as 0
    };

    unsigned dNumber = 0;
    QString UnitName; // names the consumption unit
    QString MileageUnit; // distance label
    QString VolumnUnit; // volume label

    // True when other is present and has the same number and labels.
    bool isEqualToUnit(const Unit* other) const;

    // The cost per distance unit, "%@%@/%@": the amount with the user's precision, the currency
    // symbol and the distance label. 0 when the distance is not above 0.
    QString unitCostPeMileageFrom(double distance, double total) const;

    ConsumptionKind consumptionKind() const;
    // 0, 5 and 6 distance per volume; 1 to 4 volume per 100 distance units; any other none.
    static ConsumptionKind consumptionKindForNumber(unsigned number);

    // Entries are held by pointer so that cars can point at their unit system for the whole run.
    using List = std::vector<std::unique_ptr<Unit>>;

    // The unit list, loaded once per session (Session) from the documents copy (seeded on first use). Empty
    // when the copy is missing, unreadable or not a unit list; a system that cannot be read in
    // full keeps its place, numbered by it, with the labels it could read.
    static List& UnitList();

    // The unit system at that position; the first one when the position is outside the list,
    // and nullptr when the list is empty.
    static Unit* unitAtPosition(qint64 position);
    // The unit, or a unit with empty labels for a car without one (an empty unit list).
    static const Unit& orNone(const Unit* unit);

    // What went wrong reading the list's file; empty when nothing did.
    static QString listErrorString();
};
