#pragma once

#include "location/WCLocationDelegate.h"
#include "screens/wizard/CarDisplacementViewController.h"
#include "widgets/AppWindow.h"
#include "widgets/ApplicationDelegate.h"
#include "widgets/NavigationController.h"
#include "widgets/TabBarController.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <mutex>
#include <optional>

class CarInfo;
class Notification;

// The application's delegate: it prepares the store on launch, shows the setup wizard at the
// first start and the main tabs otherwise, turns a finished wizard into a stored car, and keeps
// the last known position for the screens that record one.
class PumporaAppDelegate : public QObject, public ApplicationDelegate, public WCLocationDelegate
{
    Q_OBJECT

public:
    // Posted by the wizard's last step, with the navigation controller that shows the wizard.
    static constexpr const char* kSetupWizardCompleteNotification
        = CarDisplacementViewController::kSetupWizardComplete;

    // Tab positions of the main tabs.
    enum Tab
    {
        OverviewTab = 0,
        ReportTab = 1,
        HistoryTab = 2,
        SettingsTab = 3
    };

    struct Coordinate
    {
        double latitude = 0;
        double longitude = 0;
    };

    PumporaAppDelegate();
    ~PumporaAppDelegate() override;

    // The shared application's delegate.
    static PumporaAppDelegate* appDelegate();

    AppWindow* window() const { return m_window.get(); }
    NavigationController* mainNavController() const { return m_mainNavController; }
    TabBarController* mainTabBarController() const { return m_mainTabBarController; }

    bool didFinishLaunchingWithOptions() override;
    // A phone app sent to the background ends; every return is a fresh start. Every editor has
    // stored its changes when the user confirmed them, so nothing is lost.
    void applicationDidEnterBackground() override;

    void setupDone(const Notification& notification);

    // The last known position; 0/0 when none is known.
    double currentLatitude() const;
    double currentlongitude() const;
    void setMCoord(Coordinate coordinate);
    void clearCoord();
    // Fixes taken so far this run. Counted rather than timed: a screen that notes the count
    // when it opens knows whether the cached position came after it, even when the clock is
    // set back or the fix repeats the cached position.
    quint64 fixesTaken() const;
    // The cached position when more than `fixesTakenBefore` fixes were taken, else none.
    std::optional<Coordinate> positionSince(quint64 fixesTakenBefore) const;

    // Position capture on the shared location service, whose delegate this is. A start asks
    // for positions while the preference GPSFlag is on; the first fix is kept and ends the
    // updates. A machine without a position source is told so once per run.
    void Location(const QGeoCoordinate& newLocation, const QGeoCoordinate& oldLocation) override;
    void localtionError(const LocationError& error) override;
    void InitLocationService();
    void startLocationService();
    void stopLocationService();

    // Told by the car information screen after a car was removed, with the car beside it in the
    // list, which becomes the current and default car.
    void updateCurrentCarInfo(CarInfo* car);

private:
    static QList<ViewController*> makeTabScreens();
    static ViewController* makeTabScreen(Tab tab);
    static ViewController* makeSetupWizard(CarInfo* car);
    void showLaunchFailure(const QString& error);
    void showDamagedListsIfAny();
    void showLocationAlertOnce(const QString& title, const QString& message, const QString& buttonTitle);

    std::unique_ptr<AppWindow> m_window;
    QPointer<NavigationController> m_mainNavController;
    QPointer<TabBarController> m_mainTabBarController;
    mutable std::mutex m_coordinateLock;
    Coordinate m_coordinate;
    quint64 m_fixesTaken = 0;
    bool m_locationAlertShown = false;
};
