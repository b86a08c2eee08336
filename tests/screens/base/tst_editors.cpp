#include "platform/FontCatalog.h"
#include "screens/base/AmountEntryRule.h"
#include "screens/base/BaseNumberEditViewController.h"
#include "screens/base/CHDatePickerView.h"
#include "screens/base/CKeyHelpView.h"
#include "screens/base/NavigationPopedViewControllerDelegate.h"
#include "screens/base/PropertyView.h"
#include "screens/base/PropertyViewDelegate.h"
#include "screens/base/TopHelpView.h"
#include "support/AccessibilityWalk.h"
#include "support/LogBuilder.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/NavigationBar.h"
#include "widgets/NavigationController.h"
#include "widgets/PickerView.h"
#include "widgets/TextField.h"
#include "widgets/TextFieldDelegate.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

// An editor built the way the app's editors are: a display field shows what is typed into the
// screen's hidden input, under the amount entry rule, with the key bar while typing.
class AmountEditor : public BaseNumberEditViewController,
                     public PropertyViewDelegate,
                     public TextFieldDelegate
{
public:
    PropertyView* amount = nullptr;
    TextField* hiddenField = nullptr;

protected:
    QString NavLeftItemTitle() const override { return QStringLiteral("Cancel"); }
    QString NavRightItemTitle() const override { return QStringLiteral("Save"); }
    bool needShowKeyBoardTopView() const override { return true; }

    void viewDidLoad() override
    {
        BaseNumberEditViewController::viewDidLoad();
        hiddenField = TextField::hiddenInput(this);
        hiddenField->setKeyboardType(TextField::KeyboardType::DecimalPad);
        hiddenField->setDelegate(this);
        amount = new PropertyView(this);
        amount->setDelegate(this);
        amount->setAccessibleName(QStringLiteral("Amount"));
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(amount);
        layout->addStretch();
        connect(hiddenField, &TextField::textChanged, amount, &PropertyView::setText);
    }

    void onPropertyViewTap(PropertyView* view) override
    {
        view->setActive(true);
        hiddenField->setText(view->getText());
        hiddenField->becomeFirstResponder();
    }

    bool textField(TextField* field, int, int, const QString& replacement) override
    {
        return AmountEntryRule::accepts(field->text(), replacement, 8, 2);
    }

    void viewActionButton(QAbstractButton*, int index) override
    {
        if (index == 0)
            hiddenField->clear();
    }
};

class DelegateLog : public NavigationPopedViewControllerDelegate
{
public:
    QStringList events;
    bool wasAliveAfterPop = false;

    using NavigationPopedViewControllerDelegate::DidPopNavViewController;
    using NavigationPopedViewControllerDelegate::willPopNavViewController;
    void willPopNavViewController(ViewController*, bool status) override
    {
        events << QLatin1String(status ? "willPop:YES" : "willPop:NO");
    }
    void DidPopNavViewController(ViewController* controller, bool status) override
    {
        events << QLatin1String(status ? "didPop:YES" : "didPop:NO");
        wasAliveAfterPop = controller->isViewLoaded();
    }
};

bool isClear(const PropertyView& view)
{
    return view.backgroundColor().alpha() == 0;
}

} // namespace

// The parts every editor is built of: the navigation-bar hooks, pop and dismiss delegates,
// the key bar, the amount entry rule, the property field and the date picker with its bar.
class TestEditors : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;
    DelegateLog m_delegate;

    // The editor pushed on the host's stack, above a root screen.
    AmountEditor* pushEditor()
    {
        auto* editor = new AmountEditor;
        editor->setNavDelegate(&m_delegate);
        m_host->navigationController()->pushViewController(editor, false);
        return editor;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>("en_US", "Asia/Shanghai");
        m_host = std::make_unique<ScreenHost>(new ViewController);
        m_delegate = DelegateLog();
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

    // An editor with its key bar and a date picker, as a screen reader sees it: every control
    // has a name and an action, and each action does what the hand does. The key bar shows
    // while typing (its clear key is pressed on every editor's screen); a picker taking the
    // keys puts it away, and a screen pushed over the editor too, for good.
    void aScreenReaderNamesAndUsesEveryControl()
    {
        // 10:20 in Shanghai (UTC+8, no daylight saving).
        const auto shanghai = [](int year, int month, int day) {
            return LogBuilder::at(year, month, day, 10, 20, "Asia/Shanghai");
        };
        AmountEditor* editor = pushEditor();
        auto* picker = new CHDatePickerView(editor);
        picker->setGeometry(0, 480, 390, picker->sizeHint().height());
        picker->setDate(Date(shanghai(2012, 1, 15) + 30), false);
        picker->show();
        TopHelpView* bar = picker->mHelpView();
        QVERIFY(!bar->isVisible() && !editor->shownKeyBar());
        picker->AddHelpView();
        ScreenDriver::tap(editor->amount);
        QVERIFY(editor->shownKeyBar() && editor->shownKeyBar()->isVisible());
        QVERIFY(!editor->shownKeyBar()->decimalKey());
        QWidget* window = m_host->window();
        AccessibilityWalk::verify(window, false);
        picker->wheels()->setFocus();
        QVERIFY(!editor->shownKeyBar());

        // The date wheels are named by what they turn; the bar's keys by their captions. A key
        // steps like a turn of the wheels, to the minute.
        QSignalSpy changed(picker, &DatePicker::valueChanged);
        QVERIFY(AccessibilityWalk::act(
            window, QStringLiteral("月"), QAccessibleActionInterface::increaseAction()));
        QVERIFY(AccessibilityWalk::act(window, QStringLiteral("下一年")));
        QCOMPARE(picker->date().timeIntervalSince1970(), shanghai(2013, 2, 15));
        for (const int key : { TopHelpView::YearBack, TopHelpView::MonthBack, TopHelpView::MonthBack })
            ScreenDriver::tap(bar->key(key));
        QCOMPARE(picker->date().timeIntervalSince1970(), shanghai(2011, 12, 15));
        QCOMPARE(changed.count(), 5);
        QCOMPARE(picker->wheels()->selectedRowInComponent(0), 11);
        // The bar sits on the picker and follows it; it lives on the screen, but goes with it.
        picker->setGeometry(10, 300, 300, 200);
        QCOMPARE(bar->geometry(), QRect(10, 300 - bar->height(), 300, bar->height()));
        QPointer<TopHelpView> watched(bar);
        delete picker;
        QVERIFY(watched.isNull());
        ScreenDriver::tap(editor->amount);
        QVERIFY(editor->shownKeyBar());
        m_host->navigationController()->pushViewController(new ViewController, false);
        QVERIFY(!editor->shownKeyBar());
        editor->hiddenField->setFocus();
        QVERIFY(!editor->shownKeyBar());
        m_host->navigationController()->popViewControllerAnimated(false);
        QVERIFY(AccessibilityWalk::act(window, QStringLiteral("Cancel")));
        QCOMPARE(m_delegate.events, QStringList({ "willPop:NO", "didPop:NO" }));
    }

    // Typing into an amount of at most 8 characters and 2 decimals (a leading zero, the second
    // decimal and a third are typed by the field's test below).
    void amountEntryRule_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char* name, const char* current, const char* replacement, bool accepted) {
            QTest::newRow(name) << QString(current) << QString(replacement) << accepted;
        };
        row("L-th character", "1234567", "8", true);
        row("character past L refused", "12345678", "9", false);
        row("deleting at the limit", "12345678", "", true);
        row("second point refused", "12.3", ".", false);
        row("pasted as if typed", "12", ".34", true);
        row("pasted past D refused whole", "12", "3.456", false);
        row("pasted past L refused whole", "", "123456789", false);
    }

    void amountEntryRule()
    {
        QFETCH(QString, current);
        QFETCH(QString, replacement);
        QTEST(AmountEntryRule::accepts(current, replacement, 8, 2), "accepted");
    }

    // Only an enabled field tells its delegate of a tap (the editor's makes it active); an active
    // field blinks every half second until made inactive. What is typed goes through the rule
    // into the field; a long text shrinks to fit, down to 14 points, and is kept whole. Save pops
    // with status YES (cancel, with NO, is pressed by the screen reader test above).
    void aFieldTakesTapsBlinksAndTypingAndSavePops()
    {
        AmountEditor* editor = pushEditor();
        PropertyView& view = *editor->amount;
        view.setEnable(false);
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, view.rect().center());
        QVERIFY(isClear(view));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, view.rect().center());
        QVERIFY(!view.isActive());
        view.setEnable(true);
        QElapsedTimer clock;
        clock.start();
        ScreenDriver::tap(&view);
        QVERIFY(view.isActive() && isClear(view));
        // Dark, then clear again, each half a second after the one before. Polling sees a change
        // up to a poll or a busy moment late, which can only shorten the second interval as seen.
        QTRY_VERIFY_WITH_TIMEOUT(!isClear(view), 2000);
        const qint64 first = clock.elapsed();
        QVERIFY2(first >= 450 && first < 1500, qPrintable(QString::number(first)));
        QTRY_VERIFY_WITH_TIMEOUT(isClear(view), 2000);
        QVERIFY2(clock.elapsed() - first >= 350, qPrintable(QString::number(clock.elapsed() - first)));

        // Made inactive while dark: clear at once, and it stays so.
        QTRY_VERIFY_WITH_TIMEOUT(!isClear(view), 2000);
        view.setActive(false);
        QVERIFY(isClear(view));
        QTest::qWait(700);
        QVERIFY(isClear(view));

        // Pressed by a screen reader, the field is tapped.
        QVERIFY(AccessibilityWalk::act(m_host->window(), QStringLiteral("Amount")));
        QVERIFY(view.isActive() && editor->hiddenField->isFirstResponder());
        QTest::keyClicks(editor->hiddenField, QStringLiteral("012.345.6"));
        QCOMPARE(view.getText(), QStringLiteral("12.34"));
        // The hidden input has no cursor to move: typing goes on at the end.
        QTest::keyClick(editor->hiddenField, Qt::Key_Left);
        QTest::keyClick(editor->hiddenField, Qt::Key_Backspace);
        QTest::keyClicks(editor->hiddenField, QStringLiteral("5"));
        QCOMPARE(view.getText(), QStringLiteral("12.35"));

        const QString text = QStringLiteral("A much longer text than fits on one line of this field");
        view.setText(text);
        QCOMPARE(view.findChild<QLabel*>()->font().pointSizeF(), 14.0);
        QCOMPARE(view.getText(), text);
        QVERIFY(ScreenDriver::tap(m_host->navigationController()->navigationBar()->rightButton()));
        QCOMPARE(m_delegate.events, QStringList({ "willPop:YES", "didPop:YES" }));
        QVERIFY(m_delegate.wasAliveAfterPop);
        QVERIFY(!m_host->navigationController()->viewControllers().contains(editor));
    }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
