#pragma once

#include "location/LocationError.h"

#include <QGeoCoordinate>

// Told what the location service finds. Both operations are optional: one that is not
// overridden ignores the news.
class WCLocationDelegate
{
public:
    virtual ~WCLocationDelegate() = default;

    // Position updates failed and have stopped.
    virtual void localtionError(const LocationError& error) { Q_UNUSED(error); }

    // A new position; `oldLocation` is the one reported before it since the updates started,
    // invalid for the first.
    virtual void Location(const QGeoCoordinate& newLocation, const QGeoCoordinate& oldLocation)
    {
        Q_UNUSED(newLocation);
        Q_UNUSED(oldLocation);
    }
};
