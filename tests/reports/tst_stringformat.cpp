#include "reports/StringFormat.h"
#include "store/Setting.h"
#include "support/TestDataDirectory.h"

#include <QSettings>
#include <QtTest>

#include <limits>
#include <memory>

class TestStringFormat : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

private Q_SLOTS:
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void everySpecifier_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        QTest::newRow("%@ text") << StringFormat::format(QStringLiteral("Car ID:%@"), { "A-1" })
                                 << QStringLiteral("Car ID:A-1");
        QTest::newRow("%d") << StringFormat::format(QStringLiteral("%d km"), { -42 })
                            << QStringLiteral("-42 km");
        QTest::newRow("%d truncates a real")
            << StringFormat::format(QStringLiteral("%d"), { 1234.9 }) << QStringLiteral("1234");
        QTest::newRow("%qu") << StringFormat::format(QStringLiteral("$%qu"), { 18446744073709551615ULL })
                             << QStringLiteral("$18446744073709551615");
        QTest::newRow("%f six decimals") << StringFormat::format(QStringLiteral("oil_date >%f"),
            { 1306500000.1234567 }) << QStringLiteral("oil_date >1306500000.123457");
        QTest::newRow("%.1f") << StringFormat::format(QStringLiteral("%.1f"), { 12.345 })
                              << QStringLiteral("12.3");
        QTest::newRow("%.2f") << StringFormat::format(QStringLiteral("%.2f"), { 2.0 / 3.0 })
                              << QStringLiteral("0.67");
        QTest::newRow("%.3f") << StringFormat::format(QStringLiteral("%.3f"), { 12.3f })
                              << QStringLiteral("12.300");
        QTest::newRow("%.0f") << StringFormat::format(QStringLiteral("%.0f %@"), { 399.6, "km" })
                              << QStringLiteral("400 km");
        QTest::newRow("%%") << StringFormat::format(QStringLiteral("100%% of %d"), { 3 })
                            << QStringLiteral("100% of 3");
        QTest::newRow("Chinese key") << StringFormat::format(
            QStringLiteral("最近一次加油：%@ %.2f %@ 共%@%.2f"), { "05月27日", 40.456, "L", "¥", 300.0 })
                                     << QStringLiteral("最近一次加油：05月27日 40.46 L 共¥300.00");
        QTest::newRow("missing argument")
            << StringFormat::format(QStringLiteral("%@/%@"), { "a" }) << QStringLiteral("a/");
        QTest::newRow("unknown specifier kept")
            << StringFormat::format(QStringLiteral("%x %d"), { 5 }) << QStringLiteral("%x 5");
        QTest::newRow("lone percent at the end")
            << StringFormat::format(QStringLiteral("50%"), {}) << QStringLiteral("50%");
    }

    void everySpecifier()
    {
        QFETCH(QString, result);
        QFETCH(QString, expected);
        QCOMPARE(result, expected);
    }

    void fixedIgnoresTheProcessLocale()
    {
        // Qt applications adopt the environment's LC_NUMERIC; a German decimal comma must not
        // reach a statement or an amount.
        const QByteArray previous = setlocale(LC_NUMERIC, nullptr);
        if (!setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("de_DE.UTF-8 is not installed");
        const QString text = StringFormat::fixed(1.5, 2);
        setlocale(LC_NUMERIC, previous.constData());
        QCOMPARE(text, QStringLiteral("1.50"));
    }

    void fixedWritesNonFiniteValuesAsPrintfDoes()
    {
        QCOMPARE(StringFormat::fixed(std::numeric_limits<double>::infinity(), 2), QStringLiteral("inf"));
        QCOMPARE(StringFormat::fixed(-std::numeric_limits<double>::infinity(), 2), QStringLiteral("-inf"));
        QCOMPARE(StringFormat::fixed(std::numeric_limits<double>::quiet_NaN(), 2), QStringLiteral("nan"));
        QCOMPARE(StringFormat::fixed(1e300, 1).size(), 303);
    }

    void amountsFollowThePrecisionReadOnEveryCall_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("precision 1") << 1 << 12.345 << QStringLiteral("12.3");
        QTest::newRow("precision 2") << 2 << 12.346 << QStringLiteral("12.35");
        QTest::newRow("precision 3") << 3 << 12.3 << QStringLiteral("12.300");
        QTest::newRow("stored 0 shows two") << 0 << 12.3 << QStringLiteral("12.30");
        QTest::newRow("stored 5 shows two") << 5 << 12.3 << QStringLiteral("12.30");
        QTest::newRow("no grouping") << 2 << 1234567.0 << QStringLiteral("1234567.00");
    }

    void amountsFollowThePrecisionReadOnEveryCall()
    {
        QFETCH(int, precision);
        QFETCH(double, value);
        QFETCH(QString, text);
        // Write the value directly, as a foreign tool could, so 0 and 5 reach the formatter.
        QSettings(Setting::preferencesPath(), QSettings::IniFormat)
            .setValue(QLatin1String(Setting::kPrecisionDigits), precision);
        QCOMPARE(StringFormat::CIStringFromDoubleValue(value), text);
        QCOMPARE(StringFormat::CIStringFromFloatValue(float(value)).size(), text.size());
    }

    void floatAmountsAreWidenedNotRounded()
    {
        Setting::setFloatValuePrecisionDigits(3);
        // 0.1f widens to 0.100000001490116..., which still shows as 0.100.
        QCOMPARE(StringFormat::CIStringFromFloatValue(0.1f), QStringLiteral("0.100"));
        Setting::setFloatValuePrecisionDigits(2);
        // 12.345f is 12.34500026702881 as a double: it rounds up, unlike the double 12.345.
        QCOMPARE(StringFormat::CIStringFromFloatValue(12.345f), QStringLiteral("12.35"));
        QCOMPARE(StringFormat::CIStringFromDoubleValue(1.005), QStringLiteral("1.00"));
    }
};

QTEST_GUILESS_MAIN(TestStringFormat)
#include "tst_stringformat.moc"
