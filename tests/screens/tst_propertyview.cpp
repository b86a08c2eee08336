#include "platform/FontCatalog.h"
#include "screens/PropertyView.h"
#include "screens/PropertyViewDelegate.h"
#include "support/ScreenDriver.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

namespace {

class TapCounter : public PropertyViewDelegate
{
public:
    void onPropertyViewTap(PropertyView* view) override { tapped << view; }
    QList<PropertyView*> tapped;
};

bool isClear(const PropertyView& view)
{
    return view.backgroundColor().alpha() == 0;
}

} // namespace

class TestPropertyView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(FontCatalog::install()); }

    void anActiveFieldBlinksEveryHalfSecond()
    {
        PropertyView view;
        view.resize(300, 54);
        view.show();
        QVERIFY(!view.isActive());
        QElapsedTimer clock;
        clock.start();
        view.setActive(true);
        QVERIFY(view.isActive());
        QVERIFY(isClear(view));
        // Dark, then clear again, each half a second after the one before.
        QTRY_VERIFY_WITH_TIMEOUT(!isClear(view), 2000);
        const qint64 first = clock.elapsed();
        QVERIFY2(first >= 450 && first < 1500, qPrintable(QString::number(first)));
        QCOMPARE(view.backgroundColor().alphaF(), 0.2f);
        QTRY_VERIFY_WITH_TIMEOUT(isClear(view), 2000);
        QVERIFY(clock.elapsed() - first >= 450);
    }

    void inactiveStopsTheBlinkAndClears()
    {
        PropertyView view;
        view.show();
        view.setActive(true);
        QTRY_VERIFY_WITH_TIMEOUT(!isClear(view), 2000);
        view.setActive(false);
        QVERIFY(!view.isActive());
        QVERIFY(isClear(view));
        QTest::qWait(700);
        QVERIFY(isClear(view));
    }

    void onlyAnEnabledFieldTellsTheDelegateOfATap()
    {
        TapCounter counter;
        PropertyView view;
        view.setDelegate(&counter);
        view.resize(300, 54);
        view.show();
        view.setEnable(false);
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, view.rect().center());
        QVERIFY(isClear(view));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, view.rect().center());
        QVERIFY(counter.tapped.isEmpty());
        view.setEnable(true);
        ScreenDriver::tap(&view);
        QCOMPARE(counter.tapped, QList<PropertyView*>({ &view }));
    }

    void longTextShrinksToFitDownTo14Points()
    {
        PropertyView view;
        view.resize(200, 54);
        view.show();
        auto* label = view.findChild<QLabel*>();
        view.setText(QStringLiteral("12.5"));
        QCOMPARE(label->font().pointSizeF(), 25.0);
        view.setText(QStringLiteral("A much longer text than fits"));
        QCOMPARE(label->font().pointSizeF(), 14.0);
        QCOMPARE(view.getText(), QStringLiteral("A much longer text than fits"));
    }

    void theTextOffsetMovesTheTextArea()
    {
        PropertyView view;
        view.resize(300, 100);
        view.show();
        auto* label = view.findChild<QLabel*>();
        QCOMPARE(label->geometry(), QRect(35, 0, 265, 100));
        view.setTextOffset(50, 4);
        QCOMPARE(label->geometry(), QRect(50, 4, 250, 96));
        view.setTextLine(5);
        QVERIFY(label->wordWrap());
    }
};

QTEST_MAIN(TestPropertyView)
#include "tst_propertyview.moc"
