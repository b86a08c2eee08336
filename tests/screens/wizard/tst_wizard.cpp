#include "platform/FontCatalog.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "screens/wizard/CarDisplacementViewController.h"
#include "screens/wizard/CarInitKMViewController.h"
#include "screens/wizard/UnitConfigController.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "support/AccessibilityWalk.h"
#include "support/LogBuilder.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/AlertView.h"
#include "widgets/Application.h"
#include "widgets/NavigationBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {

using ScreenDriver::focused;
using ScreenDriver::press;

// Closes the alert after checking what it says.
void closeAlert(const QString& text)
{
    QCOMPARE(ScreenDriver::alertText(), text);
    QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("确定")));
}

} // namespace

// The setup wizard driven from the keyboard as a first run does it, from an empty store to a
// stored car, and its steps on their own. Shown in Chinese, every step is checked for controls
// a screen reader cannot name or use and for keys without their English text.
class TestWizard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<Application> m_application;

    PumporaAppDelegate* launch()
    {
        m_application = std::make_unique<Application>(std::make_unique<PumporaAppDelegate>());
        [this] {
            QVERIFY(m_application->launch());
            QVERIFY(QTest::qWaitForWindowActive(PumporaAppDelegate::appDelegate()->window()));
        }();
        return PumporaAppDelegate::appDelegate();
    }

    static QString storedCar()
    {
        return LogBuilder::value(QStringLiteral(
            "select car_name || '|' || ifnull(notes, '') || '|' || unit || '|' || maxvolumn || '|' || "
            "car_capacity || '|' || car_oil_spec from car_information"));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data
            = std::make_unique<TestDataDirectory>(QStringLiteral("zh_CN"), QStringLiteral("Asia/Shanghai"));
    }

    void cleanup()
    {
        m_application.reset();
        m_data.reset();
    }

    void theFirstRunStoresTheCarAsEntered_data()
    {
        QTest::addColumn<int>("unitTurns");
        QTest::addColumn<QString>("tank");
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<int>("gradeTurns"); // -1: the grade wheel is never shown
        QTest::addColumn<QString>("stored");
        QTest::newRow("grade never turned") << 2 << "45.7"
                                            << "1.6" << -1 << "Golf|Daily|2|45.7|1.6|0";
        QTest::newRow("grade turned, no displacement") << 0 << "13.2"
                                                       << "" << 3 << "Golf|Daily|0|13.2|0.0|3";
    }

    void theFirstRunStoresTheCarAsEntered()
    {
        QFETCH(int, unitTurns);
        QFETCH(QString, tank);
        QFETCH(QString, capacity);
        QFETCH(int, gradeTurns);
        PumporaAppDelegate* app = launch();
        NavigationController* wizard = app->mainNavController();
        QCOMPARE(focused()->accessibleName(), QStringLiteral("车辆名称"));
        ScreenDriver::type(focused(), QStringLiteral("Golf"));
        press(Qt::Key_Tab);
        ScreenDriver::type(focused(), QStringLiteral("Daily"));
        AccessibilityWalk::verify(app->window());
        // Return makes a new line in the notes; Ctrl+Return moves on.
        press(Qt::Key_Return, Qt::ControlModifier);

        QVERIFY(qobject_cast<UnitConfigController*>(wizard->topViewController()));
        QCOMPARE(wizard->navigationBar()->title(), QStringLiteral("Golf"));
        AccessibilityWalk::verify(app->window());
        for (int turn = 0; turn < unitTurns; ++turn)
            press(Qt::Key_Down);
        press(Qt::Key_Return);

        QVERIFY(qobject_cast<CarDisplacementViewController*>(wizard->topViewController()));
        QCOMPARE(focused()->accessibleName(), QStringLiteral("油箱容积"));
        ScreenDriver::type(focused(), tank);
        press(Qt::Key_Tab);
        ScreenDriver::type(focused(), capacity);
        if (gradeTurns >= 0) {
            press(Qt::Key_Tab);
            for (int turn = 0; turn < gradeTurns; ++turn)
                press(Qt::Key_Down);
        }
        AccessibilityWalk::verify(app->window());
        press(Qt::Key_Return);

        QCOMPARE(wizard->viewControllers(), QList<ViewController*>({ app->mainTabBarController() }));
        QTEST(storedCar(), "stored");
        QCOMPARE(Setting::getDefaultCarID(),
            LogBuilder::value(QStringLiteral("select car_id from car_information")));
        QCOMPARE(CarManage::sharedCarManage()->mCurrentCarInfo()->carID, Setting::getDefaultCarID());
    }

    // Each refusal keeps its step open with the keys where the missing value goes; a car the
    // store refuses keeps everything entered, and is stored once the store takes it.
    void refusalsKeepTheStepAndWhatWasEntered()
    {
        PumporaAppDelegate* app = launch();
        QWidget* window = app->window();
        press(Qt::Key_Return);
        AccessibilityWalk::verify(window);
        closeAlert(QStringLiteral("缺少信息|请输入车辆名称"));
        QCOMPARE(focused()->accessibleName(), QStringLiteral("车辆名称"));
        // The key bar switches to the notes, clears them, and switches back.
        QVERIFY(AccessibilityWalk::act(window, QStringLiteral("切换")));
        QCOMPARE(focused()->accessibleName(), QStringLiteral("备注"));
        ScreenDriver::type(focused(), QStringLiteral("x"));
        QVERIFY(AccessibilityWalk::act(window, QStringLiteral("清除")));
        QVERIFY(AccessibilityWalk::act(window, QStringLiteral("切换")));
        // Only an empty name is refused.
        ScreenDriver::type(focused(), QStringLiteral("   "));
        press(Qt::Key_Return);
        press(Qt::Key_Return);

        press(Qt::Key_Tab);
        QCOMPARE(focused()->accessibleName(), QStringLiteral("汽车排量"));
        press(Qt::Key_Return);
        AccessibilityWalk::verify(window);
        closeAlert(QStringLiteral("|请输入油箱最大容积"));
        QCOMPARE(focused()->accessibleName(), QStringLiteral("油箱容积"));
        // No leading zero, no letters, one decimal.
        ScreenDriver::type(focused(), QStringLiteral("0a5.25"));
        QCOMPARE(qobject_cast<QLineEdit*>(focused())->text(), QStringLiteral("5.2"));

        LogBuilder::refuse("insert", "car_information");
        ViewController* tankStep = app->mainNavController()->topViewController();
        press(Qt::Key_Return);
        closeAlert(QStringLiteral("失败|车辆无法保存，请再试一次。"));
        QCOMPARE(app->mainNavController()->topViewController(), tankStep);
        QCOMPARE(qobject_cast<QLineEdit*>(focused())->text(), QStringLiteral("5.2"));
        LogBuilder::accept();
        press(Qt::Key_Return);
        QCOMPARE(storedCar(), QStringLiteral("   ||0|5.2|0.0|0"));
    }

    void theOdometerWheelsMakeTheReading()
    {
        CarInfo car;
        car.dCarInitKM = 123456.7;
        auto* editor = new CarInitKMViewController;
        editor->setCarInfo(&car);
        editor->setUpdateODO(true);
        ScreenHost host(new ViewController);
        host.navigationController()->pushViewController(editor, false);
        auto* reading = editor->findChild<QLabel*>(QStringLiteral("reading"));
        QCOMPARE(reading->text(), QStringLiteral("123456"));
        // The arrow keys turn the first wheel back, then the second one on.
        press(Qt::Key_Up);
        press(Qt::Key_Right);
        press(Qt::Key_Down);
        QCOMPARE(reading->text(), QStringLiteral("33456"));
        AccessibilityWalk::verify(host.window());
        QCOMPARE(CarInitKMViewController::digitsOf(1234567.9), (std::array<int, 6> { 2, 3, 4, 5, 6, 7 }));
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
