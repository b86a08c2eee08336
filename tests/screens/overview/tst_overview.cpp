#include "charts/BackgroundButton.h"
#include "charts/ChartView.h"
#include "platform/Clock.h"
#include "platform/FontCatalog.h"
#include "screens/carinfo/SCarInfoViewController.h"
#include "screens/entry/AddOilViewController.h"
#include "screens/overview/MFCell.h"
#include "screens/overview/MHCell.h"
#include "screens/overview/MainViewController.h"
#include "screens/overview/NLPageControl.h"
#include "screens/overview/PageView.h"
#include "screens/shell/PlaceholderViewController.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "store/CarManage.h"
#include "store/Setting.h"
#include "support/AccessibilityWalk.h"
#include "support/LogBuilder.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/AlertView.h"
#include "widgets/NavigationBar.h"
#include "widgets/NavigationController.h"
#include "widgets/PagingScrollView.h"
#include "widgets/TabBarController.h"

#include <QSettings>
#include <QtTest>

#include <memory>

// The overview as the first of the main tabs, shown in Chinese, now being 15 June 2011 in
// Shanghai. What it stores is read back from the files themselves.
class TestOverview : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;
    TabBarController* m_tabs = nullptr;
    MainViewController* m_overview = nullptr;
    QString m_golf;
    QString m_polo;

    // The tabs with the overview built and refreshed on the cars stored so far.
    void show()
    {
        QVERIFY(CarManage::sharedCarManage()->loadDefaultCar());
        m_tabs = new TabBarController;
        m_overview = new MainViewController;
        const QList<ViewController*> screens { m_overview, new PlaceholderViewController(QStringLiteral("1")),
            new PlaceholderViewController(QStringLiteral("2")) };
        for (ViewController* screen : screens)
            screen->setTabBarItem(screen->title(), QImage());
        m_tabs->setViewControllers(screens);
        m_host = std::make_unique<ScreenHost>(m_tabs);
        QTRY_VERIFY(!m_overview->isShowingActive());
        // An alert's message names a file: no key to translate.
        AccessibilityWalk::verify(m_host->window(), !ScreenDriver::shownAlert());
    }

    // Golf and Polo, Golf current; Polo with three fill-ups.
    void twoCars()
    {
        m_golf = LogBuilder::addCar(QStringLiteral("Golf"));
        m_polo = LogBuilder::addCar(QStringLiteral("Polo"));
        for (const double volumn : { 40.2, 47.0, 45.3 })
            addFillUp(m_polo, volumn);
        QVERIFY(Setting::setDefaultCarID(m_golf));
    }

    static void addFillUp(const QString& car, double volumn)
    {
        static int day = 0;
        ++day;
        LogBuilder::addFillUp(car,
            { LogBuilder::at(2011, 6, day % 14 + 1), 201106, volumn, 8 * volumn, 8, 1000.0 + 400 * day, 0 });
    }

    PageView* page(int index) const { return m_overview->allPages().value(index); }
    QString title() const { return m_host->navigationController()->navigationBar()->title(); }

    // The stored default car, read from the preferences file.
    static QString storedDefault()
    {
        return QSettings(Setting::preferencesPath(), QSettings::IniFormat)
            .value(QLatin1String(Setting::kDefaultCar))
            .toString();
    }

    // The car the overview shows and works on, everywhere it shows: the current car, the stored
    // default, the title, the dots and the page the scroller rests on. Golf's is the first page.
    void checkShowing(int index)
    {
        const QString key = index == 0 ? m_golf : m_polo;
        QTRY_COMPARE(
            m_overview->scrollView()->contentOffset(), index * m_overview->scrollView()->viewport()->width());
        QCOMPARE(CarManage::sharedCarManage()->mCurrentCarInfo()->carID, key);
        QCOMPARE(storedDefault(), key);
        QCOMPARE(title(), CarManage::sharedCarManage()->mCurrentCarInfo()->mCarName);
        QCOMPARE(m_overview->pageController()->currentPage(), index);
        // Its figures are its car's, whether it was the page shown first or not.
        QCOMPARE(page(index)->figures().car(), CarManage::sharedCarManage()->mCurrentCarInfo());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>("zh_CN", "Asia/Shanghai");
        QVERIFY(LogBuilder::createStore());
        QVERIFY(Setting::setStartDate(Date(LogBuilder::at(2011, 1, 1))));
        Clock::setFixedNow(Date(LogBuilder::at(2011, 6, 15)));
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

    // A page shows its own car's figures (worked through in the overview figures table of the
    // reports test); a log without a car has one empty page whose button does nothing.
    void aPageShowsItsCarsFigures_data()
    {
        QTest::addColumn<QList<double>>("volumns"); // null: no car
        QTest::addColumn<QString>("yLables");
        QTest::newRow("no car") << QList<double>() << "1 2 3 4 5";
        QTest::newRow("40.2, 47.0, 45.3") << QList<double> { 40.2, 47.0, 45.3 } << "10 20 30 40 50";
    }

    void aPageShowsItsCarsFigures()
    {
        QFETCH(QList<double>, volumns);
        const bool noCar = volumns.isEmpty();
        const QString key = noCar ? QString() : LogBuilder::addCar(QStringLiteral("Golf"));
        for (const double volumn : volumns)
            addFillUp(key, volumn);
        show();
        QCOMPARE(m_overview->allPages().size(), 1);
        PageView* shown = page(0);
        QCOMPARE(shown->mCarInfo() == nullptr, noCar);
        QCOMPARE(shown->myData(), volumns);
        QCOMPARE(shown->xLables(), shown->figures().xLables());
        ChartView& chart = *shown->mChartView();
        QStringList yLables;
        float x = 0, y = 0;
        for (unsigned tick = 1; tick <= 5; ++tick)
            yLables << shown->loadTextYMajorTick(tick, x, y, chart);
        QTEST(yLables.join(QLatin1Char(' ')), "yLables");
        QCOMPARE(chart.mxLogicValue->size(), volumns.size());
        QCOMPARE(shown->latestCell()->info(), shown->figures().latestFillUpText());
        QCOMPARE(shown->mButton()->isEnabled(), !noCar);
    }

    // The page shown first is the stored default car's; a key too short to be one shows the
    // first. Turning to the other page makes its car the current and default car.
    void turningThePageSwitchesTheCar_data()
    {
        QTest::addColumn<int>("storedCar"); // 0 Golf, 1 Polo, -1 the key "x"
        QTest::addColumn<QString>("turn"); // key, drag, wheel or dot
        QTest::newRow("Polo stored, back by the arrow key") << 1 << "key";
        QTest::newRow("a one-character key: the first page, on by a drag") << -1 << "drag";
        QTest::newRow("Golf stored, on by the mouse wheel") << 0 << "wheel";
        QTest::newRow("Golf stored, on by a screen reader on the dots") << 0 << "dot";
    }

    void turningThePageSwitchesTheCar()
    {
        QFETCH(int, storedCar);
        QFETCH(QString, turn);
        twoCars();
        QVERIFY(Setting::setDefaultCarID(storedCar < 0 ? QStringLiteral("x") : storedCar ? m_polo : m_golf));
        show();
        const int first = qMax(storedCar, 0);
        checkShowing(first);

        QWidget* viewport = m_overview->scrollView()->viewport();
        if (turn == QLatin1String("key")) {
            QTest::keyClick(page(1)->mChartView(), Qt::Key_Left);
        } else if (turn == QLatin1String("drag")) {
            // Most of a page leftwards, released there; a fifth is enough.
            const QPoint start(viewport->width() - 20, 40);
            QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
            QTest::mouseMove(viewport, start - QPoint(viewport->width() / 4, 0));
            QTest::mouseRelease(
                viewport, Qt::LeftButton, Qt::NoModifier, start - QPoint(viewport->width() / 4, 0));
        } else if (turn == QLatin1String("wheel")) {
            QWheelEvent wheel(QPointF(40, 40), viewport->mapToGlobal(QPointF(40, 40)), QPoint(),
                QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
        } else {
            QVERIFY(AccessibilityWalk::act(m_host->window(), QStringLiteral("Polo")));
        }
        checkShowing(1 - first);
    }

    // The fault mended: a page's rows and buttons act on the page's car, even while the other
    // car is current. A fill-up added on Polo's page is stored under Polo, and Polo's page shows
    // it once the entry screen is gone.
    void aPagesRowsActOnItsCar_data()
    {
        QTest::addColumn<int>("row"); // 0 summary, 1 latest fill-up, 2 the car button, 3 add
        QTest::addColumn<int>("tab");
        QTest::newRow("the summary opens the report") << 0 << int(PumporaAppDelegate::ReportTab);
        QTest::newRow("the latest fill-up opens the history") << 1 << int(PumporaAppDelegate::HistoryTab);
        QTest::newRow("the car button opens the car's information")
            << 2 << int(PumporaAppDelegate::OverviewTab);
        QTest::newRow("the add button stores the fill-up under the page's car")
            << 3 << int(PumporaAppDelegate::OverviewTab);
    }

    void aPagesRowsActOnItsCar()
    {
        QFETCH(int, row);
        QFETCH(int, tab);
        twoCars();
        show();
        QCOMPARE(title(), QStringLiteral("Golf"));
        PageView* polo = page(1);
        if (row == 0)
            QVERIFY(AccessibilityWalk::act(polo, QStringLiteral("车辆统计")));
        else if (row == 1)
            ScreenDriver::tap(polo->latestCell());
        else if (row == 3) {
            ScreenDriver::tap(polo->mButton());
            QVERIFY(qobject_cast<AddOilViewController*>(m_host->window()->visibleViewController()));
            // A total of 100 at 8 a litre.
            ScreenDriver::type(ScreenDriver::focused(), QStringLiteral("100"));
            ScreenDriver::press(Qt::Key_Backtab);
            ScreenDriver::press(Qt::Key_Backtab);
            QVERIFY(AccessibilityWalk::act(m_host->window(), QStringLiteral("清除")));
            ScreenDriver::type(ScreenDriver::focused(), QStringLiteral("8"));
            ScreenDriver::press(Qt::Key_Return);
            QTRY_COMPARE(m_host->window()->visibleViewController(), m_host->navigationController());
            QCOMPARE(LogBuilder::value(QStringLiteral("select group_concat(car_id || ' ' || oil_volumn) from "
                                                      "oil_history where oil_money = 100")),
                m_polo + QStringLiteral(" 12.5"));
            QTRY_COMPARE(m_overview->allPages().size(), 2);
            QVERIFY2(page(1)->latestCell()->info().contains(QLatin1String("12.50")),
                qPrintable(page(1)->latestCell()->info()));
            checkShowing(1);
        } else {
            m_overview->scrollView()->scrollToPage(1, false);
            m_overview->carButton()->trigger();
            auto* navigation = qobject_cast<NavigationController*>(m_overview->modalViewController());
            QVERIFY(navigation);
            auto* carInfo = qobject_cast<SCarInfoViewController*>(navigation->topViewController());
            QCOMPARE(carInfo ? carInfo->carInfo()->carID : QString(), m_polo);
        }
        // A screen reader's press clicks the row as a button does, after its pressed moment.
        QTRY_COMPARE(m_tabs->selectedIndex(), tab);
        QCOMPARE(CarManage::sharedCarManage()->mCurrentCarInfo()->carID, m_polo);
        QCOMPARE(storedDefault(), m_polo);
        QCOMPARE(m_overview->pageController()->currentPage(), 1);
    }

    // Pages are dropped when the overview leaves and built anew when it comes back, showing what
    // was entered meanwhile; after a memory warning the next refresh builds them anew too.
    void thePagesAreBuiltAnewOnEveryAppearance()
    {
        twoCars();
        show();
        m_tabs->setSelectedIndex(PumporaAppDelegate::ReportTab);
        QVERIFY(m_overview->allPages().isEmpty());
        addFillUp(m_golf, 33);
        m_tabs->setSelectedIndex(PumporaAppDelegate::OverviewTab);
        QTRY_COMPARE(m_overview->allPages().size(), 2);
        QVERIFY(page(0)->latestCell()->info().contains(QLatin1String("33.00")));

        const QPointer<PageView> before = page(1);
        m_overview->didReceiveMemoryWarning();
        m_overview->update();
        QTRY_VERIFY(before.isNull());
        QCOMPARE(m_overview->allPages().size(), 2);
    }

    // A log that cannot be read is said so, on an alert and in the rows: never shown as empty. A
    // default car that cannot be stored is said so; the car is current all the same.
    void failuresAreSaidSo()
    {
        twoCars();
        LogBuilder::corruptTable(QStringLiteral("oil_history"));
        show();
        QCOMPARE(page(0)->latestCell()->info(), page(0)->figures().errorString());
        QVERIFY(ScreenDriver::alertText().contains(page(0)->latestCell()->info()));
        QVERIFY(page(0)->summaryCell()->avageVolumn().isEmpty());
        QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("确定")));
        QVERIFY(QFile::remove(Setting::preferencesPath()) && QDir().mkpath(Setting::preferencesPath()));
        QTest::keyClick(m_overview->scrollView(), Qt::Key_Right);
        QTRY_COMPARE(CarManage::sharedCarManage()->mCurrentCarInfo()->carID, m_polo);
        QVERIFY(ScreenDriver::alertText().contains(QStringLiteral("|当前车辆没有保存为默认车辆")));
    }
};

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
