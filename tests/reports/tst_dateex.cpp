#include "platform/DeviceLocale.h"
#include "reports/DateEx.h"
#include "support/TestDataDirectory.h"

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

char* toString(const std::optional<Date>& date)
{
    return date ? toString(*date) : qstrdup("nullopt");
}

class TestDateEx : public QObject
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
        QTest::newRow("last minute of 2011, New York")
            << "en_US" << local("America/New_York", 2011, 12, 31, 23, 59) << 201112u << 20111231ull;
        QTest::newRow("first moment of 2012, Shanghai (UTC is still 2011)")
            << "zh_CN" << local("Asia/Shanghai", 2012, 1, 1) << 201201u << 20120101ull;
        QTest::newRow("23:30 on 31 May 2011, New York (UTC is in June)")
            << "en_US" << local("America/New_York", 2011, 5, 31, 23, 30) << 201105u << 20110531ull;
        QTest::newRow("Thai locale counts Buddhist years; the number stays Gregorian")
            << "th_TH" << local("Asia/Bangkok", 2011, 5, 27, 12) << 201105u << 20110527ull;
        QTest::newRow("Arabic locale writes Arabic digits; the number stays a number")
            << "ar_EG" << local("Africa/Cairo", 2011, 5, 27, 12) << 201105u << 20110527ull;
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
        QTest::newRow("day 32 rolls into February") << 20110132ull << local("Europe/Berlin", 2011, 2, 1);
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
        // "YYYY" is the week-based year: 1 January 2011, a Saturday, belongs to the last week of
        // 2010 where a week needs four days of the new year, and to the first week of 2011 where
        // one day is enough; 31 December 2010 then belongs to 2011 as well.
        row("British 1 January", "en_GB", local("Europe/London", 2011, 1, 1), "Jan 2010", "Jan 1", "Sat");
        row("Chinese 31 December", "zh_CN", local("Asia/Shanghai", 2010, 12, 31), "12月 2011", "12月 31",
            "周五");
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

    void dayCountsAndLeapYears_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        QTest::newRow("February 2000, divisible by 400") << 2 << 2000 << 29;
        QTest::newRow("February 1900, divisible by 100") << 2 << 1900 << 28;
        QTest::newRow("February 2011") << 2 << 2011 << 28;
        QTest::newRow("April") << 4 << 2011 << 30;
        QTest::newRow("month 13") << 13 << 2011 << 31;
    }

    void dayCountsAndLeapYears()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, days);
        QCOMPARE(DateEx::getDayCountOfaMonth(month, year), days);
        QCOMPARE(DateEx::isLeapYear(year), QDate::isLeapYear(year));
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
        QTest::newRow("December + 13 months")
            << local(zone, 2011, 12, 15) << 0 << 13 << local(zone, 2013, 1, 15);
        QTest::newRow("into summer time keeps the wall time")
            << local(zone, 2011, 3, 15, 10, 5, 59) << 0 << 1 << local(zone, 2011, 4, 15, 10, 5);
        QTest::newRow("29 February 2012 + 1 year")
            << local(zone, 2012, 2, 29, 8) << 1 << 0 << local(zone, 2013, 3, 1, 8);
        QTest::newRow("- 1 year drops seconds")
            << local(zone, 2012, 5, 27, 23, 59, 59) << -1 << 0 << local(zone, 2011, 5, 27, 23, 59);
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
        QCOMPARE(DateEx::beginningOfDay(sunday), dateOf(local("Europe/Berlin", 2011, 3, 27)));
        QCOMPARE(DateEx::getWeekRangeWithDate(sunday), std::make_pair(20110327ull, 20110402ull));
    }

    void settingDateStringReadsBack_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << "en_US";
        QTest::newRow("Chinese") << "zh_CN";
        QTest::newRow("Thai, Buddhist years") << "th_TH";
    }

    void settingDateStringReadsBack()
    {
        QFETCH(QString, locale);
        const QDateTime moment = local("Europe/Berlin", 2011, 5, 27, 22, 20, 30);
        useDevice(locale, moment);
        const QString text = DateEx::settingDateString(dateOf(moment).addingTimeInterval(0.5));
        QCOMPARE(DateEx::dateFromSettingDateString(text), dateOf(moment));
        QCOMPARE(DateEx::dateFromSettingDateString(QStringLiteral(" %1 ").arg(text)), dateOf(moment));
        QCOMPARE(DateEx::dateFromSettingDateString(text + QStringLiteral(" x")), std::nullopt);
        QCOMPARE(DateEx::dateFromSettingDateString(DateEx::mediumDateString(dateOf(moment))), std::nullopt);
    }

    void unreadableDateTextsGiveNothing()
    {
        const QDateTime moment = local("Europe/Berlin", 2011, 5, 27, 10, 20, 30);
        useDevice(QStringLiteral("en_US"), moment);
        QCOMPARE(withPlainSpaces(DateEx::settingDateString(dateOf(moment))),
            QStringLiteral("May 27, 2011, 10:20:30 AM"));
        QCOMPARE(
            DateEx::dateFromSettingDateString(QStringLiteral("Feb 30, 2011, 10:20:30 AM")), std::nullopt);
        DeviceLocale::setLocaleName(QStringLiteral("zh_CN"));
        QCOMPARE(
            DateEx::dateFromSettingDateString(QStringLiteral("May 27, 2011, 10:20:30 AM")), std::nullopt);

        QCOMPARE(
            DateEx::dateFromString(QStringLiteral("2011-05-27 10:20:30"), DateEx::timestampFormatString()),
            dateOf(moment));
        QCOMPARE(
            DateEx::dateFromString(QStringLiteral("2011-02-29"), DateEx::dateFormatString()), std::nullopt);
        DeviceLocale::setTimeZoneId(QStringLiteral("America/Sao_Paulo"));
        QCOMPARE(DateEx::dateFromString(QStringLiteral("2018-11-04"), DateEx::dateFormatString()),
            dateOf(local("America/Sao_Paulo", 2018, 11, 4, 1)));
    }

    // Formatters may be cached, but never across a change of locale or time zone, either way.
    void changesOfLocaleAndZoneReachTheNextCall()
    {
        const QDateTime moment = local("Europe/Berlin", 2011, 5, 31, 23, 30);
        useDevice(QStringLiteral("en_US"), moment);
        const Date date = dateOf(moment);
        const QString pattern = DateEx::timestampFormatString();
        QCOMPARE(DateEx::chartDateString(date), QStringLiteral("May 31"));
        QCOMPARE(DateEx::numberMonth(date), 201105u);
        DeviceLocale::setTimeZoneId(QStringLiteral("Asia/Shanghai"));
        QCOMPARE(DateEx::chartDateString(date), QStringLiteral("Jun 1"));
        QCOMPARE(DateEx::stringWithFormat(date, pattern), QStringLiteral("2011-06-01 05:30:00"));
        QCOMPARE(DateEx::numberMonth(date), 201106u);
        DeviceLocale::setLocaleName(QStringLiteral("zh_CN"));
        QCOMPARE(DateEx::chartDateString(date), QStringLiteral("6月 1"));
        useDevice(QStringLiteral("en_US"), moment);
        QCOMPARE(DateEx::chartDateString(date), QStringLiteral("May 31"));
        QCOMPARE(DateEx::stringWithFormat(date, pattern), QStringLiteral("2011-05-31 23:30:00"));
        QCOMPARE(DateEx::numberMonth(date), 201105u);
    }
};

QTEST_GUILESS_MAIN(TestDateEx)
#include "tst_dateex.moc"
