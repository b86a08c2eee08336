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
        const auto row = [](const char* name, const QString& result, const char* expected) {
            QTest::newRow(name) << result << QString::fromUtf8(expected);
        };
        const auto format = [](const char* pattern, std::initializer_list<FormatArgument> arguments) {
            return StringFormat::format(QString::fromUtf8(pattern), arguments);
        };
        row("%@ text", format("Car ID:%@", { "A-1" }), "Car ID:A-1");
        row("%d", format("%d km", { -42 }), "-42 km");
        row("%d truncates a real", format("%d", { 1234.9 }), "1234");
        row("%qu", format("$%qu", { 18446744073709551615ULL }), "$18446744073709551615");
        row("%f six decimals", format("oil_date >%f", { 1306500000.1234567 }), "oil_date >1306500000.123457");
        row("%.1f", format("%.1f", { 12.345 }), "12.3");
        row("%.2f", format("%.2f", { 2.0 / 3.0 }), "0.67");
        row("%.3f", format("%.3f", { 12.3f }), "12.300");
        row("%.0f", format("%.0f %@", { 399.6, "km" }), "400 km");
        row("%%", format("100%% of %d", { 3 }), "100% of 3");
        row("Chinese key",
            format("最近一次加油：%@ %.2f %@ 共%@%.2f", { "05月27日", 40.456, "L", "¥", 300.0 }),
            "最近一次加油：05月27日 40.46 L 共¥300.00");
        row("missing argument", format("%@/%@", { "a" }), "a/");
        row("unknown specifier and lone percent kept", format("%x %d 50%", { 5 }), "%x 5 50%");
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
        QCOMPARE(StringFormat::fixed(std::numeric_limits<double>::quiet_NaN(), 2), QStringLiteral("nan"));
        QCOMPARE(StringFormat::fixed(1e300, 1).size(), 303);
    }

    void amountsFollowThePrecisionReadOnEveryCall_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("precision 1") << 1 << 12.345 << QStringLiteral("12.3");
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
