#include "location/WCLocation.h"
#include "platform/DeviceLocale.h"
#include "platform/MainBundle.h"
#include "platform/Notification.h"
#include "platform/NotificationCenter.h"
#include "screens/entry/AddOilViewController.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "screens/wizard/RootViewController.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "support/AccessibilityWalk.h"
#include "support/LogBuilder.h"
#include "support/ScreenDriver.h"
#include "support/TestDataDirectory.h"
#include "widgets/AlertView.h"
#include "widgets/Application.h"
#include "widgets/NavigationBar.h"
#include "widgets/TabBar.h"

#include <QNmeaPositionInfoSource>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// Runs the event loop until something ends it, and answers its exit status; 99 when nothing did.
// The watchdog belongs to this run: left pending, it would end a later run of the same test
// early whenever that came more than its time after this one, as on a busy machine.
int exitStatusOfTheRun()
{
    QObject run;
    QTimer::singleShot(5000, &run, [] { QCoreApplication::exit(99); });
    return QCoreApplication::exec();
}

// The NMEA log replayed in place of a receiver, counting the times it is asked for positions.
class ReplayedSource : public QNmeaPositionInfoSource
{
public:
    explicit ReplayedSource(int* starts)
        : QNmeaPositionInfoSource(SimulationMode)
        , m_starts(starts)
    {
        setDevice(new QFile(QStringLiteral(PUMPORA_NMEA_LOG), this));
    }

    void startUpdates() override
    {
        ++*m_starts;
        QNmeaPositionInfoSource::startUpdates();
    }

private:
    int* m_starts;
};

} // namespace

class TestPumporaAppDelegate : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<Application> m_application;
    bool m_machineHasPositionSource = true;
    int m_positionSourcesStarted = 0;

    PumporaAppDelegate* launch(bool expectedResult = true)
    {
        m_application = std::make_unique<Application>(std::make_unique<PumporaAppDelegate>());
        [&] { QCOMPARE(m_application->launch(), expectedResult); }();
        return PumporaAppDelegate::appDelegate();
    }

private Q_SLOTS:
    void initTestCase()
    {
        WCLocation::sharedWCLocation()->setSourceFactory([this]() -> std::unique_ptr<QGeoPositionInfoSource> {
            if (!m_machineHasPositionSource)
                return nullptr;
            return std::make_unique<ReplayedSource>(&m_positionSourcesStarted);
        });
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        QVERIFY(MainBundle::installTranslator());
        QVERIFY(LogBuilder::createStore());
        LogBuilder::addCar(QStringLiteral("Golf"));
    }

    void cleanup()
    {
        m_application.reset();
        m_data.reset();
    }

    // The default car is current; each tab shows its title in the shared navigation bar when it
    // appears, the overview the current car's name. Sent to the background, the app ends with
    // success.
    void aStoredCarRunsOnTheTabsUntilSentToTheBackground()
    {
        Setting::setDefaultCarID(LogBuilder::addCar(QStringLiteral("Polo")));
        PumporaAppDelegate* app = launch();
        TabBarController* tabs = app->mainTabBarController();
        QCOMPARE(app->mainNavController()->viewControllers(), QList<ViewController*>({ tabs }));
        QVERIFY(!ScreenDriver::shownAlert());
        NavigationBar* bar = app->mainNavController()->navigationBar();
        QCOMPARE(bar->title(), QStringLiteral("Polo"));
        // A screen reader names every tab, and the tab it toggles is chosen as by a click.
        AccessibilityWalk::verify(app->window());
        QVERIFY(AccessibilityWalk::act(
            app->window(), QStringLiteral("History"), QAccessibleActionInterface::toggleAction()));
        QCOMPARE(tabs->selectedIndex(), int(PumporaAppDelegate::HistoryTab));
        QCOMPARE(bar->title(), QStringLiteral("History"));

        QTimer::singleShot(
            0, qApp, [this] { m_application->applicationStateChanged(Qt::ApplicationSuspended); });
        QCOMPARE(exitStatusOfTheRun(), EXIT_SUCCESS);
    }

    void theAddACarRowStoresANonCurrentCar_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("alert");
        QTest::newRow("stored") << false << false << "OK|Car added!\nSwitch cars on the Overview page.";
        QTest::newRow("refused by the store")
            << false << true << "Failure|The car could not be saved. Please try again.";
        QTest::newRow("cancelled") << true << false << "";
    }

    // The settings' add-a-car row starts the wizard, over the tabs, on a car made afresh; unlike
    // the first run's, it offers Cancel, which leaves without a car. Only a car that was stored
    // is announced as added; otherwise the wizard stays and says so.
    void theAddACarRowStoresANonCurrentCar()
    {
        QFETCH(bool, cancelled);
        QFETCH(bool, refused);
        QFETCH(QString, alert);
        PumporaAppDelegate* app = launch();
        CarManage* cars = CarManage::sharedCarManage();
        CarInfo* current = cars->mCurrentCarInfo();
        TabBarController* tabs = app->mainTabBarController();
        ScreenDriver::tap(tabs->tabBar()->button(PumporaAppDelegate::SettingsTab));
        QVERIFY(AccessibilityWalk::act(app->window(), QStringLiteral("Add a Car")));
        QPointer<ViewController> wizard;
        QTRY_VERIFY(wizard = tabs->selectedViewController()->modalViewController());
        QCOMPARE(wizard->findChild<RootViewController*>()->carInfo(), cars->mNewCarInfo());
        QVERIFY(cars->mNewCarInfo() != current);
        if (cancelled) {
            QCOMPARE(static_cast<NavigationController*>(wizard.data())->navigationBar()->leftButton()->text(),
                QStringLiteral("Cancel"));
            ScreenDriver::type(ScreenDriver::focused(), QStringLiteral("Polo"));
            ScreenDriver::press(Qt::Key_Escape);
        } else {
            cars->mNewCarInfo()->mCarName = QStringLiteral("Polo");
            if (refused)
                LogBuilder::refuse("insert", "car_information");
            NotificationCenter::defaultCenter()->postNotificationName(
                QLatin1String(PumporaAppDelegate::kSetupWizardCompleteNotification), wizard);
        }

        const bool added = !cancelled && !refused;
        QCOMPARE(LogBuilder::value(QStringLiteral("select group_concat(car_name) from car_information")),
            QLatin1String(added ? "Golf,Polo" : "Golf"));
        QCOMPARE(cars->getAllCars().size(), added ? 2 : 1);
        QCOMPARE(cars->mCurrentCarInfo(), current);
        QCOMPARE(Setting::getDefaultCarID(), QString());
        QCOMPARE(app->mainNavController()->viewControllers(), QList<ViewController*>({ tabs }));
        QCOMPARE(ScreenDriver::alertText(), alert);
        if (!alert.isEmpty())
            QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("OK")));
        if (refused)
            QCOMPARE(app->window()->visibleViewController(), wizard.data());
        else
            QTRY_VERIFY(wizard.isNull());
    }

    // Two fill-ups entered from the overview after a fix was cached: what the location service
    // asks for, what the fill-ups store and what the user is told. Each fill-up takes the first
    // fix that came after its entry screen opened, never the one cached before.
    void positionCapture_data()
    {
        QTest::addColumn<bool>("gpsFlag");
        QTest::addColumn<bool>("machineHasSource");
        QTest::addColumn<int>("sourcesStarted");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("alerts");
        QTest::newRow("the first fix after opening is stored")
            << true << true << 2 << "31.2304 121.4737,31.2304 121.4737" << 0;
        QTest::newRow("the preference off asks for nothing") << false << true << 0 << "0.0 0.0,0.0 0.0" << 0;
        QTest::newRow("no source on the machine is told once, fill-ups still saved")
            << true << false << 0 << "0.0 0.0,0.0 0.0" << 1;
    }

    void positionCapture()
    {
        QFETCH(bool, gpsFlag);
        QFETCH(bool, machineHasSource);
        QFETCH(int, alerts);
        m_machineHasPositionSource = machineHasSource;
        m_positionSourcesStarted = 0;
        PumporaAppDelegate* app = launch();
        QVERIFY(Setting::setGPSFlag(gpsFlag));
        WCLocation* location = WCLocation::sharedWCLocation();
        // A new position replaces the cached one when either member differs.
        app->setMCoord({ 31.2, 121.5 });
        app->setMCoord({ 31.2, 121.6 });
        QCOMPARE(QPointF(app->currentLatitude(), app->currentlongitude()), QPointF(31.2, 121.6));
        app->Location(QGeoCoordinate(1, 2), QGeoCoordinate());

        for (int fillUp = 0; fillUp < 2; ++fillUp) {
            QTRY_VERIFY(AccessibilityWalk::act(app->window(), QStringLiteral("Add Fill-up")));
            AddOilViewController* entry = nullptr;
            QTRY_VERIFY(entry = qobject_cast<AddOilViewController*>(app->window()->visibleViewController()));
            if (fillUp < alerts) {
                QCOMPARE(ScreenDriver::shownAlert()->title(), QStringLiteral("Location Services Disabled"));
                QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("OK")));
            }
            QVERIFY(!ScreenDriver::shownAlert());
            // The first fix ends the updates.
            QTRY_VERIFY(!location->isLuanching());
            QTRY_COMPARE(ScreenDriver::focused()->accessibleName(), QStringLiteral("Total"));
            ScreenDriver::type(ScreenDriver::focused(), QStringLiteral("10"));
            ScreenDriver::press(Qt::Key_Return);
            QTRY_VERIFY(app->window()->visibleViewController() != entry);
        }
        QTEST(LogBuilder::value(
                  QStringLiteral("select group_concat(latitude || ' ' || longitude) from oil_history")),
            "stored");
        QTEST(m_positionSourcesStarted, "sourcesStarted");
    }

    // Neither a file that is not a log nor a log whose cars cannot be read is taken for an
    // empty log: no setup wizard opens over it, and the run ends with failure. A damaged grade
    // list is said and the app runs. The alert speaks one language, title and message alike,
    // whatever the store's own words inside it.
    void aDamagedStoreIsShownAtLaunch_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("damaged"); // a file replaced with other bytes, or a table
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* locale, const char* damaged, const char* title, const char* reason) {
            QTest::addRow("%s, %s", locale, damaged) << locale << damaged << title << reason;
        };
        row("en_US", "oil_db.sqlite", "The fuel log cannot be opened", "cannot be opened as a database");
        row("en_US", "car_information", "The fuel log cannot be opened", "database disk image is malformed");
        row("en_US", "OilSpec_Info.plist", "Some of your data could not be read", "OilSpec_Info.plist");
        row("zh_CN", "oil_db.sqlite", "无法打开油耗记录", "无法作为数据库打开");
        row("zh_CN", "car_information", "无法打开油耗记录", "database disk image is malformed");
        row("zh_CN", "OilSpec_Info.plist", "部分资料无法读取", "OilSpec_Info.plist");
    }

    void aDamagedStoreIsShownAtLaunch()
    {
        QFETCH(QString, locale);
        QFETCH(QString, damaged);
        QFETCH(QString, reason);
        DeviceLocale::setLocaleName(locale);
        QVERIFY(MainBundle::installTranslator());
        const bool runs = damaged.endsWith(QLatin1String(".plist"));
        if (damaged == QLatin1String("oil_db.sqlite"))
            QVERIFY(m_data->writeFile(
                damaged, QByteArray("These are someone's notes, not a fuel log.\n").repeated(100)));
        else if (runs)
            QVERIFY(m_data->writeFile(
                damaged, "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>OilSpec</key>"));
        else
            LogBuilder::corruptTable(damaged);
        PumporaAppDelegate* app = launch(runs);
        QVERIFY(app->window()->isVisible());
        AlertView* alert = ScreenDriver::shownAlert();
        QVERIFY(alert);
        QTEST(alert->title(), "title");
        const QString message = alert->message();
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(
            message.contains(QRegularExpression(QStringLiteral("\\p{Han}"))) == DeviceLocale::isChinese(),
            qPrintable(message));
        if (runs)
            return;
        QVERIFY(!CarManage::sharedCarManage()->mNewCarInfo());
        QTimer::singleShot(
            0, qApp, [alert] { ScreenDriver::pressButton(alert, alert->buttonTitles().value(0)); });
        QCOMPARE(exitStatusOfTheRun(), EXIT_FAILURE);
    }
};

QTEST_MAIN(TestPumporaAppDelegate)
#include "tst_pumporaappdelegate.moc"
