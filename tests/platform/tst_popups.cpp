#include "platform/ActionSheet.h"
#include "platform/AlertView.h"
#include "platform/DeviceLocale.h"
#include "platform/MainBundle.h"
#include "platform/NavigationController.h"
#include "platform/TextField.h"
#include "support/ScreenDriver.h"
#include "support/ScreenHost.h"
#include "support/TestDataDirectory.h"

#include <QPushButton>
#include <QtTest>

#include <memory>

class TestPopups : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<ScreenHost> m_host;

private Q_SLOTS:
    void initTestCase()
    {
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QVERIFY(MainBundle::installTranslator());
    }

    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
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
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("index");
        QTest::newRow("cancel") << QStringLiteral("Cancel") << 0;
        QTest::newRow("confirm") << QStringLiteral("Confirm") << 1;
        QTest::newRow("escape cancels") << QString() << 0;
    }

    void aConfirmationReportsTheButtonPressed()
    {
        QFETCH(QString, pressed);
        QFETCH(int, index);
        auto* alert = new AlertView(
            QStringLiteral("Delete?"), QString(), QStringLiteral("Cancel"), { QStringLiteral("Confirm") });
        QSignalSpy clicked(alert, &AlertView::clickedButtonAtIndex);
        alert->present();
        QCOMPARE(alert->cancelButtonIndex(), 0);
        if (pressed.isNull())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), pressed));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), index);
    }

    void theNewestAlertIsOnTop()
    {
        AlertView::showOKWithTitle(QStringLiteral("first"), QString());
        AlertView::showOKWithTitle(QStringLiteral("second"), QString());
        QCOMPARE(ScreenDriver::shownAlert()->title(), QStringLiteral("second"));
        QVERIFY(ScreenDriver::pressButton(ScreenDriver::shownAlert(), QStringLiteral("OK")));
        QCOMPARE(ScreenDriver::shownAlert()->title(), QStringLiteral("first"));
    }

    void theInputBelowGetsTheKeyboardBack()
    {
        auto* field = new TextField(m_host->navigationController()->topViewController());
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
    void actionSheetIndicesPutCancelLast_data()
    {
        QTest::addColumn<QString>("destructive");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("plain") << QString() << QStringList { "PDF", "Preview", "Cancel" };
        QTest::newRow("destructive") << "Delete" << QStringList { "Delete", "PDF", "Preview", "Cancel" };
    }

    void actionSheetIndicesPutCancelLast()
    {
        QFETCH(QString, destructive);
        QFETCH(QStringList, titles);
        auto* sheet = new ActionSheet(QStringLiteral("Export"), QStringLiteral("Cancel"), destructive,
            { QStringLiteral("PDF"), QStringLiteral("Preview") });
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
};

QTEST_MAIN(TestPopups)
#include "tst_popups.moc"
