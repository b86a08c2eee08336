#include "platform/DeviceLocale.h"
#include "platform/MainBundle.h"
#include "support/AccessibilityWalk.h"
#include "support/LogBuilder.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/ActionSheet.h"
#include "widgets/AlertView.h"
#include "widgets/AppWindow.h"
#include "widgets/DatePicker.h"
#include "widgets/NavigationBar.h"
#include "widgets/NavigationController.h"
#include "widgets/NavigationItem.h"
#include "widgets/PickerView.h"
#include "widgets/TabBarController.h"
#include "widgets/TextField.h"

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

// The app's window and what moves between its screens: navigation stacks, tabs and presented
// screens; and what the user answers and types: alerts, confirmations and action sheets, text
// fields, wheels and date pickers. The device is in Shanghai.
class TestWidgets : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;
    QStringList m_log;

    RecordingScreen* screen(const char* name) { return new RecordingScreen(QLatin1String(name), &m_log); }

    // A blank screen in a shown window, for the inputs.
    QWidget* page()
    {
        m_host = std::make_unique<ScreenHost>(new ViewController);
        return m_host->window()->rootViewController();
    }

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(MainBundle::installTranslator());
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>("en_US", "Asia/Shanghai");
        m_log.clear();
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

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
        QCOMPARE(bar->title(), QStringLiteral("next"));
        QVERIFY(next->isVisible());
        AccessibilityWalk::verify(host.window(), false);

        // A left button takes the back button's place; a button that goes takes its place with
        // it, and the back button returns.
        auto* cancel = new QAction(QStringLiteral("Cancel"), next);
        next->navigationItem()->setLeftBarButtonItem(cancel);
        QVERIFY(!bar->backButton());
        QCOMPARE(bar->leftButton()->text(), QStringLiteral("Cancel"));
        delete cancel;
        QVERIFY(!bar->leftButton());

        // The back button's picture has no text; a screen reader finds it by its name.
        m_log.clear();
        QVERIFY(AccessibilityWalk::act(host.window(), QStringLiteral("Back")));
        QCOMPARE(navigation->viewControllers(), QList<ViewController*>({ root }));
        QCOMPARE(bar->title(), QStringLiteral("root"));
        QCOMPARE(m_log,
            QStringList({ "next:willDisappear", "root:willAppear", "next:didDisappear", "root:didAppear" }));
        // The popped screen lives until its slide is over, then goes.
        QVERIFY(next);
        QTRY_VERIFY(next.isNull());
    }

    // A presented screen covers the window, resized too, until dismissed; and new tabs keep the
    // screens they share with the old ones.
    void aPresentedScreenCoversTheWindowUntilDismissed()
    {
        auto* tabs = new TabBarController;
        tabs->setViewControllers({ screen("overview"), screen("settings") });
        ScreenHost host(tabs);
        QPointer<ViewController> overview = tabs->viewControllers().at(0);

        QPointer<RecordingScreen> editor = screen("editor");
        m_log.clear();
        overview->presentModalViewController(editor, true);
        QCOMPARE(overview->modalViewController(), editor.data());
        QCOMPARE(host.window()->visibleViewController(), editor.data());
        // The screens below learn that they left the screen, down to the shown tab.
        QCOMPARE(m_log,
            QStringList({ "overview:willDisappear", "editor:load", "editor:willAppear",
                "overview:didDisappear", "editor:didAppear" }));
        host.window()->resize(500, 900);
        QCOMPARE(editor->geometry(), QRect(0, 0, 500, 900));
        QCOMPARE(tabs->height(), 900 - NavigationBar::kHeight);

        m_log.clear();
        // Asked on the presented screen, the presenter dismisses it.
        editor->dismissModalViewControllerAnimated(true);
        QVERIFY(!overview->modalViewController());
        QCOMPARE(host.window()->visibleViewController(), host.navigationController());
        QCOMPARE(m_log,
            QStringList({ "editor:willDisappear", "overview:willAppear", "editor:didDisappear",
                "overview:didAppear" }));
        QTRY_VERIFY(editor.isNull());

        ViewController* settings = tabs->viewControllers().at(1);
        tabs->setViewControllers({ settings, screen("new") });
        QVERIFY(overview.isNull());
        QCOMPARE(tabs->selectedViewController(), settings);
        QVERIFY(settings->isVisible());
    }

    // An alert's cancel button comes first; a sheet's destructive button first, its cancel
    // button last.
    void aPopupReportsTheButtonPressed_data()
    {
        QTest::addColumn<bool>("sheet");
        QTest::addColumn<QString>("button"); // empty: escape
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("an alert: escape cancels")
            << false << QString() << QStringList { "Cancel", "Confirm" };
        QTest::newRow("an alert: a screen reader confirms")
            << false << "Confirm" << QStringList { "Cancel", "Confirm" };
        QTest::newRow("a sheet: a screen reader picks Preview")
            << true << "Preview" << QStringList { "Delete", "PDF", "Preview", "Cancel" };
    }

    void aPopupReportsTheButtonPressed()
    {
        QFETCH(bool, sheet);
        QFETCH(QString, button);
        QFETCH(QStringList, titles);
        // Two inputs: when the popup goes, Qt alone would pass the keys to the first of them.
        QWidget* screen = page();
        auto* other = new TextField(screen);
        auto* field = new TextField(screen);
        other->setAccessibleName(QStringLiteral("Price"));
        field->setAccessibleName(QStringLiteral("Amount"));
        other->show();
        field->show();
        field->becomeFirstResponder();
        PopupView* popup = sheet
            ? static_cast<PopupView*>(new ActionSheet("Export", "Cancel", "Delete", { "PDF", "Preview" }))
            : new AlertView("Delete?", QString(), "Cancel", { "Confirm" });
        QSignalSpy clicked(popup, &PopupView::clickedButtonAtIndex);
        popup->present();
        QCOMPARE(popup->buttonTitles(), titles);
        QCOMPARE(popup->cancelButtonIndex(), titles.indexOf(QStringLiteral("Cancel")));
        // The popup takes the keys from the input below, and gives them back when it goes.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
        QCOMPARE(field->text(), QString());
        if (button.isEmpty()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            AccessibilityWalk::verify(m_host->window(), false);
            QVERIFY(AccessibilityWalk::act(m_host->window(), button));
        }
        // A screen reader's press is animated: the click comes a moment later.
        QTRY_COMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(),
            titles.indexOf(button.isEmpty() ? QStringLiteral("Cancel") : button));
        QVERIFY(field->isFirstResponder());
    }

    void keyboardKindsLimitWhatIsTyped_data()
    {
        using Kind = TextField::KeyboardType;
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("number pad") << int(Kind::NumberPad) << QStringLiteral("4a.5,")
                                    << QStringLiteral("45");
        QTest::newRow("decimal pad: a comma types the point")
            << int(Kind::DecimalPad) << QStringLiteral("4a,5") << QStringLiteral("4.5");
        QTest::newRow("ASCII") << int(Kind::ASCIICapable) << QStringLiteral("Aé-1") << QStringLiteral("A-1");
    }

    void keyboardKindsLimitWhatIsTyped()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        auto* field = new TextField(page());
        field->setKeyboardType(TextField::KeyboardType(kind));
        ScreenDriver::type(field, typed);
        QCOMPARE(field->text(), text);
    }

    // The wheels in the locale's order, on the local day: 31 January 2012 23:30 in Shanghai is
    // still the 31st in UTC. Set by code, the wheels say nothing; turned by the user to February,
    // where the 31st does not exist, the day becomes the 29th (a leap year) at the same time of
    // day. A click on the row above the band then turns the day wheel to the 28th.
    void aDatePickerTurnsInTheLocalesOrder_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("monthWheel");
        QTest::addColumn<QStringList>("wheels");
        QTest::newRow("English: month, day, year") << "en_US" << 0 << QStringList { "Feb", "28", "2012" };
        QTest::newRow("Chinese: year, month, day") << "zh_CN" << 1 << QStringList { "2012", "2月", "28" };
    }

    void aDatePickerTurnsInTheLocalesOrder()
    {
        QFETCH(QString, locale);
        QFETCH(int, monthWheel);
        DeviceLocale::setLocaleName(locale);
        auto* picker = new DatePicker(page());
        picker->resize(360, picker->sizeHint().height());
        picker->show();
        QSignalSpy changed(picker, &DatePicker::valueChanged);
        picker->setDate(Date(LogBuilder::at(2012, 1, 31, 23, 30, "Asia/Shanghai") + 0.25), false);
        PickerView* wheels = picker->wheels();
        ScreenDriver::turnWheel(wheels, monthWheel, 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(picker->date().timeIntervalSince1970(),
            LogBuilder::at(2012, 2, 29, 23, 30, "Asia/Shanghai") + 0.25);
        const QRect day = wheels->rectForComponent(monthWheel + 1);
        QTest::mouseClick(wheels, Qt::LeftButton, Qt::NoModifier,
            QPoint(day.center().x(), wheels->height() / 2 - PickerView::kRowHeight));
        QStringList shown;
        for (int component = 0; component < 3; ++component)
            shown << wheels->titleForRow(wheels->selectedRowInComponent(component), component);
        QTEST(shown, "wheels");
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
