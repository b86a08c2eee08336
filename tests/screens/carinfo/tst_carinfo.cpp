#include "platform/Clock.h"
#include "platform/FontCatalog.h"
#include "screens/carinfo/CImagePickerController.h"
#include "screens/carinfo/ImageCell.h"
#include "screens/carinfo/SCarInfoViewController.h"
#include "screens/settings/SettingCell.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "support/AccessibilityWalk.h"
#include "support/LogBuilder.h"
#include "support/ScreenDriver.h"
#include "support/TestDataDirectory.h"
#include "widgets/ActionSheet.h"
#include "widgets/AlertView.h"
#include "widgets/Application.h"
#include "widgets/NavigationController.h"
#include "widgets/TabBarController.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <memory>

// A car's information screen, presented over the app's tabs as the overview presents it, shown
// in Chinese. What it writes is read back from the database with plain SQL.
class TestCarInfo : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<Application> m_application;
    QStringList m_keys;
    QPointer<SCarInfoViewController> m_screen;

    // The app on a log of the first cars of Golf, Polo and Up, each with a fill-up, showing the
    // information of the one at that position.
    void open(int cars, int shown)
    {
        const QStringList names { QStringLiteral("Golf"), QStringLiteral("Polo"), QStringLiteral("Up") };
        for (int car = 0; car < cars; ++car) {
            m_keys << LogBuilder::addCar(names.at(car), 1, 1);
            LogBuilder::addFillUp(
                m_keys.last(), { LogBuilder::at(2012, 3, 1), 201203, 40, 300, 7.5, 1000, 0 });
        }
        LogBuilder::exec(QStringLiteral("update car_information set maxvolumn = 45.7"));
        QVERIFY(Setting::setDefaultCarID(m_keys.at(shown)));
        m_application = std::make_unique<Application>(std::make_unique<PumporaAppDelegate>());
        QVERIFY(m_application->launch());
        m_screen = new SCarInfoViewController;
        m_screen->setCarInfo(CarManage::sharedCarManage()->mCurrentCarInfo());
        PumporaAppDelegate::appDelegate()
            ->mainTabBarController()
            ->selectedViewController()
            ->presentModalViewController(new NavigationController(m_screen), false);
        AccessibilityWalk::verify(window());
    }

    QWidget* window() const { return PumporaAppDelegate::appDelegate()->window(); }

    ViewController* shownEditor() const { return m_screen->navigationController()->topViewController(); }

    // A screen reader's press: the button shows being pressed and acts when it is let go, which
    // a busy machine may put off past any fixed wait.
    bool act(const QString& name)
    {
        return AccessibilityWalk::act(window(), name) && QTest::qWaitFor([this] {
            return std::ranges::none_of(window()->findChildren<QAbstractButton*>(), &QAbstractButton::isDown);
        });
    }

    QString stored(const QString& columns, int car = 0) const
    {
        return LogBuilder::value(QStringLiteral("select %1 from car_information where car_id = '%2'")
                                     .arg(columns, m_keys.at(car)));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data
            = std::make_unique<TestDataDirectory>(QStringLiteral("zh_CN"), QStringLiteral("Asia/Shanghai"));
        QVERIFY(LogBuilder::createStore());
    }

    void cleanup()
    {
        m_application.reset();
        m_data.reset();
        m_keys.clear();
    }

    void deletingACar_data()
    {
        QTest::addColumn<int>("cars");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("current");
        QTest::newRow("the only car")
            << 1 << 0 << false << QStringLiteral("失败|不能删除唯一的车辆") << QStringLiteral("Golf");
        QTest::newRow("the last of three") << 3 << 2 << false << QString() << QStringLiteral("Polo");
        QTest::newRow("the first of three") << 3 << 0 << false << QString() << QStringLiteral("Polo");
        QTest::newRow("refused by the store")
            << 3 << 2 << true << QStringLiteral("失败|车辆没有删除。") << QStringLiteral("Up");
    }

    // The car beside the deleted one becomes current; a deletion that fails leaves the car shown.
    void deletingACar()
    {
        QFETCH(int, cars);
        QFETCH(int, shown);
        QFETCH(bool, refused);
        QFETCH(QString, alert);
        open(cars, shown);
        if (refused)
            LogBuilder::refuse("delete", "oil_history");
        QVERIFY(act(QStringLiteral("删除车辆")));
        if (cars > 1) {
            QCOMPARE(
                ScreenDriver::alertText(), QStringLiteral("|确定要删除该车辆吗!\n这会删除该车辆的所有信息!"));
            QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("确认")));
        }
        QVERIFY(alert.isEmpty() ? !ScreenDriver::shownAlert() : ScreenDriver::alertText().startsWith(alert));
        const bool deleted = alert.isEmpty();
        if (deleted)
            QTRY_VERIFY(m_screen.isNull());
        CarManage* manager = CarManage::sharedCarManage();
        QTEST(manager->mCurrentCarInfo()->mCarName, "current");
        QCOMPARE(Setting::getDefaultCarID(), manager->mCurrentCarInfo()->carID);
        QCOMPARE(manager->getAllCars().size(), cars - int(deleted));
        QCOMPARE(stored(QStringLiteral("count(*)"), shown)
                + LogBuilder::value(QStringLiteral("select count(*) from oil_history where car_id = '%1'")
                                        .arg(m_keys.at(shown))),
            deleted ? QStringLiteral("00") : QStringLiteral("11"));
    }

    void theEditorsWriteTheCarAtOnce_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("typed"); // empty: saved as shown
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("written"); // name|tank|update_date|displacement|grade
        QTest::addColumn<QString>("alert");
        const auto row = [](const char* name, const char* cell, const char* typed, bool refused,
                             const char* written, const char* alert) {
            QTest::newRow(name) << QString::fromUtf8(cell) << QString::fromUtf8(typed) << refused
                                << QString::fromUtf8(written) << QString::fromUtf8(alert);
        };
        // The tank editor starts on the car's values: the displacement and grade stay as they were.
        const char* unchanged = "Golf|45.7|1300000000.0|1.6|1";
        row("the name saved unchanged writes nothing", "名称", "", false, unchanged, "");
        row("a new name", "名称", "Polo", false, "Polo|45.7|1400000000.0|1.6|1.0", "");
        row("a name the store refuses", "名称", "Polo", true, unchanged, "失败|车辆名称和备注没有保存。");
        row("a new tank volume", "油箱、排量和油品", "50", false, "Golf|50.0|1400000000.0|1.6|1.0", "");
        row("a tank volume the store refuses", "油箱、排量和油品", "50", true, unchanged,
            "失败|油箱容积、排量和油品没有保存。");
    }

    // A refused write keeps the editor open with an alert, and the car in memory as stored.
    void theEditorsWriteTheCarAtOnce()
    {
        QFETCH(QString, row);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QFETCH(QString, written);
        QFETCH(QString, alert);
        Clock::setFixedNow(Date(1400000000));
        open(1, 0);
        QVERIFY(act(row));
        // The press is animated; on a busy machine the editor may come after the wait.
        QTRY_VERIFY(shownEditor() != m_screen);
        ViewController* editor = shownEditor();
        AccessibilityWalk::verify(window());
        if (!typed.isEmpty()) {
            QVERIFY(act(QStringLiteral("清除")));
            ScreenDriver::type(ScreenDriver::focused(), typed);
        }
        if (refused)
            LogBuilder::refuse("update", "car_information");
        QTest::keyClick(ScreenDriver::focused(), Qt::Key_Return);
        QVERIFY(alert.isEmpty() ? !ScreenDriver::shownAlert() : ScreenDriver::alertText().startsWith(alert));
        QCOMPARE(shownEditor() == editor, refused);
        QCOMPARE(stored(QStringLiteral(
                     "car_name || '|' || maxvolumn || '|' || update_date || '|' || car_capacity || "
                     "'|' || car_oil_spec")),
            written);
        const CarInfo* car = m_screen->carInfo();
        QCOMPARE(car->mCarName, written.section(u'|', 0, 0));
        QCOMPARE(car->maxVolumn, written.section(u'|', 1, 1).toFloat());
        if (!refused)
            QCOMPARE(m_screen->findChild<SettingCell*>()->detail(), written.section(u'|', 0, 0));
    }

    void aChosenPhotoIsStoredSmall_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("stored") << false;
        QTest::newRow("refused by the store") << true;
    }

    // Chosen through the photo sheet and the file dialog for pictures.
    void aChosenPhotoIsStoredSmall()
    {
        QFETCH(bool, refused);
        QImage picture(1600, 1200, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        const QString path = m_data->filePath(QStringLiteral("golf.png"));
        QVERIFY(picture.save(path));
        open(1, 0);
        if (refused)
            LogBuilder::refuse("update", "car_information");
        QVERIFY(act(QStringLiteral("车辆照片")));
        QVERIFY(ScreenDriver::pressButton(
            ScreenDriver::shownActionSheet(), QStringLiteral("Choose Existing Photo")));
        CImagePickerController* picker = nullptr;
        QTRY_VERIFY((picker = m_screen->findChild<CImagePickerController*>()) && picker->isVisible());
        // Typed into the dialog's file name, as a user would.
        ScreenDriver::type(picker->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), path);
        QPushButton* choose = picker->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open);
        QTRY_VERIFY(choose->isEnabled());
        QTest::mouseClick(choose, Qt::LeftButton);

        const QSize shown = refused ? QSize(0, 0) : QSize(480, 360);
        QCOMPARE(
            QImage::fromData(QByteArray::fromHex(stored(QStringLiteral("hex(thumbnail)")).toLatin1())).size(),
            shown);
        QCOMPARE(m_screen->carInfo()->thumbnail.size(), shown);
        QCOMPARE(m_screen->findChild<ImageCell*>()->mImage().size(), shown);
        QCOMPARE(ScreenDriver::alertText().startsWith(QStringLiteral("失败|照片没有保存。")), refused);
    }
};

QTEST_MAIN(TestCarInfo)
#include "tst_carinfo.moc"
