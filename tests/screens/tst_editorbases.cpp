#include "platform/ActivityIndicatorView.h"
#include "platform/NavigationBar.h"
#include "platform/NavigationController.h"
#include "platform/PickerView.h"
#include "platform/TextField.h"
#include "platform/TextFieldDelegate.h"
#include "screens/AmountEntryRule.h"
#include "screens/BaseModalViewControllerDelegate.h"
#include "screens/BaseNumberEditViewController.h"
#include "screens/CKeyHelpView.h"
#include "screens/NavigationPopedViewControllerDelegate.h"
#include "screens/PropertyView.h"
#include "screens/PropertyViewDelegate.h"
#include "store/Utility.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"

#include <QAbstractButton>
#include <QGraphicsOpacityEffect>
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
    PickerView* grades = nullptr;

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
        grades = new PickerView(this);
        grades->setComponents({ { QStringLiteral("RON 92"), QStringLiteral("RON 95") } });
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(amount);
        layout->addWidget(grades);
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

class DelegateLog : public NavigationPopedViewControllerDelegate, public BaseModalViewControllerDelegate
{
public:
    QStringList events;
    bool wasAliveAfterPop = false;

    void willPopNavViewController(ViewController*, bool status) override { record("willPop", status); }
    void DidPopNavViewController(ViewController* controller, bool status) override
    {
        record("didPop", status);
        wasAliveAfterPop = controller->isViewLoaded();
    }
    void willPopNavViewController(ViewController*) override { events << QStringLiteral("willPop"); }
    void DidPopNavViewController(ViewController*) override { events << QStringLiteral("didPop"); }
    void willDissModalViewController(ViewController* controller) override
    {
        events << QStringLiteral("willDismiss");
        controller->dismissModalViewControllerAnimated(true);
    }
    void DidDissModalViewController(ViewController*) override { events << QStringLiteral("didDismiss"); }

private:
    void record(const char* event, bool status)
    {
        events << QLatin1String(event) + (status ? QStringLiteral(":YES") : QStringLiteral(":NO"));
    }
};

} // namespace

class TestEditorBases : public QObject
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

    NavigationBar* bar() const { return m_host->navigationController()->navigationBar(); }

private Q_SLOTS:
    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        m_host = std::make_unique<ScreenHost>(new ViewController);
        m_delegate = DelegateLog();
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

    void cancelAndSavePopWithTheirStatus_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("cancel") << false;
        QTest::newRow("save") << true;
    }

    void cancelAndSavePopWithTheirStatus()
    {
        QFETCH(bool, save);
        AmountEditor* editor = pushEditor();
        QCOMPARE(bar()->leftButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(bar()->rightButton()->text(), QStringLiteral("Save"));
        QVERIFY(save ? ScreenDriver::pressRightButton(bar()) : ScreenDriver::pressLeftButton(bar()));
        const QString status = save ? QStringLiteral(":YES") : QStringLiteral(":NO");
        QCOMPARE(m_delegate.events, QStringList({ "willPop" + status, "didPop" + status }));
        QVERIFY(m_delegate.wasAliveAfterPop);
        QVERIFY(!m_host->navigationController()->viewControllers().contains(editor));
    }

    void onlyTheShownScreenPops()
    {
        AmountEditor* below = pushEditor();
        AmountEditor* top = pushEditor();
        below->popViewControllerAnimated(true, true);
        QCOMPARE(m_host->navigationController()->topViewController(), top);
        QVERIFY(m_delegate.events.isEmpty());
        top->popViewControllerAnimated(true);
        QCOMPARE(m_delegate.events, QStringList({ "willPop", "didPop" }));
        QCOMPARE(m_host->navigationController()->topViewController(), below);
    }

    void typingGoesThroughTheRuleIntoTheField()
    {
        AmountEditor* editor = pushEditor();
        ScreenDriver::tap(editor->amount);
        QVERIFY(editor->amount->isActive());
        QVERIFY(editor->hiddenField->isFirstResponder());
        QTest::keyClicks(editor->hiddenField, QStringLiteral("012.345.6"));
        QCOMPARE(editor->amount->getText(), QStringLiteral("12.34"));
    }

    void theKeyBarShowsWhileTyping()
    {
        AmountEditor* editor = pushEditor();
        QVERIFY(!editor->shownKeyBar());
        ScreenDriver::tap(editor->amount);
        CKeyHelpView* keys = editor->shownKeyBar();
        QVERIFY(keys);
        QVERIFY(keys->isVisible());
        QVERIFY(!keys->decimalKey());
        QCOMPARE(keys->geometry(),
            QRect(0, editor->height() - CKeyHelpView::kHeight, editor->width(), CKeyHelpView::kHeight));
        QTest::keyClicks(editor->hiddenField, QStringLiteral("42"));
        // Key 0 clears; pressing it leaves the keyboard where it was.
        ScreenDriver::tap(keys->key(0));
        QCOMPARE(editor->amount->getText(), QString());
        QVERIFY(editor->hiddenField->isFirstResponder());
        // Turning to a picker puts the keyboard away, and the bar with it.
        editor->grades->setFocus();
        QVERIFY(!editor->shownKeyBar());
        ScreenDriver::tap(editor->amount);
        QVERIFY(editor->shownKeyBar());
    }

    void aScreenOffTheStackWatchesNoKeyboard()
    {
        AmountEditor* editor = pushEditor();
        ScreenDriver::tap(editor->amount);
        QVERIFY(editor->shownKeyBar());
        m_host->navigationController()->pushViewController(new ViewController, false);
        QVERIFY(!editor->shownKeyBar());
        editor->hiddenField->setFocus();
        QVERIFY(!editor->shownKeyBar());
    }

    // Only a decimal field on a system before 4.1 lacks its own point; this one is past it.
    void theDecimalKeyOnlyWhereAsked()
    {
        QVERIFY(BaseNumberEditViewController::decimalKeyNeeded(true, 4.0f));
        QVERIFY(!BaseNumberEditViewController::decimalKeyNeeded(true, 4.1f));
        QVERIFY(!BaseNumberEditViewController::decimalKeyNeeded(false, 3.1f));
        QVERIFY(!BaseNumberEditViewController::decimalKeyNeeded(true, Utility::CurrentIOSVersion()));
    }

    void dismissingIsLeftToThePresenter()
    {
        auto* editor = new AmountEditor;
        QPointer<AmountEditor> alive(editor);
        editor->setDissDelegate(&m_delegate);
        m_host->navigationController()->topViewController()->presentModalViewController(editor, true);
        editor->requestDismissModalViewAnimated();
        QCOMPARE(m_delegate.events, QStringList({ "willDismiss", "didDismiss" }));
        QCOMPARE(m_host->window()->visibleViewController(), m_host->navigationController());
        QTRY_VERIFY(alive.isNull());
    }

    void theBusyIndicatorSitsInTheMiddle()
    {
        AmountEditor* editor = pushEditor();
        editor->showActive();
        QVERIFY(editor->isShowingActive());
        auto* indicator = editor->findChild<ActivityIndicatorView*>();
        QVERIFY(indicator->isAnimating());
        QCOMPARE(indicator->size(), QSize(32, 32));
        QCOMPARE(indicator->geometry().center(), editor->rect().center());
        QCOMPARE(qobject_cast<QGraphicsOpacityEffect*>(indicator->graphicsEffect())->opacity(), 0.5);
        editor->hideActive();
        QVERIFY(!editor->isShowingActive());
        QVERIFY(!editor->findChild<ActivityIndicatorView*>());
    }
};

QTEST_MAIN(TestEditorBases)
#include "tst_editorbases.moc"
