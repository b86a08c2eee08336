#pragma once

#include <QGeoCoordinate>
#include <QGeoPositionInfoSource>
#include <QObject>

#include <functional>
#include <memory>

class WCLocationDelegate;

// The app's one position service: it starts and stops position updates on the machine's
// position source and hands each new position, or a failure, to one delegate.
//
// Stopped -> startUpdatingLocation() -> running -> stopUpdatingLocation(), a failure or the
// service's end -> stopped. Each start makes a fresh source; a start while running changes
// nothing. Main thread only.
class WCLocation : public QObject
{
    Q_OBJECT

public:
    // The values a new service starts with: the best accuracy the source offers, and every
    // movement reported.
    static constexpr double kAccuracyBest = -1;
    static constexpr double kDistanceFilterNone = -1;
    // Up to this many metres every positioning method is asked for, satellites included;
    // coarser accuracies make do with network positioning.
    static constexpr double kSatelliteAccuracy = 100;

    // What the delegate hears of any failure.
    static constexpr const char* kErrorDomain = "CLLocationManager";
    static constexpr int kErrorCode = 1;

    // Makes a position source, or answers null when the machine has none.
    using SourceFactory = std::function<std::unique_ptr<QGeoPositionInfoSource>()>;

    // A service on the machine's default position source, stopped.
    WCLocation();
    ~WCLocation() override;

    // The shared service, made on first use; it lives for the whole run.
    static WCLocation* sharedWCLocation();
    // Whether the shared service finds a position source on this machine.
    static bool LocationEnabled();
    // Whether the machine can report a compass heading.
    static bool LocationHeadingAvailable();

    // Where the sources of later starts come from.
    void setSourceFactory(SourceFactory factory);

    // The source while updates are requested, else null.
    QGeoPositionInfoSource* locationManager() const { return m_locationManager.get(); }
    double distanceFilter() const { return m_distanceFilter; }
    double desiredAccuracy() const { return m_desiredAccuracy; }
    // Not owned; whoever sets it clears it before going.
    WCLocationDelegate* delegate() const { return m_delegate; }
    void setDelegate(WCLocationDelegate* delegate) { m_delegate = delegate; }
    bool isLuanching() const { return m_isLuanching; }

    // Asks for the "Location Services Disabled" alert when the machine has no position source.
    void initLocalService();
    // Always true; a source that cannot be had is reported to the delegate as a failure.
    bool startUpdatingLocation();
    void stopUpdatingLocation();
    // Each is stored when it differs from the stored value, and passed to a running source.
    void SetDesiredAccuracy(double metres);
    void SetDistanceFilter(double metres);
    bool startUpdatingHeading();
    void stopUpdatingHeading();

Q_SIGNALS:
    // The alert initLocalService asks the app to show; it has no delegate. Its texts are keys of
    // the app's string table, which the app shows in the user's language.
    void alertRequested(const QString& title, const QString& message, const QString& buttonTitle);

private:
    std::unique_ptr<QGeoPositionInfoSource> makeManager();
    bool isCurrent(const QGeoPositionInfoSource* source) const;
    void didUpdateToLocation(const QGeoCoordinate& location);
    void didFail();

    std::unique_ptr<QGeoPositionInfoSource> m_locationManager;
    double m_distanceFilter = kDistanceFilterNone;
    double m_desiredAccuracy = kAccuracyBest;
    WCLocationDelegate* m_delegate = nullptr;
    bool m_isLuanching = false;
    SourceFactory m_sourceFactory;
    // The last position handed on since the start; the distance filter measures from it.
    QGeoCoordinate m_lastLocation;
};
