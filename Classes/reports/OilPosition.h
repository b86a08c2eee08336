#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class Oil;

// Where a fill-up was made, as its detail shows it and hands it to a map. Fill-ups made without
// a position are stored at 0/0, which is no position.
class OilPosition
{
public:
    // None for a fill-up stored at 0/0.
    static std::optional<OilPosition> of(const Oil& oil);

    // Signed degrees, latitude first, with five decimals (about a metre): "31.23040, 121.47370".
    // Digits and signs read the same in every language and are what map sites take.
    QString text() const;
    // The OpenStreetMap page with a marker on the position. Handed to the desktop only when the
    // user asks; no position leaves the machine otherwise.
    QUrl mapURL() const;

private:
    OilPosition(double latitude, double longitude);

    double m_latitude;
    double m_longitude;
};
