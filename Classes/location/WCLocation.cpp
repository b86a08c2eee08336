#include "location/WCLocation.h"

#include "location/WCLocationDelegate.h"

#include <QPointer>

#include <utility>

namespace {

std::unique_ptr<QGeoPositionInfoSource> machineSource()
{
    return std::unique_ptr<QGeoPositionInfoSource>(QGeoPositionInfoSource::createDefaultSource(nullptr));
}

// Qt's sources take the methods to use rather than an accuracy in metres.
QGeoPositionInfoSource::PositioningMethods methodsFor(double accuracy)
{
    return accuracy <= WCLocation::kSatelliteAccuracy
        ? QGeoPositionInfoSource::AllPositioningMethods
        : QGeoPositionInfoSource::NonSatellitePositioningMethods;
}

} // namespace

WCLocation::WCLocation()
    : m_sourceFactory(machineSource)
{ }

WCLocation::~WCLocation()
{
    stopUpdatingLocation();
}

WCLocation* WCLocation::sharedWCLocation()
{
    static WCLocation shared;
    return &shared;
}

bool WCLocation::LocationEnabled()
{
    return sharedWCLocation()->m_sourceFactory() != nullptr;
}

// Qt Positioning reports where the machine is and the direction it travels in, never where it
// points: there is no compass to ask.
bool WCLocation::LocationHeadingAvailable()
{
    return false;
}

void WCLocation::setSourceFactory(SourceFactory factory)
{
    m_sourceFactory = std::move(factory);
}

void WCLocation::initLocalService()
{
    if (m_sourceFactory())
        return;
    emit alertRequested(QStringLiteral("Location Services Disabled"),
        QStringLiteral("You currently have all location services for this device disabled. If you "
                       "proceed, you will be asked to confirm whether location services should be "
                       "reenabled."),
        QStringLiteral("OK"));
}

bool WCLocation::startUpdatingLocation()
{
    if (m_isLuanching)
        return true;
    m_locationManager = makeManager();
    if (!m_locationManager) {
        // As a platform without positions would answer the start.
        didFail();
        return true;
    }
    m_lastLocation = QGeoCoordinate();
    m_isLuanching = true;
    m_locationManager->startUpdates();
    return true;
}

void WCLocation::stopUpdatingLocation()
{
    if (!m_isLuanching)
        return;
    m_isLuanching = false;
    m_locationManager->stopUpdates();
    m_locationManager.reset();
}

void WCLocation::SetDesiredAccuracy(double metres)
{
    if (metres == m_desiredAccuracy)
        return;
    m_desiredAccuracy = metres;
    if (m_isLuanching)
        m_locationManager->setPreferredPositioningMethods(methodsFor(metres));
}

// Qt's sources have no distance filter: the service applies it to what it hands on, so a new
// value holds for a running source from its next position on.
void WCLocation::SetDistanceFilter(double metres)
{
    if (metres == m_distanceFilter)
        return;
    m_distanceFilter = metres;
}

bool WCLocation::startUpdatingHeading()
{
    if (!m_locationManager)
        m_locationManager = makeManager();
    return LocationHeadingAvailable();
}

// Heading updates never start (see LocationHeadingAvailable), so there is nothing to stop.
void WCLocation::stopUpdatingHeading() { }

// The source reports through queued connections: it may report from inside startUpdates(), and
// a delegate that stops the updates on a report must not delete the source under its own feet.
// A report that arrives after its source was stopped is dropped.
std::unique_ptr<QGeoPositionInfoSource> WCLocation::makeManager()
{
    std::unique_ptr<QGeoPositionInfoSource> source = m_sourceFactory();
    if (!source)
        return nullptr;
    source->setPreferredPositioningMethods(methodsFor(m_desiredAccuracy));
    const QPointer<QGeoPositionInfoSource> from(source.get());
    connect(
        source.get(), &QGeoPositionInfoSource::positionUpdated, this,
        [this, from](const QGeoPositionInfo& info) {
            if (isCurrent(from))
                didUpdateToLocation(info.coordinate());
        },
        Qt::QueuedConnection);
    connect(
        source.get(), &QGeoPositionInfoSource::errorOccurred, this,
        [this, from](QGeoPositionInfoSource::Error error) {
            if (error != QGeoPositionInfoSource::NoError && isCurrent(from))
                didFail();
        },
        Qt::QueuedConnection);
    return source;
}

bool WCLocation::isCurrent(const QGeoPositionInfoSource* source) const
{
    return m_isLuanching && source && source == m_locationManager.get();
}

void WCLocation::didUpdateToLocation(const QGeoCoordinate& location)
{
    if (!location.isValid())
        return;
    if (m_distanceFilter > 0 && m_lastLocation.isValid()
        && m_lastLocation.distanceTo(location) < m_distanceFilter)
        return;
    const QGeoCoordinate previous = std::exchange(m_lastLocation, location);
    if (m_delegate)
        m_delegate->Location(location, previous);
}

void WCLocation::didFail()
{
    stopUpdatingLocation();
    if (m_delegate)
        m_delegate->localtionError({ QLatin1String(kErrorDomain), kErrorCode });
}
