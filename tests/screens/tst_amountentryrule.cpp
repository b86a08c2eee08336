#include "screens/AmountEntryRule.h"

#include <QtTest>

class TestAmountEntryRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Typing into an amount of at most maxLength characters and maxDecimals decimals.
    void typedChanges_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("maxDecimals");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char* name, const char* current, const char* replacement, int maxLength,
                             int maxDecimals, bool accepted) {
            QTest::newRow(name) << QString::fromLatin1(current) << QString::fromLatin1(replacement)
                                << maxLength << maxDecimals << accepted;
        };
        row("leading zero refused", "", "0", 8, 2, false);
        row("first point", "", ".", 8, 2, true);
        row("zero after a digit", "1", "0", 8, 2, true);
        row("L-th character", "1234567", "8", 8, 2, true);
        row("character past L refused", "12345678", "9", 8, 2, false);
        row("deleting at the limit", "12345678", "", 8, 2, true);
        row("D-th decimal", "12.3", "4", 8, 2, true);
        row("decimal past D refused", "12.34", "5", 8, 2, false);
        row("deleting a decimal", "12.34", "", 8, 2, true);
        row("second point refused", "12.3", ".", 8, 2, false);
        row("one decimal only", "45.7", "1", 8, 1, false);
        row("three decimals", "1.23", "4", 8, 3, true);
    }

    void typedChanges()
    {
        QFETCH(QString, current);
        QFETCH(QString, replacement);
        QFETCH(int, maxLength);
        QFETCH(int, maxDecimals);
        QFETCH(bool, accepted);
        QCOMPARE(AmountEntryRule::accepts(current, replacement, maxLength, maxDecimals), accepted);
    }
};

QTEST_MAIN(TestAmountEntryRule)
#include "tst_amountentryrule.moc"
