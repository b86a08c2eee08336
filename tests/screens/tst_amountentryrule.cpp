#include "screens/AmountEntryRule.h"

#include <QtTest>

class TestAmountEntryRule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedChanges_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<int>("maxDecimals");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("leading zero refused") << ""
                                              << "0" << 8 << 2 << false;
        QTest::newRow("first digit") << ""
                                     << "5" << 8 << 2 << true;
        QTest::newRow("first point") << ""
                                     << "." << 8 << 2 << true;
        QTest::newRow("zero after a digit") << "1"
                                            << "0" << 8 << 2 << true;
        QTest::newRow("zero after the point") << "0."
                                              << "0" << 8 << 2 << true;
        QTest::newRow("eighth character") << "1234567"
                                          << "8" << 8 << 2 << true;
        QTest::newRow("ninth character refused") << "12345678"
                                                 << "9" << 8 << 2 << false;
        QTest::newRow("deleting at the limit") << "12345678"
                                               << "" << 8 << 2 << true;
        QTest::newRow("point at the limit refused") << "12345678"
                                                    << "." << 8 << 2 << false;
        QTest::newRow("first decimal") << "12."
                                       << "3" << 8 << 2 << true;
        QTest::newRow("second decimal") << "12.3"
                                        << "4" << 8 << 2 << true;
        QTest::newRow("third decimal refused") << "12.34"
                                               << "5" << 8 << 2 << false;
        QTest::newRow("deleting a decimal") << "12.34"
                                            << "" << 8 << 2 << true;
        QTest::newRow("second point refused") << "12.3"
                                              << "." << 8 << 2 << false;
        QTest::newRow("one decimal allowed") << "45."
                                             << "7" << 4 << 1 << true;
        QTest::newRow("one decimal only") << "45.7"
                                          << "1" << 4 << 1 << false;
        QTest::newRow("tank of four characters") << "1234"
                                                 << "5" << 4 << 1 << false;
        QTest::newRow("three decimals") << "1.23"
                                        << "4" << 8 << 3 << true;
        QTest::newRow("fourth decimal refused") << "1.234"
                                                << "5" << 8 << 3 << false;
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
