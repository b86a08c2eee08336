#include "platform/FontCatalog.h"
#include "reports/HistoryOilModel.h"
#include "screens/base/PropertyView.h"
#include "screens/history/HistoryOilViewController.h"
#include "screens/history/HistoryTableView.h"
#include "screens/history/MHOCell.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "support/AccessibilityWalk.h"
#include "support/FakeBrowser.h"
#include "support/LogBuilder.h"
#include "support/PaintRecorder.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationController.h"
#include "widgets/Palette.h"

#include <QLabel>
#include <QPainter>
#include <QtTest>

#include <memory>

using ScreenDriver::press;

// The history tab and a fill-up's detail, shown in Chinese and driven from the keyboard over a
// log written with plain SQL; what a delete leaves is read back with plain SQL.
class TestHistory : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;
    HistoryOilViewController* m_list = nullptr;
    std::shared_ptr<FakeBrowser> m_browser;
    QString m_car;

    void add(int year, int month, int day, double money, double price, double reading)
    {
        LogBuilder::addFillUp(m_car,
            { LogBuilder::at(year, month, day, 12, 0, "Asia/Shanghai"), year * 100 + month, 20, money, price,
                reading, 0 });
    }

    // The tab on the log as it is now, read; an alert's message may carry a path or a reason
    // that is no key.
    void show()
    {
        m_data->restart();
        QVERIFY(CarManage::sharedCarManage()->loadDefaultCar());
        m_list = new HistoryOilViewController(m_browser);
        m_host = std::make_unique<ScreenHost>(m_list);
        QTRY_VERIFY(!m_list->isShowingActive());
        AccessibilityWalk::verify(m_host->window(), !ScreenDriver::shownAlert());
    }

    // The current fill-up's detail, shown.
    void openDetail()
    {
        press(Qt::Key_Return);
        QTRY_VERIFY(top()->isVisible());
        AccessibilityWalk::verify(m_host->window());
    }

    ViewController* top() const { return m_host->navigationController()->topViewController(); }

    // The odometer reading of the current fill-up; -1 when no fill-up is current.
    double current() const
    {
        const Oil* oil = m_list->dataSource()->oil(m_list->historyTable()->currentIndex());
        return oil ? oil->dCarDisplacement : -1;
    }

    // The colour the current row's day is painted in.
    QColor dayColour() const
    {
        PaintRecorder recorder;
        QPainter painter(&recorder);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 390, MHOCell::kRowHeight);
        const QModelIndex index = m_list->historyTable()->currentIndex();
        m_list->historyTable()->itemDelegate()->paint(&painter, option, index);
        painter.end();
        const PaintRecorder::Item day = recorder.itemsOfKind(PaintRecorder::Item::Text).value(0);
        return day.text == index.data(HistoryOilModel::DayRole).toString() ? day.penColor : QColor();
    }

    static QString shownFields(const ViewController* detail)
    {
        QStringList shown;
        for (PropertyView* field : detail->findChildren<PropertyView*>()) {
            if (field->isVisible())
                shown << field->getText();
        }
        return shown.join(QLatin1Char('|'));
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data
            = std::make_unique<TestDataDirectory>(QStringLiteral("zh_CN"), QStringLiteral("Asia/Shanghai"));
        QVERIFY(LogBuilder::createStore());
        Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1)));
        m_car = LogBuilder::addCar(QStringLiteral("Golf"));
        Setting::setDefaultCarID(m_car);
        m_browser = std::make_shared<FakeBrowser>();
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

    // Arrows move from fill-up to fill-up over the month headers, a Saturday's day in red; Enter
    // opens the detail, which shows the stored volume where the list shows total ÷ price. Change
    // opens the entry screen on the fill-up; once it has saved, the detail and then the list
    // show the new total and the volume worked out from it.
    void theListFromTheKeyboard()
    {
        add(2011, 3, 5, 100, 0, 1000);
        add(2012, 1, 10, 120, 8, 1500);
        show();
        QVERIFY(!m_list->noDataLable()->isVisible());
        QCOMPARE(current(), 1000.0);
        QCOMPARE(dayColour(), Palette::colour(Palette::Colour::Weekend));
        press(Qt::Key_Down);
        QCOMPARE(current(), 1500.0);
        QCOMPARE(dayColour(), Palette::colour(Palette::Colour::Text));
        press(Qt::Key_Up);
        QCOMPARE(current(), 1000.0);
        press(Qt::Key_Down);
        openDetail();
        ViewController* detail = top();
        QCOMPARE(shownFields(detail), QStringLiteral("2012-01-10|Regular 92|8.00|20.00|120.00|1500|"));

        press(Qt::Key_Return);
        QTRY_VERIFY(m_host->window()->visibleViewController() != m_host->navigationController());
        QVERIFY(AccessibilityWalk::act(m_host->window(), QStringLiteral("清除")));
        ScreenDriver::type(ScreenDriver::focused(), QStringLiteral("200"));
        press(Qt::Key_Return);
        QTRY_COMPARE(m_host->window()->visibleViewController(), m_host->navigationController());
        QCOMPARE(LogBuilder::value(QStringLiteral(
                     "select oil_money || '|' || oil_volumn from oil_history where car_mileage = 1500")),
            QStringLiteral("200.0|25.0"));
        QCOMPARE(shownFields(detail), QStringLiteral("2012-01-10|Regular 92|8.00|25.00|200.00|1500|"));
        press(Qt::Key_Escape);
        QTRY_COMPARE(top(), m_list);
        QTRY_VERIFY(!m_list->isShowingActive());
        QCOMPARE(current(), 1500.0);
        QCOMPARE(m_list->historyTable()->currentIndex().data(HistoryOilModel::MoneyRole).toString(),
            QStringLiteral("¥200.00"));
    }

    void aStoredPositionOpensOnAMap_data()
    {
        QTest::addColumn<QString>("shown"); // the stored latitude and longitude as the detail shows them
        QTest::addColumn<bool>("desktopOpens");
        QTest::newRow("north and east") << "31.23040, 121.47370" << true;
        QTest::newRow("south and west, the desktop cannot open it") << "-22.90680, -43.17290" << false;
    }

    // The detail shows a stored position and, from the keyboard, hands its map to the desktop.
    void aStoredPositionOpensOnAMap()
    {
        QFETCH(QString, shown);
        QFETCH(bool, desktopOpens);
        const QStringList at = shown.split(QStringLiteral(", "));
        add(2011, 3, 5, 100, 5, 1000);
        LogBuilder::exec(
            QStringLiteral("update oil_history set latitude = %1, longitude = %2").arg(at[0], at[1]));
        const QString map
            = QStringLiteral("https://www.openstreetmap.org/?mlat=%1&mlon=%2#map=16/%1/%2").arg(at[0], at[1]);
        m_browser->installed = desktopOpens;
        show();
        openDetail();
        auto* position = top()->findChildren<PropertyView*>().constLast();
        QCOMPARE(position->accessibleName(), QStringLiteral("位置"));
        QCOMPARE(position->isVisible() ? position->getText() : QString(), shown);
        press(Qt::Key_Backtab);
        press(Qt::Key_Return);
        QCOMPARE(m_browser->opened.join(QLatin1Char(' ')), map);
        QCOMPARE(
            ScreenDriver::alertText(), desktopOpens ? QString() : QStringLiteral("失败|无法打开 ") + map);
    }

    void deleting_data()
    {
        QTest::addColumn<bool>("fromDetail");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("left"); // the readings still in the log
        QTest::newRow("confirmed in the list") << false << "确认" << false << "1500";
        QTest::newRow("cancelled in the list") << false << "取消" << false << "1000,1500";
        QTest::newRow("refused by the store, in the list") << false << "确认" << true << "1000,1500";
        QTest::newRow("confirmed in the detail") << true << "确认" << false << "1500";
        QTest::newRow("refused by the store, in the detail") << true << "确认" << true << "1000,1500";
    }

    // Delete asks first; only a delete the log has made leaves the list or the detail. A refused
    // one says so and changes nothing.
    void deleting()
    {
        QFETCH(bool, fromDetail);
        QFETCH(QString, button);
        QFETCH(bool, refused);
        QFETCH(QString, left);
        add(2011, 3, 5, 100, 5, 1000);
        add(2011, 3, 8, 100, 5, 1500);
        show();
        if (refused)
            LogBuilder::refuse("delete", "oil_history");
        if (fromDetail)
            openDetail();
        ViewController* screen = top();
        press(Qt::Key_Delete);
        QCOMPARE(ScreenDriver::alertText(), QStringLiteral("删除确认|你确定要删除该加油信息吗?"));
        AccessibilityWalk::verify(m_host->window(), false);
        QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), button));
        QCOMPARE(LogBuilder::value(
                     QStringLiteral("select group_concat(cast(car_mileage as int)) from oil_history")),
            left);
        QCOMPARE(ScreenDriver::alertText().startsWith(QStringLiteral("失败|加油信息没有删除：")), refused);
        if (refused)
            QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("确定")));
        QTRY_COMPARE(top(), fromDetail && left == QLatin1String("1500") ? m_list : screen);
        QTRY_VERIFY(!m_list->isShowingActive());
        QCOMPARE(m_list->dataSource()->rowCount(m_list->dataSource()->index(0, 0)),
            int(left.count(QLatin1Char(',')) + 1));
        // The fill-up after a deleted one takes its place.
        QCOMPARE(current(), left == QLatin1String("1500") ? 1500.0 : 1000.0);
    }

    // No fill-up: the notice, not an empty table. A log that cannot be read: an alert, not the
    // notice.
    void emptyAndUnreadable_data()
    {
        QTest::addColumn<bool>("corrupt");
        QTest::newRow("no fill-up") << false;
        QTest::newRow("a damaged log") << true;
    }

    void emptyAndUnreadable()
    {
        QFETCH(bool, corrupt);
        if (corrupt) {
            add(2011, 3, 5, 100, 5, 1000);
            LogBuilder::corruptTable(QStringLiteral("oil_history"));
        }
        show();
        QCOMPARE(m_list->noDataLable()->isVisible(), !corrupt);
        QCOMPARE(ScreenDriver::alertText().startsWith(QStringLiteral("失败|")), corrupt);
        QCOMPARE(m_list->dataSource()->sectionCount(), 0);
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
