#include "platform/DeviceLocale.h"
#include "reports/DateEx.h"
#include "reports/NumberText.h"
#include "reports/StringFormat.h"
#include "store/Setting.h"
#include "support/TestDataDirectory.h"

#include <QSettings>
#include <QTimeZone>
#include <QtTest>

#include <cmath>
#include <memory>
#include <optional>

namespace {

// Expected moments come from Qt's own time zone data, not from the code under test.
QDateTime local(const char* zone, int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone(zone));
}

Date dateOf(const QDateTime& moment)
{
    return Date(moment.toMSecsSinceEpoch() / 1000.0);
}

void useDevice(const QString& locale, const QDateTime& moment)
{
    DeviceLocale::setLocaleName(locale);
    DeviceLocale::setTimeZoneId(QString::fromLatin1(moment.timeZone().id()));
}

// ICU 72 puts a narrow no-break space before AM and PM; a typed space reads back the same.
QString withPlainSpaces(QString text)
{
    return text.replace(QChar(0x202F), QLatin1Char(' '));
}

} // namespace

// Failure messages show moments in the device's time zone, which DeviceLocale keeps in step.
char* toString(const Date& date)
{
    const double seconds = date.timeIntervalSince1970();
    const QDateTime moment = QDateTime::fromMSecsSinceEpoch(qint64(std::floor(seconds * 1000.0)));
    return qstrdup(QStringLiteral("%1 (%2)")
                       .arg(moment.toString(Qt::ISODateWithMs), QString::number(seconds, 'f', 6))
                       .toUtf8()
                       .constData());
}

// Calendar arithmetic and the texts of dates, numbers and amounts, in the device's locale and
// time zone.
class TestTexts : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestDataDirectory> m_data;

private Q_SLOTS:
    void init() { m_data = std::make_unique<TestDataDirectory>(); }
    void cleanup() { m_data.reset(); }

    void monthAndDayNumbersFollowTheLocalCalendar_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<unsigned>("month");
        QTest::addColumn<quint64>("day");
        QTest::newRow("first moment of 2012, Shanghai (UTC is still 2011)")
            << "zh_CN" << local("Asia/Shanghai", 2012, 1, 1) << 201201u << 20120101ull;
        QTest::newRow("23:30 on 31 May 2011, New York (UTC is in June)")
            << "en_US" << local("America/New_York", 2011, 5, 31, 23, 30) << 201105u << 20110531ull;
        QTest::newRow("Thai locale counts Buddhist years; the number stays Gregorian")
            << "th_TH" << local("Asia/Bangkok", 2011, 5, 27, 12) << 201105u << 20110527ull;
    }

    void monthAndDayNumbersFollowTheLocalCalendar()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, moment);
        QFETCH(unsigned, month);
        QFETCH(quint64, day);
        useDevice(locale, moment);
        QCOMPARE(DateEx::numberMonth(dateOf(moment)), month);
        QCOMPARE(DateEx::numberDate(dateOf(moment)), day);
    }

    void dateFromNumberIsLocalMidnight_data()
    {
        QTest::addColumn<quint64>("number");
        QTest::addColumn<QDateTime>("midnight");
        QTest::newRow("1 May 2011, Shanghai") << 20110501ull << local("Asia/Shanghai", 2011, 5, 1);
        // Brazil's clocks jumped from 00:00 to 01:00 that day.
        QTest::newRow("no midnight that day") << 20181104ull << local("America/Sao_Paulo", 2018, 11, 4, 1);
    }

    void dateFromNumberIsLocalMidnight()
    {
        QFETCH(quint64, number);
        QFETCH(QDateTime, midnight);
        useDevice(QStringLiteral("en_US"), midnight);
        QCOMPARE(DateEx::dateFromNumber(number), dateOf(midnight));
    }

    void textsFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("weekday");
        const auto row = [](const char* name, const char* locale, const QDateTime& moment, const char* month,
                             const char* chart, const char* weekday) {
            QTest::newRow(name) << QString::fromUtf8(locale) << moment << QString::fromUtf8(month)
                                << QString::fromUtf8(chart) << QString::fromUtf8(weekday);
        };
        row("English", "en_US", local("Europe/Berlin", 2011, 5, 27, 10), "May 2011", "May 27", "Fri");
        row("Chinese", "zh_CN", local("Asia/Shanghai", 2011, 5, 27, 10), "5月 2011", "5月 27", "周五");
        // Months carry their calendar year, also where the day falls in another year's first or
        // last week: 1 January 2011 is in 2010's last British week, 30 December 2024 in 2025's first.
        row("British 1 January", "en_GB", local("Europe/London", 2011, 1, 1), "Jan 2011", "Jan 1", "Sat");
        row("English 30 December", "en_US", local("America/New_York", 2024, 12, 30), "Dec 2024", "Dec 30",
            "Mon");
        row("Chinese 30 December", "zh_CN", local("Asia/Shanghai", 2024, 12, 30), "12月 2024", "12月 30",
            "周一");
    }

    void textsFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, moment);
        QFETCH(QString, month);
        QFETCH(QString, chart);
        QFETCH(QString, weekday);
        useDevice(locale, moment);
        QCOMPARE(DateEx::getMonthStringWithDate(dateOf(moment)), month);
        QCOMPARE(DateEx::chartDateString(dateOf(moment)), chart);
        QCOMPARE(DateEx::localWeekString(dateOf(moment)), weekday);
    }

    // The last fraction of a second of a month must not be rounded into the next month.
    void lastMomentOfAMonthStaysInIt()
    {
        const QDateTime june = local("Asia/Bangkok", 2011, 6, 1);
        useDevice(QStringLiteral("en_US"), june);
        QCOMPARE(DateEx::numberMonth(dateOf(june).addingTimeInterval(-0.0004)), 201105u);
    }

    void dayCountsAndLeapYears()
    {
        QCOMPARE(DateEx::getDayCountOfaMonth(2, 2000), 29); // divisible by 400
        QCOMPARE(DateEx::getDayCountOfaMonth(2, 1900), 28); // divisible by 100
        QCOMPARE(DateEx::getDayCountOfaMonth(2, 2012), 29);
        QCOMPARE(DateEx::getDayCountOfaMonth(4, 2011), 30);
    }

    void monthAndYearArithmeticRollsOverAndDropsSeconds_data()
    {
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<int>("years");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDateTime>("to");
        const char* zone = "Europe/Berlin";
        QTest::newRow("31 January 2012 + 1 month")
            << local(zone, 2012, 1, 31, 9) << 0 << 1 << local(zone, 2012, 3, 2, 9);
        QTest::newRow("15 January 2012 10:20:30 - 1 month")
            << local(zone, 2012, 1, 15, 10, 20, 30) << 0 << -1 << local(zone, 2011, 12, 15, 10, 20);
        QTest::newRow("29 February 2012 + 1 year")
            << local(zone, 2012, 2, 29, 8) << 1 << 0 << local(zone, 2013, 3, 1, 8);
    }

    void monthAndYearArithmeticRollsOverAndDropsSeconds()
    {
        QFETCH(QDateTime, from);
        QFETCH(int, years);
        QFETCH(int, months);
        QFETCH(QDateTime, to);
        useDevice(QStringLiteral("en_US"), from);
        const Date start = dateOf(from).addingTimeInterval(0.75);
        const Date moved = years ? DateEx::addTimeIntervalOfYear(start, years)
                                 : DateEx::addTimeIntervalOfMonth(start, months);
        QCOMPARE(moved, dateOf(to));
    }

    void dayArithmeticKeepsTheTimeOfDay()
    {
        const QDateTime saturday = local("Europe/Berlin", 2011, 3, 26, 10, 20, 30);
        useDevice(QStringLiteral("en_US"), saturday);
        // Summer time starts on 27 March 2011: that day has 23 hours.
        const Date start = dateOf(saturday).addingTimeInterval(0.125);
        const Date sunday = DateEx::daySetOffAt(start, 1);
        QCOMPARE(sunday.timeIntervalSince1970(), start.timeIntervalSince1970() + 23 * 3600);
        QCOMPARE(DateEx::addTimeIntervalOfDay(sunday, -1), start);
    }

    // The medium date and time text reads back to the second, in Buddhist years too; a text of
    // another locale, an impossible day, a date alone or trailing words read as nothing.
    void settingDateStringReadsBack()
    {
        const QDateTime moment = local("Europe/Berlin", 2011, 5, 27, 22, 20, 30);
        useDevice(QStringLiteral("en_US"), moment);
        const Date date = dateOf(moment);
        QCOMPARE(
            withPlainSpaces(DateEx::settingDateString(date)), QStringLiteral("May 27, 2011, 10:20:30 PM"));
        QCOMPARE(DateEx::dateFromSettingDateString(DateEx::settingDateString(date)), date);
        QVERIFY(!DateEx::dateFromSettingDateString(QStringLiteral("Feb 30, 2011, 10:20:30 AM")));
        QVERIFY(!DateEx::dateFromSettingDateString(DateEx::mediumDateString(date)));
        DeviceLocale::setLocaleName(QStringLiteral("zh_CN"));
        QVERIFY(!DateEx::dateFromSettingDateString(QStringLiteral("May 27, 2011, 10:20:30 AM")));
        DeviceLocale::setLocaleName(QStringLiteral("th_TH"));
        const QString text = DateEx::settingDateString(date.addingTimeInterval(0.5));
        QCOMPARE(DateEx::dateFromSettingDateString(QStringLiteral(" %1 ").arg(text)), date);
        QVERIFY(!DateEx::dateFromSettingDateString(text + QStringLiteral(" x")));
    }

    // Formatters may be cached, but never across a change of locale or time zone, either way.
    void changesOfLocaleAndZoneReachTheNextCall()
    {
        const QDateTime moment = local("Europe/Berlin", 2011, 5, 31, 23, 30);
        useDevice(QStringLiteral("en_US"), moment);
        const Date date = dateOf(moment);
        QCOMPARE(DateEx::chartDateString(date), QStringLiteral("May 31"));
        QCOMPARE(DateEx::numberMonth(date), 201105u);
        DeviceLocale::setTimeZoneId(QStringLiteral("Asia/Shanghai"));
        QCOMPARE(DateEx::chartDateString(date), QStringLiteral("Jun 1"));
        QCOMPARE(DateEx::numberMonth(date), 201106u);
        DeviceLocale::setLocaleName(QStringLiteral("zh_CN"));
        QCOMPARE(DateEx::chartDateString(date), QStringLiteral("6月 1"));
        useDevice(QStringLiteral("en_US"), moment);
        QCOMPARE(DateEx::chartDateString(date), QStringLiteral("May 31"));
        QCOMPARE(DateEx::numberMonth(date), 201105u);
    }

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
        row("%d", format("%d km", { -42 }), "-42 km");
        row("%d truncates a real", format("%d", { 1234.9 }), "1234");
        row("%qu", format("$%qu", { 18446744073709551615ULL }), "$18446744073709551615");
        row("%f six decimals", format("oil_date >%f", { 1306500000.1234567 }), "oil_date >1306500000.123457");
        row("%.1f", format("%.1f", { 12.345 }), "12.3");
        row("%.3f", format("%.3f", { 12.3f }), "12.300");
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

    void amountsFollowThePrecisionReadOnEveryCall_data()
    {
        QTest::addColumn<int>("precision");
        QTest::addColumn<double>("value"); // shown as a double and as a float
        QTest::addColumn<QString>("text");
        QTest::newRow("precision 1") << 1 << 12.345 << QStringLiteral("12.3");
        QTest::newRow("precision 3") << 3 << 12.3 << QStringLiteral("12.300");
        QTest::newRow("stored 0 shows two") << 0 << 12.3 << QStringLiteral("12.30");
        QTest::newRow("stored 5 shows two") << 5 << 12.3 << QStringLiteral("12.30");
        // Floats are widened, not rounded: 0.1f is 0.100000001490116..., 12.345f is
        // 12.34500026702881 and rounds up; 1.005 is 1.00499999999999989 either way and rounds down.
        QTest::newRow("0.1 at three") << 3 << 0.1 << QStringLiteral("0.100");
        QTest::newRow("12.345 at two") << 2 << 12.345 << QStringLiteral("12.35");
        QTest::newRow("1.005 at two") << 2 << 1.005 << QStringLiteral("1.00");
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
        QCOMPARE(StringFormat::CIStringFromFloatValue(float(value)), text);
    }

    void decimalCountWithSecondaryGrouping_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("secondary");
        QTest::addColumn<QString>("text");
        QTest::newRow("groups of two after the first three") << "en_US" << 123456.0 << 2 << "1,23,456";
        QTest::newRow("three decimals at most, half up not half even")
            << "en_US" << 1234.5665 << 2 << "1,234.567";
        QTest::newRow("negative half away from zero") << "en_US" << -123456.0005 << 2 << "-1,23,456.001";
        QTest::newRow("German separators") << "de_DE" << 123456.5 << 2 << "1.23.456,5";
    }

    // Each row is followed by English with the usual grouping: cached formatters must follow
    // every change of locale and grouping.
    void decimalCountWithSecondaryGrouping()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, secondary);
        QFETCH(QString, text);
        DeviceLocale::setLocaleName(locale);
        QCOMPARE(NumberText::stringOfDecimalCount(value, secondary), text);
        DeviceLocale::setLocaleName(QStringLiteral("en_US"));
        QCOMPARE(NumberText::stringOfDecimalCount(123456.5, 3), QStringLiteral("123,456.5"));
    }
};

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
