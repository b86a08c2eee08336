#include "platform/Clock.h"
#include "platform/FontCatalog.h"
#include "screens/base/BaseModalViewControllerDelegate.h"
#include "screens/base/CHDatePickerView.h"
#include "screens/base/PropertyView.h"
#include "screens/entry/AddOilViewController.h"
#include "store/CarManage.h"
#include "store/OilInfo.h"
#include "store/Setting.h"
#include "support/AccessibilityWalk.h"
#include "support/LogBuilder.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"

#include <QtTest>

#include <memory>

namespace {

// Plays keys on the screen: <Tab>, <Backtab>, <Up>, <Down>, <Right>, <Return> and <Escape>
// press those keys, <Clear> the key bar's clear key; other words are typed.
void play(QWidget* window, const QString& keys)
{
    static const QMap<QString, Qt::Key> named { { "<Tab>", Qt::Key_Tab }, { "<Backtab>", Qt::Key_Backtab },
        { "<Up>", Qt::Key_Up }, { "<Down>", Qt::Key_Down }, { "<Right>", Qt::Key_Right },
        { "<Return>", Qt::Key_Return }, { "<Escape>", Qt::Key_Escape } };
    for (const QString& word : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word == QLatin1String("<Clear>"))
            QVERIFY(AccessibilityWalk::act(window, QStringLiteral("清除")));
        else if (named.contains(word))
            ScreenDriver::press(named.value(word));
        else
            ScreenDriver::type(ScreenDriver::focused(), word);
    }
}

// The presenting screen's part: it dismisses the screen when asked.
class Presenter : public BaseModalViewControllerDelegate
{
public:
    void willDissModalViewController(ViewController* controller) override
    {
        controller->dismissModalViewControllerAnimated(false);
    }
};

} // namespace

// The fill-up entry screen presented over a screen, driven from the keyboard in Chinese, on
// 13 May 2014 09:46:30.25 in Shanghai; what it saves is read back with plain SQL.
class TestEntry : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;
    Presenter m_presenter;
    QString m_carID;
    double m_now = 0;

    AddOilViewController* present(Oil* updateOil = nullptr)
    {
        auto* editor = new AddOilViewController;
        editor->setUpdateOil(updateOil);
        editor->setDissDelegate(&m_presenter);
        m_host->navigationController()->presentModalViewController(editor, false);
        AccessibilityWalk::verify(m_host->window());
        return editor;
    }

    bool isOpen(AddOilViewController* editor) { return m_host->window()->visibleViewController() == editor; }

    static QString shownFields(AddOilViewController* editor)
    {
        QStringList texts;
        for (const PropertyView* field : editor->findChildren<PropertyView*>())
            texts << field->getText();
        return texts.join(QLatin1Char('|'));
    }

    static QString storedRows(const char* columns)
    {
        return LogBuilder::value(
            QStringLiteral("select count(*) || ifnull(max('|' || %1), '') from oil_history")
                .arg(QLatin1String(columns)));
    }

    CarInfo* car() const { return CarManage::sharedCarManage()->getAllCars().constFirst(); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data
            = std::make_unique<TestDataDirectory>(QStringLiteral("zh_CN"), QStringLiteral("Asia/Shanghai"));
        QVERIFY(LogBuilder::createStore());
        m_carID = LogBuilder::addCar(QStringLiteral("Golf"), 1, 0, 1000);
        QVERIFY(CarManage::sharedCarManage()->loadDefaultCar());
        m_now = LogBuilder::at(2014, 5, 13, 9, 46, "Asia/Shanghai") + 30.25;
        Clock::setFixedNow(Date(m_now));
        QVERIFY(Setting::setStartDate(Date(1300000000)));
        m_host = std::make_unique<ScreenHost>(new ViewController);
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

    void aFillUpFromTheKeyboardAlone_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("moved");
        QTest::newRow("start moved back") << "提前" << true;
        QTest::newRow("start kept") << "不用" << false;
    }

    // Tab through the fields in reading order, each picker open once; the total is asked for
    // first. Typing the volume once a total is there works out the price. A day back is before
    // the statistics start: stored either way, the period takes it in only when the user says so.
    void aFillUpFromTheKeyboardAlone()
    {
        QFETCH(QString, answer);
        QFETCH(bool, moved);
        QVERIFY(Setting::setStartDate(Date(m_now - 60)));
        AddOilViewController* editor = present();
        QWidget* window = m_host->window();
        QCOMPARE(ScreenDriver::focused()->accessibleName(), QStringLiteral("总价"));
        play(window, QStringLiteral("100 <Tab>"));
        AccessibilityWalk::verify(window);
        // The units wheel of the odometer a digit on, a note, then the day wheel a day back.
        play(window, QStringLiteral("<Right> <Right> <Right> <Right> <Right> <Down> <Tab> Shell <Tab>"));
        AccessibilityWalk::verify(window);
        play(window, QStringLiteral("<Right> <Right> <Up> <Tab>"));
        // One picker at a time: the grade's took the date's place.
        QVERIFY(!editor->findChild<CHDatePickerView*>()->isVisible());
        AccessibilityWalk::verify(window);
        play(window, QStringLiteral("<Down> <Tab> <Clear> 8 <Tab> <Clear> 10 <Return>"));
        QVERIFY(ScreenDriver::alertText().startsWith(
            QStringLiteral("加油记录已保存|这次加油在统计开始时间之前")));
        // The message names a date: a value, which no table translates.
        AccessibilityWalk::verify(window, false);
        QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), answer));
        QVERIFY(!isOpen(editor));
        // A day back: 12 May 2014 09:46:30.25 in Shanghai.
        QCOMPARE(storedRows("oil_money || '|' || oil_price || '|' || oil_volumn || '|' || oil_spec || '|' || "
                            "car_mileage || '|' || notes || '|' || oil_month || '|' || oil_date"),
            QStringLiteral("1|100.0|10.0|10.0|1|1001.0|Shell|201405|1399859190.25"));
        QCOMPARE(Setting::getStartDate() <= Date(m_now - 86400), moved);
    }

    void refusalsMakeTheirFieldActive_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("alert");
        QTest::addColumn<QString>("field"); // the field being edited after the alert
        QTest::addColumn<QString>("stored");
        const auto row = [](const char* name, int precision, const char* keys, const char* alert,
                             const char* field, const char* stored) {
            QTest::newRow(name) << precision << keys << alert << field << stored;
        };
        row("a total of 0.005 is missing", 3, ".005", "资料不完整|请输入加油的总价。", "总价", "0");
        row("no price", 2, "100 <Backtab> <Backtab> <Clear>", "资料不完整|请输入汽油的单价。", "单价", "0");
        row("no volume", 2, "100 <Backtab> <Clear>", "资料不完整|请输入加油的体积。", "加油量", "0");
        row("just above the tank", 2, "90.02 <Backtab> <Backtab> <Clear> 1,5", "Error|体积超出最大油箱容积",
            "加油量", "0");
        row("the tank's volume, 1,5 as 1.5", 2, "90 <Backtab> <Backtab> <Clear> 1,5", "", "",
            "1|90.0|1.5|60.0|1000.0");
    }

    void refusalsMakeTheirFieldActive()
    {
        QFETCH(int, precision);
        QFETCH(QString, keys);
        QFETCH(QString, alert);
        QVERIFY(Setting::setFloatValuePrecisionDigits(precision));
        AddOilViewController* editor = present();
        play(m_host->window(), keys + QStringLiteral(" <Return>"));
        QCOMPARE(ScreenDriver::alertText(), alert);
        QCOMPARE(isOpen(editor), !alert.isEmpty());
        if (!alert.isEmpty()) {
            AccessibilityWalk::verify(m_host->window());
            QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("确定")));
            QTEST(ScreenDriver::focused()->accessibleName(), "field");
        }
        // The odometer never turned: the car's last reading.
        QTEST(
            storedRows("oil_money || '|' || oil_price || '|' || oil_volumn || '|' || car_mileage"), "stored");
    }

    void aFailedSaveLosesNothing_data()
    {
        QTest::addColumn<bool>("change");
        QTest::newRow("a new fill-up") << false;
        QTest::newRow("a change") << true;
    }

    // The store refuses: the screen stays with all that was typed, and neither the record, the
    // grade's price nor the car's grade changed. Once the store takes it, it is saved.
    void aFailedSaveLosesNothing()
    {
        QFETCH(bool, change);
        std::optional<Oil> oil;
        if (change) {
            LogBuilder::addFillUp(m_carID, { m_now - 86400, 201405, 20, 40, 2, 1200, 0 });
            oil = car()->getAllOil()->constFirst();
        }
        AddOilViewController* editor = present(oil ? &*oil : nullptr);
        play(m_host->window(),
            QStringLiteral("<Backtab> <Backtab> <Backtab> <Down> <Tab> <Clear> 8 <Tab> <Tab> <Clear> 100"));
        const QString typed = shownFields(editor);
        QVERIFY(typed.contains(QStringLiteral("|Premium 95|8|12.50|100|")));
        LogBuilder::refuse(change ? "update" : "insert", "oil_history");
        play(m_host->window(), QStringLiteral("<Return>"));
        QVERIFY(ScreenDriver::alertText().startsWith(QStringLiteral("失败|加油记录没有保存。\n")));
        QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("确定")));
        QVERIFY(isOpen(editor));
        QCOMPARE(shownFields(editor), typed);
        QCOMPARE(storedRows("oil_price"), change ? QStringLiteral("1|2.0") : QStringLiteral("0"));
        QCOMPARE(oil ? oil->dUnitPrice : 0.0, change ? 2.0 : 0.0);
        QCOMPARE(OilInfo::infoAtPosition(1)->defaultPrice, 1.75f);
        QCOMPARE(car()->mOilInfo, OilInfo::infoAtPosition(0));

        LogBuilder::accept();
        play(m_host->window(), QStringLiteral("<Return>"));
        QVERIFY(!isOpen(editor));
        QCOMPARE(storedRows("oil_price || '|' || oil_spec"), QStringLiteral("1|8.0|1"));
        QCOMPARE(oil ? oil->dUnitPrice : 8.0, 8.0);
        // A new fill-up's price becomes its grade's default and its grade the car's; a change's
        // never does.
        QCOMPARE(OilInfo::infoAtPosition(1)->defaultPrice, change ? 1.75f : 8.0f);
        QCOMPARE(car()->mOilInfo, OilInfo::infoAtPosition(change ? 0 : 1));
    }

    void aChangeKeepsWhatWasNotTouched_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("notes");
        QTest::newRow("only the note changed")
            << "<Backtab> <Backtab> <Tab> <Tab> <Tab> <Tab> <Clear> new <Return>"
            << "new";
        QTest::newRow("cancelled") << "<Tab> <Tab> <Clear> new <Escape>"
                                   << "old";
    }

    // Shown with one decimal, the amounts keep their stored bits, even a volume that does not
    // match its price: taking up a field is no change. So does an odometer never turned.
    void aChangeKeepsWhatWasNotTouched()
    {
        QFETCH(QString, keys);
        QFETCH(QString, notes);
        QVERIFY(Setting::setFloatValuePrecisionDigits(1));
        LogBuilder::addFillUp(m_carID, { m_now - 3600, 201405, 6.5, 50.56, 7.9, 12345.5, 2 });
        LogBuilder::exec(QStringLiteral("update oil_history set notes = 'old'"));
        Oil oil = car()->getAllOil()->constFirst();
        AddOilViewController* editor = present(&oil);
        QCOMPARE(shownFields(editor), QStringLiteral("2014-05-13|Super 98|7.9|6.5|50.6|12345|old"));
        play(m_host->window(), keys);
        QVERIFY(!isOpen(editor));
        QCOMPARE(storedRows(
                     "(oil_money = 50.56 and oil_price = 7.9 and oil_volumn = 6.5 and car_mileage = 12345.5 "
                     "and oil_spec = 2) || notes"),
            QStringLiteral("1|1") + notes);
        QCOMPARE(oil.notes, notes);
    }
};

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
