#include "widgets/DatePicker.h"

#include "platform/MainBundle.h"
#include "widgets/PickerView.h"

#include <QVBoxLayout>

#include <cmath>
#include <memory>
#include <optional>
#include <unicode/dtfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

namespace {

struct LocalDay
{
    int year;
    int month;
    int day;
};

QString toQString(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// The device's calendar for wheel dates: Gregorian, in the device's time zone.
std::unique_ptr<icu::GregorianCalendar> deviceCalendar(Date date)
{
    UErrorCode status = U_ZERO_ERROR;
    auto calendar = std::make_unique<icu::GregorianCalendar>(
        icu::TimeZone::createDefault(), icu::Locale::getDefault(), status);
    calendar->setTime(std::floor(date.timeIntervalSince1970() * 1000.0), status);
    return calendar;
}

LocalDay localDayOf(Date date)
{
    UErrorCode status = U_ZERO_ERROR;
    const auto calendar = deviceCalendar(date);
    return { calendar->get(UCAL_YEAR, status), calendar->get(UCAL_MONTH, status) + 1,
        calendar->get(UCAL_DATE, status) };
}

// The same time of day on another day; a day past the month's end becomes its last day.
Date onDay(Date date, LocalDay day)
{
    UErrorCode status = U_ZERO_ERROR;
    const double milliseconds = date.timeIntervalSince1970() * 1000.0;
    const double belowMillisecond = milliseconds - std::floor(milliseconds);
    const auto calendar = deviceCalendar(date);
    calendar->set(UCAL_DATE, 1);
    calendar->set(UCAL_YEAR, day.year);
    calendar->set(UCAL_MONTH, day.month - 1);
    const int lastDay = calendar->getActualMaximum(UCAL_DATE, status);
    calendar->set(UCAL_DATE, qMin(day.day, lastDay));
    const double result = calendar->getTime(status);
    return Date((result + belowMillisecond) / 1000.0);
}

QStringList monthNames()
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(icu::Locale::getDefault(), status);
    int32_t count = 0;
    const icu::UnicodeString* names
        = symbols.getMonths(count, icu::DateFormatSymbols::STANDALONE, icu::DateFormatSymbols::ABBREVIATED);
    QStringList result;
    for (int32_t i = 0; i < count && i < 12; ++i)
        result << toQString(names[i]);
    return result;
}

QStringList numbers(int first, int last)
{
    QStringList result;
    for (int n = first; n <= last; ++n)
        result << QString::number(n);
    return result;
}

} // namespace

DatePicker::DatePicker(QWidget* parent)
    : QWidget(parent)
    , m_date(0)
    , m_wheels(new PickerView(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_wheels);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    // The locale's own order of year, month and day, as in its medium dates.
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icu::Locale::getDefault(), status));
    const QString pattern = U_SUCCESS(status)
        ? toQString(generator->getBestPattern(icu::UnicodeString(u"yMMMd"), status))
        : QString();
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        std::optional<Part> part;
        if (c == QLatin1Char('y'))
            part = Part::Year;
        else if (c == QLatin1Char('M') || c == QLatin1Char('L'))
            part = Part::Month;
        else if (c == QLatin1Char('d'))
            part = Part::Day;
        if (!quoted && part && !m_order.contains(*part))
            m_order.append(*part);
    }
    if (m_order.size() != 3)
        m_order = { Part::Year, Part::Month, Part::Day };

    QList<QStringList> components;
    QStringList names;
    for (const Part part : std::as_const(m_order)) {
        components << (part == Part::Year ? numbers(kFirstYear, kLastYear)
                : part == Part::Month     ? monthNames()
                                          : numbers(1, 31));
        names << (part == Part::Year  ? MainBundle::localizedString("年")
                : part == Part::Month ? MainBundle::localizedString("月")
                                      : MainBundle::localizedString("日"));
    }
    m_wheels->setComponents(components);
    m_wheels->setComponentNames(names);
    connect(m_wheels, &PickerView::didSelectRow, this, &DatePicker::wheelTurned);
    showDate(false);
}

void DatePicker::setDate(Date date, bool animated)
{
    m_date = date;
    showDate(animated);
}

void DatePicker::showDate(bool animated)
{
    const LocalDay day = localDayOf(m_date);
    for (int component = 0; component < m_order.size(); ++component) {
        switch (m_order.at(component)) {
        case Part::Year:
            m_wheels->selectRow(qBound(kFirstYear, day.year, kLastYear) - kFirstYear, component, animated);
            break;
        case Part::Month:
            m_wheels->selectRow(day.month - 1, component, animated);
            break;
        case Part::Day:
            m_wheels->selectRow(day.day - 1, component, animated);
            break;
        }
    }
}

void DatePicker::wheelTurned(int, int)
{
    LocalDay day = localDayOf(m_date);
    for (int component = 0; component < m_order.size(); ++component) {
        const int row = m_wheels->selectedRowInComponent(component);
        switch (m_order.at(component)) {
        case Part::Year:
            day.year = kFirstYear + row;
            break;
        case Part::Month:
            day.month = row + 1;
            break;
        case Part::Day:
            day.day = row + 1;
            break;
        }
    }
    m_date = onDay(m_date, day);
    // A day the month does not have turns the day wheel back to its last day.
    showDate(true);
    Q_EMIT valueChanged();
}
