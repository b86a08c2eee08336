#pragma once

#include "platform/Date.h"

#include <QString>

#include <optional>

class OilInfo;

// One fill-up: when, how much, at what price, of which grade, at which odometer reading and
// where. Amounts and distances are in the units of its car's unit system.
class Oil
{
public:
    double oilID = 0; // the row's key; 0 until inserted
    QString carID; // the owning car's key (set by queries; inserts use the car's own key)
    std::optional<Date> date;
    double oilVolumn = 0;
    double dUnitPrice = 0;
    double dTotal = 0;
    OilInfo* mOilInfo = nullptr; // the grade filled, an entry of the shared grade list
    double dCarDisplacement = 0; // odometer reading at the fill-up
    QString notes; // a null string when there is no note
    double dlongitude = 0;
    double dlatitude = 0;

    // Rewrites the fill-up's row (the car key and the position stay as inserted); true when the
    // statement completed, also for a fill-up never inserted, which matches no row; else the
    // reason in *error.
    bool update(QString* error = nullptr);
    // Deletes the fill-up's row; true when the statement completed, else the reason in *error.
    bool remove(QString* error = nullptr);
    // A diagnostic text of the record, for logs.
    QString description() const;
};

// Its members can be moved in memory as they are, so lists of thousands of fill-ups grow by
// reallocating rather than by copying each record.
Q_DECLARE_TYPEINFO(Oil, Q_RELOCATABLE_TYPE);
