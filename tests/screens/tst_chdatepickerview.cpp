#include "platform/DeviceLocale.h"
#include "platform/PickerView.h"
#include "screens/CHDatePickerView.h"
#include "screens/TopHelpView.h"
#include "support/ScreenDriver.h"
#include "support/TestDataDirectory.h"

#include <QAbstractButton>
#include <QtTest>

#include <memory>

namespace {

// Seconds since 1970 of a wall time in Shanghai (UTC+8, no daylight saving).
double shanghai(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch()
        - 8 * 3600.0;
}

} // namespace

class TestCHDatePickerView : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;
    std::unique_ptr<QWidget> m_screen;

private Q_SLOTS:
    void init()
    {
        m_data = std::make_unique<TestDataDirectory>();
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        DeviceLocale::setTimeZoneId(QStringLiteral("Asia/Shanghai"));
        m_screen = std::make_unique<QWidget>();
        m_screen->resize(390, 700);
        m_screen->show();
    }

    void cleanup()
    {
        m_screen.reset();
        m_data.reset();
    }

    void keysStepAYearOrAMonthLikeATurn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("expected");
        const double start = shanghai(2012, 1, 15, 10, 20, 30);
        QTest::newRow("a year back") << 0 << start << shanghai(2011, 1, 15, 10, 20);
        QTest::newRow("a year on") << 1 << start << shanghai(2013, 1, 15, 10, 20);
        QTest::newRow("a month back into last year") << 2 << start << shanghai(2011, 12, 15, 10, 20);
        QTest::newRow("a month on") << 3 << start << shanghai(2012, 2, 15, 10, 20);
    }

    void keysStepAYearOrAMonthLikeATurn()
    {
        QFETCH(int, key);
        QFETCH(double, start);
        QFETCH(double, expected);
        auto* picker = new CHDatePickerView(m_screen.get());
        picker->setGeometry(0, 480, 390, picker->sizeHint().height());
        picker->setDate(Date(start), false);
        picker->AddHelpView();
        QSignalSpy changed(picker, &DatePicker::valueChanged);
        ScreenDriver::tap(picker->mHelpView()->key(key));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(picker->date().timeIntervalSince1970(), expected);
        // The wheels show the new day.
        const QDate day = QDateTime::fromSecsSinceEpoch(qint64(expected) + 8 * 3600, Qt::UTC).date();
        PickerView* wheels = picker->wheels();
        QCOMPARE(wheels->selectedRowInComponent(1) + 1, day.day());
        QCOMPARE(wheels->selectedRowInComponent(0) + 1, day.month());
        QCOMPARE(wheels->titleForRow(wheels->selectedRowInComponent(2), 2), QString::number(day.year()));
    }

    void theBarSitsOnThePickerAndFollowsIt()
    {
        auto* picker = new CHDatePickerView(m_screen.get());
        picker->setGeometry(0, 480, 390, 200);
        picker->show();
        TopHelpView* bar = picker->mHelpView();
        QCOMPARE(bar->keyCount(), 4);
        QVERIFY(!bar->isVisible());
        picker->AddHelpView();
        QCOMPARE(bar->parentWidget(), m_screen.get());
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->geometry(), QRect(0, 480 - bar->height(), 390, bar->height()));
        QCOMPARE(bar->selectedIndex(bar->key(3)), 3);

        picker->setGeometry(10, 300, 300, 200);
        QCOMPARE(bar->geometry(), QRect(10, 300 - bar->height(), 300, bar->height()));
        picker->hide();
        QVERIFY(!bar->isVisible());

        // The bar lives on the screen, but goes with its picker.
        QPointer<TopHelpView> watched(bar);
        delete picker;
        QVERIFY(watched.isNull());
    }
};

QTEST_MAIN(TestCHDatePickerView)
#include "tst_chdatepickerview.moc"
