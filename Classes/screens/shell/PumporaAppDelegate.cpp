#include "screens/shell/PumporaAppDelegate.h"

#include "location/WCLocation.h"
#include "platform/DesktopUrlHandler.h"
#include "platform/MainBundle.h"
#include "platform/Notification.h"
#include "platform/NotificationCenter.h"
#include "platform/XdgEmailComposer.h"
#include "screens/history/HistoryOilViewController.h"
#include "screens/overview/MainViewController.h"
#include "screens/report/ReprotViewController.h"
#include "screens/settings/SettingViewController.h"
#include "screens/shell/PlaceholderViewController.h"
#include "screens/wizard/RootViewController.h"
#include "store/CarInfo.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "store/StoreStatement.h"
#include "store/Unit.h"
#include "store/Utility.h"
#include "widgets/AlertView.h"
#include "widgets/AppWindow.h"
#include "widgets/Application.h"
#include "widgets/NavigationController.h"
#include "widgets/TabBar.h"
#include "widgets/TabBarController.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdlib>

namespace {

// Why the app could not start; the window shows it too.
Q_LOGGING_CATEGORY(lcApp, "pumpora.app")
// The position source's failures; the fill-up keeps the position it has.
Q_LOGGING_CATEGORY(lcLocation, "pumpora.location")

} // namespace

PumporaAppDelegate::PumporaAppDelegate()
{
    connect(WCLocation::sharedWCLocation(), &WCLocation::alertRequested, this,
        &PumporaAppDelegate::showLocationAlertOnce);
}

PumporaAppDelegate::~PumporaAppDelegate()
{
    NotificationCenter::defaultCenter()->removeObserver(this);
    WCLocation* location = WCLocation::sharedWCLocation();
    if (location->delegate() == this) {
        location->stopUpdatingLocation();
        location->setDelegate(nullptr);
    }
}

PumporaAppDelegate* PumporaAppDelegate::appDelegate()
{
    Application* application = Application::sharedApplication();
    return application ? dynamic_cast<PumporaAppDelegate*>(application->delegate()) : nullptr;
}

// The mail and web hand-offs go to the desktop's own programs.
ViewController* PumporaAppDelegate::makeTabScreen(Tab tab)
{
    switch (tab) {
    case OverviewTab:
        return new MainViewController;
    case ReportTab:
        return new ReprotViewController(std::make_unique<XdgEmailComposer>());
    case HistoryTab:
        return new HistoryOilViewController(std::make_shared<DesktopUrlHandler>());
    case SettingsTab:
        return new SettingViewController(
            std::make_shared<XdgEmailComposer>(), std::make_shared<DesktopUrlHandler>());
    }
    Q_UNREACHABLE();
    return nullptr;
}

QList<ViewController*> PumporaAppDelegate::makeTabScreens()
{
    const char* const titles[] = { "油耗概述", "油耗报表", "历史记录", "偏好设置" };
    const char* const icons[]
        = { "tab_overview.png", "tab_report.png", "tab_history.png", "tab_settings.png" };
    QList<ViewController*> screens;
    for (int tab = OverviewTab; tab <= SettingsTab; ++tab) {
        const QString title = MainBundle::localizedString(titles[tab]);
        ViewController* screen = makeTabScreen(Tab(tab));
        screen->setTabBarItem(title, MainBundle::imageNamed(QLatin1String(icons[tab])));
        screens << screen;
    }
    return screens;
}

// The wizard's first step, on the car being set up.
ViewController* PumporaAppDelegate::makeSetupWizard(CarInfo* car)
{
    auto* firstStep = new RootViewController;
    firstStep->setTitle(MainBundle::localizedString("Setup Wizard"));
    firstStep->setCarInfo(car);
    return firstStep;
}

bool PumporaAppDelegate::didFinishLaunchingWithOptions()
{
    m_window = std::make_unique<AppWindow>();
    m_mainNavController = new NavigationController;
    m_window->setRootViewController(m_mainNavController);
    // Not on the navigation stack yet: the window keeps it until it is.
    m_mainTabBarController = new TabBarController(m_window.get());
    m_mainTabBarController->hide();
    m_mainTabBarController->setViewControllers(makeTabScreens());

    // A log that cannot be read is shown as such: taken for an empty one, it would open the
    // setup wizard over the user's cars.
    QString error;
    if (!Utility::copyDatabase(&error)) {
        showLaunchFailure(error);
        return false;
    }
    Utility::getCurrencySybol();
    CarManage* cars = CarManage::sharedCarManage();
    if (!cars->loadDefaultCar(&error)) {
        showLaunchFailure(error);
        return false;
    }
    m_mainTabBarController->tabBar()->setBackgroundImage(MainBundle::imageNamed(QStringLiteral("tab.png")));
    NotificationCenter::defaultCenter()->addObserver(this, QLatin1String(kSetupWizardCompleteNotification),
        [this](const Notification& notification) { setupDone(notification); });

    const CarInfo* current = cars->mCurrentCarInfo();
    if (current && !current->carID.isEmpty()) {
        m_mainNavController->setViewControllers({ m_mainTabBarController }, false);
    } else {
        cars->createNewCar();
        m_mainNavController->setViewControllers({ makeSetupWizard(cars->mNewCarInfo()) }, false);
    }
    m_window->makeKeyAndVisible();
    // In the window, over the screen it opened on, rather than in a window of its own before it.
    showDamagedListsIfAny();
    return true;
}

void PumporaAppDelegate::showLaunchFailure(const QString& error)
{
    qCCritical(lcApp).noquote() << "the fuel log cannot be opened:" << error;
    m_mainNavController->setViewControllers(
        { new PlaceholderViewController(QStringLiteral("Pumpora")) }, false);
    m_window->makeKeyAndVisible();
    AlertView* alert = AlertView::showAlertWithTitle(
        MainBundle::localizedString("无法打开油耗记录"), error, MainBundle::localizedString("退出"));
    connect(alert, &AlertView::clickedButtonAtIndex, qApp, [] { QCoreApplication::exit(EXIT_FAILURE); });
}

// A grade or unit list that could not be read in full shows fewer choices; the user should know
// why, and that a damaged grade list is kept aside before it is ever written again.
void PumporaAppDelegate::showDamagedListsIfAny()
{
    QStringList errors;
    for (const QString& error : { OilInfo::listErrorString(), Unit::listErrorString() }) {
        if (!error.isEmpty()) {
            qCWarning(lcStore).noquote() << error;
            errors << error;
        }
    }
    if (errors.isEmpty())
        return;
    AlertView::showOKWithTitle(
        MainBundle::localizedString("部分资料无法读取"), errors.join(QLatin1Char('\n')));
}

void PumporaAppDelegate::applicationDidEnterBackground()
{
    QCoreApplication::exit(EXIT_SUCCESS);
}

// The car is stored before the wizard goes: when the store refuses it, the wizard stays open
// with everything entered, and the user can try again.
void PumporaAppDelegate::setupDone(const Notification& notification)
{
    CarManage* cars = CarManage::sharedCarManage();
    const bool firstRun = notification.object() == m_mainNavController;
    if (!cars->saveNewCar(firstRun)) {
        AlertView::showError(MainBundle::localizedString("车辆无法保存，请再试一次。"));
        return;
    }
    if (firstRun) {
        m_mainNavController->setViewControllers({ m_mainTabBarController }, true);
        return;
    }
    if (auto* wizard = qobject_cast<ViewController*>(notification.object()))
        wizard->dismissModalViewControllerAnimated(true);
    AlertView::showAlertWithTitle(MainBundle::localizedString("确定"),
        MainBundle::localizedString("车辆添加成功!\n请到油耗概述页面切换车辆"),
        MainBundle::localizedString("确定"));
}

double PumporaAppDelegate::currentLatitude() const
{
    const std::lock_guard<std::mutex> guard(m_coordinateLock);
    return m_coordinate.latitude;
}

double PumporaAppDelegate::currentlongitude() const
{
    const std::lock_guard<std::mutex> guard(m_coordinateLock);
    return m_coordinate.longitude;
}

void PumporaAppDelegate::setMCoord(Coordinate coordinate)
{
    const std::lock_guard<std::mutex> guard(m_coordinateLock);
    if (coordinate.latitude == m_coordinate.latitude && coordinate.longitude == m_coordinate.longitude)
        return;
    m_coordinate = coordinate;
}

void PumporaAppDelegate::clearCoord()
{
    const std::lock_guard<std::mutex> guard(m_coordinateLock);
    m_coordinate = Coordinate();
}

quint64 PumporaAppDelegate::fixesTaken() const
{
    const std::lock_guard<std::mutex> guard(m_coordinateLock);
    return m_fixesTaken;
}

std::optional<PumporaAppDelegate::Coordinate> PumporaAppDelegate::positionSince(
    quint64 fixesTakenBefore) const
{
    const std::lock_guard<std::mutex> guard(m_coordinateLock);
    if (m_fixesTaken <= fixesTakenBefore)
        return std::nullopt;
    return m_coordinate;
}

void PumporaAppDelegate::Location(const QGeoCoordinate& newLocation, const QGeoCoordinate&)
{
    setMCoord({ newLocation.latitude(), newLocation.longitude() });
    {
        const std::lock_guard<std::mutex> guard(m_coordinateLock);
        ++m_fixesTaken;
    }
    stopLocationService();
}

// The updates have ended; the fill-up being entered keeps the position it has (0/0 when none
// came). The settings switch and the next fill-up start them again.
void PumporaAppDelegate::localtionError(const LocationError& error)
{
    qCWarning(lcLocation).noquote() << QStringLiteral(
        "position updates stopped: the position source failed (%1 %2)")
                                           .arg(error.domain)
                                           .arg(error.code);
}

void PumporaAppDelegate::InitLocationService()
{
    WCLocation* location = WCLocation::sharedWCLocation();
    location->setDelegate(this);
    location->initLocalService();
}

// Every fill-up entry starts the updates; a machine without a position source is told on the
// first of them even when the settings switch was never touched.
void PumporaAppDelegate::startLocationService()
{
    if (!Setting::getGPSFlag())
        return;
    InitLocationService();
    WCLocation::sharedWCLocation()->startUpdatingLocation();
}

void PumporaAppDelegate::stopLocationService()
{
    WCLocation::sharedWCLocation()->stopUpdatingLocation();
}

// Asked for on every start; once a run is enough to know.
void PumporaAppDelegate::showLocationAlertOnce(
    const QString& title, const QString& message, const QString& buttonTitle)
{
    if (m_locationAlertShown)
        return;
    m_locationAlertShown = true;
    AlertView::showAlertWithTitle(MainBundle::localizedString(title.toUtf8().constData()),
        MainBundle::localizedString(message.toUtf8().constData()),
        MainBundle::localizedString(buttonTitle.toUtf8().constData()));
}

void PumporaAppDelegate::updateCurrentCarInfo(CarInfo* car)
{
    CarManage::sharedCarManage()->setDefaultCar(car);
}
