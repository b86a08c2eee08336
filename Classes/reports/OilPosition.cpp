#include "reports/OilPosition.h"

#include "store/Oil.h"

namespace {

// With a point whatever the locale, as a web address needs it.
QString degrees(double value)
{
    return QString::number(value, 'f', 5);
}

} // namespace

OilPosition::OilPosition(double latitude, double longitude)
    : m_latitude(latitude)
    , m_longitude(longitude)
{ }

std::optional<OilPosition> OilPosition::of(const Oil& oil)
{
    if (oil.dlatitude == 0 && oil.dlongitude == 0)
        return std::nullopt;
    return OilPosition(oil.dlatitude, oil.dlongitude);
}

QString OilPosition::text() const
{
    return degrees(m_latitude) + QStringLiteral(", ") + degrees(m_longitude);
}

QUrl OilPosition::mapURL() const
{
    const QString latitude = degrees(m_latitude);
    const QString longitude = degrees(m_longitude);
    return QUrl(QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=16/%1/%2")
                    .arg(latitude, longitude));
}
