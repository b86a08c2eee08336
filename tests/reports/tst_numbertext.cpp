#include "platform/DeviceLocale.h"
#include "reports/NumberText.h"
#include "support/TestDataDirectory.h"

#include <QtTest>

#include <memory>

class TestNumberText : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

private Q_SLOTS:
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void decimalStyleWithSecondaryGrouping_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("secondary");
        QTest::addColumn<QString>("text");
        QTest::newRow("groups of two after the first three") << "en_US" << 123456.0 << 2 << "1,23,456";
        QTest::newRow("0 keeps the locale's grouping") << "en_US" << 1234567.0 << 0 << "1,234,567";
        QTest::newRow("three decimals at most") << "en_US" << 1234.56789 << 2 << "1,234.568";
        QTest::newRow("whole number") << "en_US" << 100.0 << 2 << "100";
        QTest::newRow("half up, not half even") << "en_US" << 0.0125 << 2 << "0.013";
        QTest::newRow("negative half away from zero") << "en_US" << -123456.0005 << 2 << "-1,23,456.001";
        QTest::newRow("German separators") << "de_DE" << 123456.5 << 2 << "1.23.456,5";
    }

    void decimalStyleWithSecondaryGrouping()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, secondary);
        QFETCH(QString, text);
        DeviceLocale::setLocaleName(locale);
        QCOMPARE(NumberText::stringOfDecimalCount(value, secondary), text);
    }

    void changesOfLocaleReachTheNextCall()
    {
        for (int round = 0; round < 2; ++round) {
            DeviceLocale::setLocaleName(QStringLiteral("en_US"));
            QCOMPARE(NumberText::stringOfDecimalCount(123456.5, 2), QStringLiteral("1,23,456.5"));
            QCOMPARE(NumberText::stringOfDecimalCount(123456.5, 3), QStringLiteral("123,456.5"));
            DeviceLocale::setLocaleName(QStringLiteral("de_DE"));
            QCOMPARE(NumberText::stringOfDecimalCount(123456.5, 2), QStringLiteral("1.23.456,5"));
            QCOMPARE(NumberText::stringOfDecimalCount(123456.5, 3), QStringLiteral("123.456,5"));
        }
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
