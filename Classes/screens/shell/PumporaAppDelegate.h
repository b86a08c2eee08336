#pragma once

#include "screens/wizard/CarDisplacementViewController.h"
#include "widgets/AppWindow.h"
#include "widgets/ApplicationDelegate.h"
#include "widgets/NavigationController.h"
#include "widgets/TabBarController.h"

#include <QGeoCoordinate>
#include <QGeoPositionInfoSource>
#include <QObject>
#include <QPointer>

#include <memory>
#include <mutex>

class CarInfo;
class Notification;

// The application's delegate: it prepares the store on launch, shows the setup wizard at the
// first start and the main tabs otherwise, turns a finished wizard into a stored car, and keeps
// the last known position for the screens that record one.
class PumporaAppDelegate : public QObject, public ApplicationDelegate
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

    // Position capture, started and stopped by the settings' position switch. No location
    // service is connected to them yet, so they do nothing and new fill-ups are stored at 0/0;
    // a fix that arrives is kept all the same.
    void Location(const QGeoCoordinate& newLocation, const QGeoCoordinate& oldLocation);
    void localtionError(QGeoPositionInfoSource::Error error);
    void InitLocationService();
    void startLocationService();
    void stopLocationService();

    // Told by the car information screen after a car was removed, with the car beside it in the
    // list, which becomes the current and default car.
    void updateCurrentCarInfo(CarInfo* car);

private:
    static QList<ViewController*> makeTabScreens();
    static ViewController* makeSetupWizard(CarInfo* car);
    void showLaunchFailure(const QString& reason);
    void showDamagedListsIfAny();

    std::unique_ptr<AppWindow> m_window;
    QPointer<NavigationController> m_mainNavController;
    QPointer<TabBarController> m_mainTabBarController;
    mutable std::mutex m_coordinateLock;
    Coordinate m_coordinate;
};
