#include "support/AccessibilityWalk.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/AppWindow.h"
#include "widgets/NavigationBar.h"
#include "widgets/NavigationController.h"
#include "widgets/NavigationItem.h"
#include "widgets/TabBar.h"
#include "widgets/TabBarController.h"

#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// A screen that writes down when it loads, appears and disappears.
class RecordingScreen : public ViewController
{
public:
    RecordingScreen(const QString& name, QStringList* log)
        : m_name(name)
        , m_log(log)
    {
        setTitle(name);
        setTabBarItem(name, QImage());
    }

protected:
    void viewDidLoad() override { record("load"); }
    void viewWillAppear() override { record("willAppear"); }
    void viewDidAppear() override { record("didAppear"); }
    void viewWillDisappear() override { record("willDisappear"); }
    void viewDidDisappear() override { record("didDisappear"); }

private:
    void record(const char* event) { m_log->append(m_name + QLatin1Char(':') + QLatin1String(event)); }

    QString m_name;
    QStringList* m_log;
};

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    QStringList m_log;

    RecordingScreen* screen(const char* name) { return new RecordingScreen(QLatin1String(name), &m_log); }

private Q_SLOTS:
    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        m_log.clear();
    }
    void cleanup() { m_data.reset(); }

    void pushShowsTheTitleAndABackButtonThatPops()
    {
        RecordingScreen* root = screen("root");
        QVERIFY(!root->isViewLoaded());
        ScreenHost host(root);
        NavigationController* navigation = host.navigationController();
        NavigationBar* bar = navigation->navigationBar();
        QCOMPARE(bar->title(), QStringLiteral("root"));
        QVERIFY(!bar->backButton());
        QCOMPARE(m_log, QStringList({ "root:load", "root:willAppear", "root:didAppear" }));

        QPointer<RecordingScreen> next = screen("next");
        m_log.clear();
        navigation->pushViewController(next, true);
        QCOMPARE(m_log,
            QStringList({ "root:willDisappear", "next:load", "next:willAppear", "root:didDisappear",
                "next:didAppear" }));
        QCOMPARE(navigation->topViewController(), next.data());
        QCOMPARE(bar->title(), QStringLiteral("next"));
        QVERIFY(next->isVisible());
        const QStringList faults = AccessibilityWalk::faults(host.window());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        // The back button's picture has no text; a screen reader finds it by its name.
        m_log.clear();
        QVERIFY(AccessibilityWalk::act(host.window(), QStringLiteral("返回")));
        QCOMPARE(navigation->viewControllers(), QList<ViewController*>({ root }));
        QCOMPARE(bar->title(), QStringLiteral("root"));
        QCOMPARE(m_log,
            QStringList({ "next:willDisappear", "root:willAppear", "next:didDisappear", "root:didAppear" }));
        // The popped screen lives until its slide is over, then goes.
        QVERIFY(next);
        QTRY_VERIFY(next.isNull());
    }

    void aLeftButtonReplacesTheBackButton()
    {
        ScreenHost host(screen("root"));
        RecordingScreen* next = screen("next");
        host.navigationController()->pushViewController(next, false);
        NavigationBar* bar = host.navigationController()->navigationBar();
        QVERIFY(bar->backButton());

        auto* cancel = new QAction(QStringLiteral("Cancel"), next);
        next->navigationItem()->setLeftBarButtonItem(cancel);
        QVERIFY(!bar->backButton());
        QCOMPARE(bar->leftButton()->text(), QStringLiteral("Cancel"));

        // A button that goes takes its place with it; the back button returns.
        delete cancel;
        QVERIFY(!bar->leftButton());
        QVERIFY(bar->backButton());
    }

    void tabsShareTheirControllersNavigationItem()
    {
        auto* tabs = new TabBarController;
        tabs->setViewControllers({ screen("zero"), screen("one"), screen("two"), screen("three") });
        ScreenHost host(tabs);
        QCOMPARE(tabs->selectedIndex(), 0);
        QCOMPARE(tabs->tabBar()->button(2)->text(), QStringLiteral("two"));
        // A tab screen reaches the window's navigation stack through the tabs.
        QCOMPARE(tabs->viewControllers().at(1)->navigationController(), host.navigationController());

        tabs->navigationItem()->setTitle(QStringLiteral("shared"));
        QCOMPARE(host.navigationController()->navigationBar()->title(), QStringLiteral("shared"));

        ScreenDriver::tap(tabs->tabBar()->button(2));
        QCOMPARE(tabs->selectedIndex(), 2);
        QVERIFY(m_log.endsWith(QStringLiteral("two:didAppear")));
        QVERIFY(!tabs->viewControllers().at(0)->isVisible());
    }

    void newTabsKeepTheScreensTheyShareWithTheOldOnes()
    {
        auto* tabs = new TabBarController;
        RecordingScreen* kept = screen("kept");
        QPointer<RecordingScreen> dropped = screen("dropped");
        tabs->setViewControllers({ dropped, kept });
        ScreenHost host(tabs);
        QPointer<RecordingScreen> stays = kept;
        tabs->setViewControllers({ kept, screen("new") });
        QVERIFY(dropped.isNull());
        QVERIFY(!stays.isNull());
        QCOMPARE(tabs->selectedViewController(), kept);
        QVERIFY(kept->isVisible());
    }

    void aPresentedScreenCoversTheWindowUntilDismissed()
    {
        auto* tabs = new TabBarController;
        tabs->setViewControllers({ screen("overview"), screen("settings") });
        ScreenHost host(tabs);
        auto* overview = tabs->viewControllers().at(0);

        QPointer<RecordingScreen> editor = screen("editor");
        m_log.clear();
        overview->presentModalViewController(editor, true);
        QCOMPARE(overview->modalViewController(), editor.data());
        QCOMPARE(editor->presentingViewController(), overview);
        QCOMPARE(host.window()->visibleViewController(), editor.data());
        // The screens below learn that they left the screen, down to the shown tab.
        QCOMPARE(m_log,
            QStringList({ "overview:willDisappear", "editor:load", "editor:willAppear",
                "overview:didDisappear", "editor:didAppear" }));

        m_log.clear();
        // Asked on the presented screen, the presenter dismisses it.
        editor->dismissModalViewControllerAnimated(true);
        QVERIFY(!overview->modalViewController());
        QCOMPARE(host.window()->visibleViewController(), host.navigationController());
        QCOMPARE(m_log,
            QStringList({ "editor:willDisappear", "overview:willAppear", "editor:didDisappear",
                "overview:didAppear" }));
        QTRY_VERIFY(editor.isNull());
    }

    void theWindowIsResizableAndEveryLayerCoversIt()
    {
        RecordingScreen* root = screen("root");
        ScreenHost host(root);
        QCOMPARE(host.window()->size(), QSize(390, 780));
        auto* editor = screen("editor");
        root->presentModalViewController(editor, true);
        host.window()->resize(500, 900);
        QCOMPARE(editor->geometry(), QRect(0, 0, 500, 900));
        QCOMPARE(root->height(), 900 - NavigationBar::kHeight);
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
