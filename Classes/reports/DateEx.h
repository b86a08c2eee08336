#pragma once

#include "platform/Date.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

// Calendar parts, date arithmetic, dates as decimal numbers and date texts, every one in the
// device's locale and time zone as DeviceLocale sets them, read afresh on every call.
// "Gregorian" below means the Gregorian calendar whatever the locale; "the locale's calendar" is
// the calendar the user sees (Buddhist in a Thai locale, for example).
class DateEx
{
public:
    // Dates as decimal numbers. The month number is what the store keeps for every fill-up and
    // groups its monthly reports by, so it is Gregorian with ASCII digits in every locale.

    // yyyyMM of the date's Gregorian month in the device's time zone (201105 for 27 May 2011).
    static unsigned numberMonth(Date date);
    // yyyyMMdd of the date's Gregorian day in the device's time zone (20110527).
    static quint64 numberDate(Date date);
    // 00:00 local time of the day yyyyMMdd. Month and day out of range roll over as the calendar
    // counts (20110132 is 1 February 2011). When midnight does not exist that day (a daylight
    // saving change at 00:00), the first moment of the day.
    static Date dateFromNumber(quint64 yyyyMMdd);
    // The year yyyy as the pair yyyy0000, yyyy1231.
    static std::pair<quint64, quint64> getYearRangeWithDate(Date date);
    // The month yyyyMM as the pair yyyyMM00, yyyyMM31.
    static std::pair<quint64, quint64> getMonthRangeWithDate(Date date);
    // yyyyMMdd of the Sunday that starts the date's week and of the Saturday six days later.
    static std::pair<quint64, quint64> getWeekRangeWithDate(Date date);

    // Calendar parts in the locale's calendar.
    static int getDay(Date date);
    static int getMonth(Date date); // 1 = January in the Gregorian calendar
    static int getYear(Date date);
    static int weekday(Date date); // 1 = Sunday ... 7 = Saturday

    // Gregorian leap years and month lengths. Every month number other than 2, 4, 6, 9 and 11
    // has 31 days, including numbers above 12.
    static bool isLeapYear(int year);
    static int getDayCountOfaMonth(int month, int year);

    // Texts in the current locale, from UTS #35 patterns or the locale's styles.
    static QString getMonthStringWithDate(Date date); // "MMM yyyy", the calendar year
    static QString localWeekString(Date date); // "ccc", the short stand-alone weekday
    static QString chartDateString(Date date); // "MMM d"
    static QString settingDateString(Date date); // medium date and medium time styles
    static QString mediumDateString(Date date); // medium date style, no time
    // Empty, with a warning, when the pattern is not a valid pattern.
    static QString stringWithFormat(Date date, const QString& pattern);

    // Reading texts back. The whole text (surrounding white space aside) must match; a day that
    // does not exist (30 February) is refused rather than rolled into the next month. A wall time
    // skipped by a daylight saving change is moved forward as the calendar does.
    static std::optional<Date> dateFromSettingDateString(const QString& text);
    static std::optional<Date> dateFromString(const QString& text, const QString& pattern);

    static QString dateFormatString(); // "yyyy-MM-dd"
    static QString timeFormatString(); // "HH:mm:ss"
    static QString timestampFormatString(); // "yyyy-MM-dd HH:mm:ss"

    // Gregorian arithmetic. Days keep the time of day (and its fraction of a second) across
    // daylight saving changes; hours are elapsed hours.
    static Date daySetOffAt(Date date, int days);
    static Date addTimeIntervalOfDay(Date date, int days);
    static Date addTimeIntervalOfHour(Date date, int hours);
    // Year, month, day, hour and minute of the date with the years or months added, seconds
    // dropped. A day past the end of the target month rolls over into the next month
    // (31 January + 1 month is 2 or 3 March; 29 February + 1 year is 1 March).
    static Date addTimeIntervalOfYear(Date date, int years);
    static Date addTimeIntervalOfMonth(Date date, int months);

    // Days in the locale's calendar; beginningOfMonth and endOfMonth keep the time of day.
    static Date beginningOfDay(Date date);
    static Date beginningOfMonth(Date date);
    static Date endOfMonth(Date date);
    // 00:00 of the first day of the next month (the day's first moment when a daylight saving
    // change skips its midnight): every date before it lies in the date's month or earlier.
    static Date beginningOfNextMonth(Date date);
    // Whole days from the date to now (Clock::now()): negative for a date in the future.
    static int daysAgo(Date date);
    // Whole days from 00:00 of the date's day to now: 0 for any time today, 1 for yesterday.
    static int daysAgoAgainstMidnight(Date date);
    // "Today", "Yesterday" or "%d days ago", counted against midnight or from the moment itself.
    static QString stringDaysAgoAgainstMidnight(Date date, bool againstMidnight);
    static QString stringDaysAgo(Date date);
    // A date relative to now: "h:mm a" for today, "EEEE" within the last seven days, "MMM d"
    // earlier this year and "MMM d, yyyy" before it; prefixed with "at " or "on " when asked.
    static QString stringForDisplayFromDate(Date date, bool prefixed = false);
};
