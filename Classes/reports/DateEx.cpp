#include "reports/DateEx.h"

#include "platform/Clock.h"
#include "platform/DeviceLocale.h"
#include "reports/StringFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

namespace {

icu::UnicodeString toUnicode(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
}

QString toQString(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// ICU counts whole milliseconds. Rounding down keeps 23:59:59.9996 on its own day.
UDate toMillis(Date date)
{
    return std::floor(date.timeIntervalSince1970() * 1000.0);
}

Date fromMillis(UDate millis)
{
    return Date(millis / 1000.0);
}

// ICU's date formatters and calendars for the device's locale and time zone, built once and
// reused while both stay the same: a history of thousands of rows must not spend its time
// building formatters. Every call first compares the device's locale and zone with the ones
// the cache was built for and starts afresh when either changed, so each result is exactly what
// a new formatter would give. Parsing works on a copy of a formatter's calendar and leaves the
// formatter as it was. Each thread has its own cache.
class DateFormatters
{
public:
    static DateFormatters& current()
    {
        thread_local DateFormatters formatters;
        formatters.followDevice();
        return formatters;
    }

    // Null when the pattern is not a valid UTS #35 pattern.
    const icu::DateFormat* pattern(const QString& pattern)
    {
        auto found = m_patterns.find(pattern);
        if (found == m_patterns.end()) {
            UErrorCode status = U_ZERO_ERROR;
            auto format = std::make_unique<icu::SimpleDateFormat>(toUnicode(pattern), m_locale, status);
            // ICU finds a letter that names no field only when it formats, so try once here.
            icu::UnicodeString probe;
            if (U_SUCCESS(status))
                format->format(0.0, probe, nullptr, status);
            if (U_FAILURE(status)) {
                qCWarning(lcLocale) << "not a date pattern:" << pattern;
                format.reset();
            } else {
                format->setTimeZone(*m_zone);
            }
            found = m_patterns.emplace(pattern, std::move(format)).first;
        }
        return found->second.get();
    }

    const icu::DateFormat* style(icu::DateFormat::EStyle dateStyle, icu::DateFormat::EStyle timeStyle)
    {
        const auto key = std::make_pair(dateStyle, timeStyle);
        auto found = m_styles.find(key);
        if (found == m_styles.end()) {
            std::unique_ptr<icu::DateFormat> format(
                icu::DateFormat::createDateTimeInstance(dateStyle, timeStyle, m_locale));
            if (format)
                format->setTimeZone(*m_zone);
            else
                qCWarning(lcLocale) << "no date format for the locale" << m_locale.getName();
            found = m_styles.emplace(key, std::move(format)).first;
        }
        return found->second.get();
    }

    // The calendars come set to the date; callers may change them freely, as every use starts by
    // setting a date.
    icu::Calendar& gregorianAt(Date date) { return at(m_gregorian, date, true); }
    icu::Calendar& calendarAt(Date date) { return at(m_calendar, date, false); }

private:
    void followDevice()
    {
        std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createDefault());
        if (m_zone && *m_zone == *zone && m_locale == icu::Locale::getDefault())
            return;
        m_locale = icu::Locale::getDefault();
        m_zone = std::move(zone);
        m_patterns.clear();
        m_styles.clear();
        m_gregorian.reset();
        m_calendar.reset();
    }

    icu::Calendar& at(std::unique_ptr<icu::Calendar>& calendar, Date date, bool gregorian)
    {
        UErrorCode status = U_ZERO_ERROR;
        if (!calendar) {
            if (gregorian)
                calendar = std::make_unique<icu::GregorianCalendar>(*m_zone, m_locale, status);
            else
                calendar.reset(icu::Calendar::createInstance(*m_zone, m_locale, status));
            if (U_FAILURE(status) || !calendar) {
                // Only a broken ICU data file gets here; the root locale's calendar still counts.
                status = U_ZERO_ERROR;
                calendar = std::make_unique<icu::GregorianCalendar>(*m_zone, status);
            }
        }
        calendar->setTime(toMillis(date), status);
        return *calendar;
    }

    icu::Locale m_locale;
    std::unique_ptr<icu::TimeZone> m_zone;
    std::map<QString, std::unique_ptr<icu::DateFormat>> m_patterns;
    std::map<std::pair<icu::DateFormat::EStyle, icu::DateFormat::EStyle>, std::unique_ptr<icu::DateFormat>>
        m_styles;
    std::unique_ptr<icu::Calendar> m_gregorian;
    std::unique_ptr<icu::Calendar> m_calendar;
};

int field(const icu::Calendar& calendar, UCalendarDateFields which)
{
    UErrorCode status = U_ZERO_ERROR;
    return calendar.get(which, status);
}

QString formatted(const icu::DateFormat* format, Date date)
{
    if (!format)
        return QString();
    icu::UnicodeString text;
    format->format(toMillis(date), text);
    return toQString(text);
}

QString formatted(const QString& pattern, Date date)
{
    return formatted(DateFormatters::current().pattern(pattern), date);
}

std::optional<Date> parsed(const icu::DateFormat* format, const QString& text)
{
    if (!format)
        return std::nullopt;
    const icu::UnicodeString source = toUnicode(text.trimmed());
    std::unique_ptr<icu::Calendar> fields(format->getCalendar()->clone());
    fields->clear();
    icu::ParsePosition position(0);
    format->parse(source, *fields, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != source.length())
        return std::nullopt;

    // A strict calendar refuses 30 February, but in the device's zone it would also refuse a
    // midnight that a daylight saving change skips, which names a real day. So the fields are
    // checked in GMT, which skips nothing, and the lenient calendar then places the time.
    std::unique_ptr<icu::Calendar> check(fields->clone());
    check->setLenient(false);
    check->setTimeZone(*icu::TimeZone::getGMT());
    UErrorCode status = U_ZERO_ERROR;
    check->getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    const UDate millis = fields->getTime(status);
    if (U_FAILURE(status))
        return std::nullopt;
    return fromMillis(millis);
}

// Applies a calendar change and moves the date by as much as the change moved the calendar, so
// the fraction of a second that ICU's whole milliseconds drop is kept.
template <typename Change>
Date shifted(icu::Calendar& calendar, Date date, Change change)
{
    UErrorCode status = U_ZERO_ERROR;
    const UDate before = calendar.getTime(status);
    change(calendar, status);
    const UDate after = calendar.getTime(status);
    if (U_FAILURE(status))
        return date;
    return date.addingTimeInterval((after - before) / 1000.0);
}

// The year or month arithmetic of the picker bar: the date's fields with the sum set into a
// lenient calendar, which rolls a month past 12 into the next year and a day past the month's
// end into the next month. The seconds are deliberately dropped.
Date componentsMoved(Date date, int years, int months)
{
    icu::Calendar& calendar = DateFormatters::current().gregorianAt(date);
    const int year = field(calendar, UCAL_EXTENDED_YEAR);
    const int month = field(calendar, UCAL_MONTH);
    const int day = field(calendar, UCAL_DATE);
    const int hour = field(calendar, UCAL_HOUR_OF_DAY);
    const int minute = field(calendar, UCAL_MINUTE);
    calendar.clear();
    calendar.set(UCAL_EXTENDED_YEAR, year + years);
    calendar.set(UCAL_MONTH, month + months);
    calendar.set(UCAL_DATE, day);
    calendar.set(UCAL_HOUR_OF_DAY, hour);
    calendar.set(UCAL_MINUTE, minute);
    UErrorCode status = U_ZERO_ERROR;
    const UDate millis = calendar.getTime(status);
    return U_SUCCESS(status) ? fromMillis(millis) : date;
}

} // namespace

unsigned DateEx::numberMonth(Date date)
{
    const icu::Calendar& calendar = DateFormatters::current().gregorianAt(date);
    return unsigned(field(calendar, UCAL_YEAR) * 100 + field(calendar, UCAL_MONTH) + 1);
}

quint64 DateEx::numberDate(Date date)
{
    const icu::Calendar& calendar = DateFormatters::current().gregorianAt(date);
    return quint64(field(calendar, UCAL_YEAR)) * 10000 + quint64(field(calendar, UCAL_MONTH) + 1) * 100
        + quint64(field(calendar, UCAL_DATE));
}

Date DateEx::dateFromNumber(quint64 yyyyMMdd)
{
    // A number no real date gives (a damaged store) must not wrap into a year before Christ.
    const int year = int(std::min<quint64>(yyyyMMdd / 10000, std::numeric_limits<int>::max()));
    const int month = int(yyyyMMdd % 10000 / 100);
    const int day = int(yyyyMMdd % 100);
    icu::Calendar& calendar = DateFormatters::current().gregorianAt(Date(0));
    calendar.clear();
    calendar.set(year, month - 1, day);
    UErrorCode status = U_ZERO_ERROR;
    const UDate millis = calendar.getTime(status);
    return fromMillis(U_SUCCESS(status) ? millis : 0);
}

std::pair<quint64, quint64> DateEx::getYearRangeWithDate(Date date)
{
    const quint64 first = numberDate(date) / 10000 * 10000;
    return { first, first + 1231 };
}

std::pair<quint64, quint64> DateEx::getMonthRangeWithDate(Date date)
{
    const quint64 first = quint64(numberMonth(date)) * 100;
    return { first, first + 31 };
}

std::pair<quint64, quint64> DateEx::getWeekRangeWithDate(Date date)
{
    const int weekday = field(DateFormatters::current().gregorianAt(date), UCAL_DAY_OF_WEEK);
    const Date sunday = daySetOffAt(date, UCAL_SUNDAY - weekday);
    return { numberDate(sunday), numberDate(daySetOffAt(sunday, 6)) };
}

int DateEx::getDay(Date date)
{
    return field(DateFormatters::current().calendarAt(date), UCAL_DATE);
}

int DateEx::getMonth(Date date)
{
    return field(DateFormatters::current().calendarAt(date), UCAL_MONTH) + 1;
}

int DateEx::getYear(Date date)
{
    return field(DateFormatters::current().calendarAt(date), UCAL_YEAR);
}

int DateEx::weekday(Date date)
{
    return field(DateFormatters::current().calendarAt(date), UCAL_DAY_OF_WEEK);
}

bool DateEx::isLeapYear(int year)
{
    if (year % 400 == 0)
        return true;
    if (year % 100 == 0)
        return false;
    return year % 4 == 0;
}

int DateEx::getDayCountOfaMonth(int month, int year)
{
    switch (month) {
    case 2:
        return isLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

// The calendar year ("yyyy"), not the week-based one ("YYYY"): a month whose first day falls in
// the previous year's last week must still read as its own year.
QString DateEx::getMonthStringWithDate(Date date)
{
    return formatted(QStringLiteral("MMM yyyy"), date);
}

QString DateEx::localWeekString(Date date)
{
    return formatted(QStringLiteral("ccc"), date);
}

QString DateEx::chartDateString(Date date)
{
    return formatted(QStringLiteral("MMM d"), date);
}

QString DateEx::settingDateString(Date date)
{
    return formatted(
        DateFormatters::current().style(icu::DateFormat::kMedium, icu::DateFormat::kMedium), date);
}

QString DateEx::mediumDateString(Date date)
{
    return formatted(DateFormatters::current().style(icu::DateFormat::kMedium, icu::DateFormat::kNone), date);
}

QString DateEx::stringWithFormat(Date date, const QString& pattern)
{
    return formatted(pattern, date);
}

std::optional<Date> DateEx::dateFromSettingDateString(const QString& text)
{
    return parsed(DateFormatters::current().style(icu::DateFormat::kMedium, icu::DateFormat::kMedium), text);
}

std::optional<Date> DateEx::dateFromString(const QString& text, const QString& pattern)
{
    return parsed(DateFormatters::current().pattern(pattern), text);
}

QString DateEx::dateFormatString()
{
    return QStringLiteral("yyyy-MM-dd");
}

QString DateEx::timeFormatString()
{
    return QStringLiteral("HH:mm:ss");
}

QString DateEx::timestampFormatString()
{
    return QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

Date DateEx::daySetOffAt(Date date, int days)
{
    return shifted(DateFormatters::current().gregorianAt(date), date,
        [days](icu::Calendar& calendar, UErrorCode& status) { calendar.add(UCAL_DATE, days, status); });
}

Date DateEx::addTimeIntervalOfDay(Date date, int days)
{
    return daySetOffAt(date, days);
}

Date DateEx::addTimeIntervalOfHour(Date date, int hours)
{
    // An hour is 3600 seconds in every calendar and time zone.
    return date.addingTimeInterval(hours * 3600.0);
}

Date DateEx::addTimeIntervalOfYear(Date date, int years)
{
    return componentsMoved(date, years, 0);
}

Date DateEx::addTimeIntervalOfMonth(Date date, int months)
{
    return componentsMoved(date, 0, months);
}

Date DateEx::beginningOfDay(Date date)
{
    icu::Calendar& calendar = DateFormatters::current().calendarAt(date);
    calendar.set(UCAL_HOUR_OF_DAY, 0);
    calendar.set(UCAL_MINUTE, 0);
    calendar.set(UCAL_SECOND, 0);
    calendar.set(UCAL_MILLISECOND, 0);
    UErrorCode status = U_ZERO_ERROR;
    const UDate millis = calendar.getTime(status);
    return U_SUCCESS(status) ? fromMillis(millis) : date;
}

Date DateEx::beginningOfMonth(Date date)
{
    return shifted(DateFormatters::current().calendarAt(date), date,
        [](icu::Calendar& calendar, UErrorCode&) { calendar.set(UCAL_DATE, 1); });
}

Date DateEx::endOfMonth(Date date)
{
    return shifted(
        DateFormatters::current().calendarAt(date), date, [](icu::Calendar& calendar, UErrorCode& status) {
            calendar.set(UCAL_DATE, calendar.getActualMaximum(UCAL_DATE, status));
        });
}

Date DateEx::beginningOfNextMonth(Date date)
{
    icu::Calendar& calendar = DateFormatters::current().calendarAt(date);
    UErrorCode status = U_ZERO_ERROR;
    calendar.set(UCAL_DATE, 1);
    calendar.set(UCAL_HOUR_OF_DAY, 0);
    calendar.set(UCAL_MINUTE, 0);
    calendar.set(UCAL_SECOND, 0);
    calendar.set(UCAL_MILLISECOND, 0);
    calendar.add(UCAL_MONTH, 1, status);
    const UDate millis = calendar.getTime(status);
    return U_SUCCESS(status) ? fromMillis(millis) : date;
}

int DateEx::daysAgo(Date date)
{
    icu::Calendar& calendar = DateFormatters::current().calendarAt(date);
    UErrorCode status = U_ZERO_ERROR;
    const int days = calendar.fieldDifference(toMillis(Clock::now()), UCAL_DATE, status);
    return U_SUCCESS(status) ? days : 0;
}

int DateEx::daysAgoAgainstMidnight(Date date)
{
    // Counted in calendar days rather than in periods of 86400 seconds, so that yesterday stays
    // yesterday the morning after a 23-hour day.
    return daysAgo(beginningOfDay(date));
}

QString DateEx::stringDaysAgoAgainstMidnight(Date date, bool againstMidnight)
{
    const int days = againstMidnight ? daysAgoAgainstMidnight(date) : daysAgo(date);
    if (days == 0)
        return QStringLiteral("Today");
    if (days == 1)
        return QStringLiteral("Yesterday");
    return StringFormat::format(QStringLiteral("%d days ago"), { days });
}

QString DateEx::stringDaysAgo(Date date)
{
    return stringDaysAgoAgainstMidnight(date, true);
}

QString DateEx::stringForDisplayFromDate(Date date, bool prefixed)
{
    const Date now = Clock::now();
    if (date > beginningOfDay(now))
        return formatted(prefixed ? QStringLiteral("'at' h:mm a") : QStringLiteral("h:mm a"), date);
    QString pattern;
    if (date > daySetOffAt(now, -7))
        pattern = QStringLiteral("EEEE");
    else if (getYear(date) < getYear(now))
        pattern = QStringLiteral("MMM d, yyyy");
    else
        pattern = QStringLiteral("MMM d");
    return formatted(prefixed ? QStringLiteral("'on' ") + pattern : pattern, date);
}
