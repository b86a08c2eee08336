#include "platform/DeviceLocale.h"
#include "platform/MainBundle.h"
#include "support/AccessibilityWalk.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"
#include "widgets/ActionSheet.h"
#include "widgets/AlertView.h"
#include "widgets/DatePicker.h"
#include "widgets/PickerView.h"
#include "widgets/TextField.h"
#include "widgets/TextFieldDelegate.h"

#include <QtTest>

#include <memory>

namespace {

// Refuses every change that would make the text longer than three characters.
class AtMostThree : public TextFieldDelegate
{
public:
    bool textField(TextField* field, int, int length, const QString& replacement) override
    {
        return field->text().size() - length + replacement.size() <= 3;
    }
};

// Seconds since 1970 of a wall time in Shanghai (UTC+8, no daylight saving).
double shanghai(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC).toSecsSinceEpoch() - 8 * 3600.0;
}

} // namespace

// What the user answers and types: alerts, confirmations and action sheets, text fields,
// wheels and date pickers.
class TestInputs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;

    QWidget* page() const { return m_host->window()->rootViewController(); }

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(MainBundle::installTranslator());
    }

    void init()
    {
        m_data
            = std::make_unique<TestDataDirectory>(QStringLiteral("en_US"), QStringLiteral("Asia/Shanghai"));
        m_host = std::make_unique<ScreenHost>(new ViewController);
    }

    void cleanup()
    {
        m_host.reset();
        m_data.reset();
    }

    void shortcutsShowOneButtonAndReturnAtOnce_data()
    {
        QTest::addColumn<int>("shortcut");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("button");
        QTest::newRow("any button") << 0 << QStringLiteral("Oops") << QStringLiteral("Cancel");
        QTest::newRow("OK") << 1 << QStringLiteral("Oops") << QStringLiteral("OK");
        QTest::newRow("error") << 2 << QStringLiteral("Failure") << QStringLiteral("OK");
    }

    void shortcutsShowOneButtonAndReturnAtOnce()
    {
        QFETCH(int, shortcut);
        QFETCH(QString, title);
        QFETCH(QString, button);
        const QString message = QStringLiteral("Something went wrong.");
        // Each returns while the alert is still shown: nothing waits for the user.
        if (shortcut == 0)
            AlertView::showAlertWithTitle(QStringLiteral("Oops"), message, QStringLiteral("Cancel"));
        else if (shortcut == 1)
            AlertView::showOKWithTitle(QStringLiteral("Oops"), message);
        else
            AlertView::showError(message);

        AlertView* alert = ScreenDriver::shownAlert();
        QVERIFY(alert);
        QVERIFY(alert->isVisible());
        QCOMPARE(alert->parentWidget(), m_host->window());
        QCOMPARE(alert->title(), title);
        QCOMPARE(alert->message(), message);
        QCOMPARE(alert->buttonTitles(), QStringList({ button }));

        QVERIFY(ScreenDriver::pressButton(alert, button));
        QVERIFY(!ScreenDriver::shownAlert());
    }

    void aConfirmationReportsTheButtonPressed_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("index");
        QTest::newRow("confirm") << "click" << 1;
        QTest::newRow("escape cancels") << "escape" << 0;
        QTest::newRow("a screen reader confirms") << "screen reader" << 1;
    }

    void aConfirmationReportsTheButtonPressed()
    {
        QFETCH(QString, way);
        QFETCH(int, index);
        auto* alert = new AlertView(
            QStringLiteral("Delete?"), QString(), QStringLiteral("Cancel"), { QStringLiteral("Confirm") });
        QSignalSpy clicked(alert, &AlertView::clickedButtonAtIndex);
        alert->present();
        QCOMPARE(alert->cancelButtonIndex(), 0);
        if (way == QLatin1String("escape")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else if (way == QLatin1String("click")) {
            QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("Confirm")));
        } else {
            const QStringList faults = AccessibilityWalk::faults(m_host->window());
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
            QVERIFY(AccessibilityWalk::act(m_host->window(), QStringLiteral("Confirm")));
        }
        // A screen reader's press is animated: the click comes a moment later.
        QTRY_COMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), index);
    }

    void theInputBelowGetsTheKeyboardBack()
    {
        auto* field = new TextField(page());
        field->show();
        field->becomeFirstResponder();
        QVERIFY(field->isFirstResponder());
        AlertView::showOKWithTitle(QStringLiteral("Note"), QString());
        QVERIFY(!field->isFirstResponder());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
        QCOMPARE(field->text(), QString());
        QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("OK")));
        QVERIFY(field->isFirstResponder());
    }

    // A destructive button comes first, the cancel button last.
    void actionSheetIndicesPutCancelLast()
    {
        const QStringList titles { "Delete", "PDF", "Preview", "Cancel" };
        auto* sheet = new ActionSheet(QStringLiteral("Export"), QStringLiteral("Cancel"),
            QStringLiteral("Delete"), { QStringLiteral("PDF"), QStringLiteral("Preview") });
        QSignalSpy clicked(sheet, &ActionSheet::clickedButtonAtIndex);
        sheet->present();
        ActionSheet* shown = ScreenDriver::shownActionSheet();
        QCOMPARE(shown, sheet);
        QCOMPARE(shown->buttonTitles(), titles);
        QCOMPARE(shown->cancelButtonIndex(), titles.size() - 1);
        // The panel sits at the bottom of the window, as wide as it.
        QCOMPARE(shown->findChild<QFrame*>(QStringLiteral("card"))->geometry().bottom(),
            m_host->window()->height() - 1);
        QVERIFY(ScreenDriver::pressButton(shown, QStringLiteral("Preview")));
        QCOMPARE(clicked.at(0).at(0).toInt(), titles.indexOf(QStringLiteral("Preview")));
        QVERIFY(!ScreenDriver::shownActionSheet());
    }
    void keyboardKindsLimitWhatIsTyped_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("number pad") << int(TextField::KeyboardType::NumberPad) << "4a.5,"
                                    << "45";
        QTest::newRow("decimal pad: a comma types the point")
            << int(TextField::KeyboardType::DecimalPad) << "4a,5"
            << "4.5";
        QTest::newRow("ASCII") << int(TextField::KeyboardType::ASCIICapable) << QStringLiteral("Aé-1")
                               << "A-1";
    }

    void keyboardKindsLimitWhatIsTyped()
    {
        QFETCH(int, kind);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        auto* field = new TextField(page());
        field->show();
        field->setKeyboardType(TextField::KeyboardType(kind));
        field->becomeFirstResponder();
        ScreenDriver::type(field, typed);
        QCOMPARE(field->text(), text);
    }

    void theDelegateMayRefuseAChange()
    {
        AtMostThree delegate;
        TextField* field = TextField::hiddenInput(page());
        field->show();
        field->setDelegate(&delegate);
        field->becomeFirstResponder();
        QVERIFY(field->isFirstResponder());
        QTest::keyClicks(field, QStringLiteral("12345"));
        QCOMPARE(field->text(), QStringLiteral("123"));
        // The hidden input has no cursor to move: typing goes on at the end.
        QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QStringLiteral("9"));
        QCOMPARE(field->text(), QStringLiteral("129"));
        QCOMPARE(field->size(), QSize(0, 0));
    }

    void userTurnsReportTheRowButCodeDoesNot()
    {
        auto* picker = new PickerView(page());
        picker->setComponents({ { "E10", "RON 92", "RON 95", "RON 98" } });
        picker->resize(300, picker->sizeHint().height());
        picker->show();
        QSignalSpy selected(picker, &PickerView::didSelectRow);
        picker->selectRow(2, 0, false);
        QCOMPARE(picker->selectedRowInComponent(0), 2);
        QCOMPARE(selected.count(), 0);

        ScreenDriver::turnWheel(picker, 0, 3);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0), QVariantList({ 3, 0 }));

        // A click on the row above the band turns the wheel to it.
        const QRect column = picker->rectForComponent(0);
        QTest::mouseClick(picker, Qt::LeftButton, Qt::NoModifier,
            QPoint(column.center().x(), picker->height() / 2 - PickerView::kRowHeight));
        QCOMPARE(picker->selectedRowInComponent(0), 2);
    }

    // 31 December 2011 23:30 in Shanghai is still 31 December 15:30 in UTC.
    void theDatePickerShowsTheLocalDayInTheLocalesOrder_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("wheels");
        QTest::newRow("English: month, day, year") << "en_US" << QStringList { "Dec", "31", "2011" };
        QTest::newRow("Chinese: year, month, day") << "zh_CN" << QStringList { "2011", "12月", "31" };
    }

    void theDatePickerShowsTheLocalDayInTheLocalesOrder()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, wheels);
        DeviceLocale::setLocaleName(locale);
        DatePicker picker;
        picker.setDate(Date(shanghai(2011, 12, 31, 23, 30)), false);
        QStringList shown;
        for (int component = 0; component < 3; ++component)
            shown << picker.wheels()->titleForRow(
                picker.wheels()->selectedRowInComponent(component), component);
        QCOMPARE(shown, wheels);
    }

    void turningADayWheelKeepsTheTimeOfDay()
    {
        auto* picker = new DatePicker(page());
        picker->resize(360, picker->sizeHint().height());
        picker->show();
        picker->setDate(Date(shanghai(2012, 1, 31, 8, 15) + 0.25), false);
        QSignalSpy changed(picker, &DatePicker::valueChanged);
        // January to February: the 31st does not exist, the day becomes the 29th (a leap year).
        ScreenDriver::turnWheel(picker->wheels(), 0, 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(picker->date().timeIntervalSince1970(), shanghai(2012, 2, 29, 8, 15) + 0.25);
        QCOMPARE(picker->wheels()->selectedRowInComponent(1), 28);
    }
};

QTEST_MAIN(TestInputs)
#include "tst_inputs.moc"
