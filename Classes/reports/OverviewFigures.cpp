#include "reports/OverviewFigures.h"

#include "platform/Clock.h"
#include "platform/MainBundle.h"
#include "reports/DateEx.h"
#include "reports/NumberText.h"
#include "reports/StringFormat.h"
#include "store/CarInfo.h"
#include "store/Setting.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr qsizetype kChartLabels = 5;
constexpr quint16 kYTicks = 5;
// The preferred multiples of a y step, tried in this order.
constexpr quint64 kStepMultiples[5] = { 5, 4, 3, 2, 1 };

const char* latestFillUpFormat()
{
    switch (Setting::getFloatValuePrecisionDigits()) {
    case 3:
        return "最近一次加油：%@ %.3f %@ 共%@%.3f";
    case 1:
        return "最近一次加油：%@ %.1f %@ 共%@%.1f";
    default:
        return "最近一次加油：%@ %.2f %@ 共%@%.2f";
    }
}

} // namespace

OverviewFigures::OverviewFigures(const CarInfo& car)
    : m_car(&car)
{ }

bool OverviewFigures::read()
{
    const CarInfo* car = m_car;
    *this = OverviewFigures();
    m_car = car;
    if (!car) {
        m_latestFillUpText = MainBundle::localizedString("尚无录入加油数据");
        makeChartLabels();
        return true;
    }
    QString error;
    // The latest fill-up may be missing; it is read with the totals.
    std::optional<Oil> latest;
    std::optional<CarAllReport> totals = m_car->getCarAllReport(true, &error, &latest);
    std::optional<QList<Oil>> lastFive = totals ? m_car->getTopFiveOil(&error) : std::nullopt;
    if (!totals || !lastFive) {
        m_errorString = error;
        return false;
    }
    m_totals = *totals;
    m_lastFillUps = *lastFive;
    if (latest) {
        const QString day = DateEx::stringWithFormat(
            latest->date.value_or(Date(0)), MainBundle::localizedString("MM月dd日"));
        m_latestFillUpText = StringFormat::format(MainBundle::localizedString(latestFillUpFormat()),
            { day, latest->oilVolumn, Unit::orNone(m_car->unit).VolumnUnit, Utility::getCurrencySybol(),
                latest->dTotal });
    } else {
        m_latestFillUpText = MainBundle::localizedString("尚无录入加油数据");
    }
    makeChartLabels();
    return true;
}

void OverviewFigures::makeChartLabels()
{
    const Date now = Clock::now();
    Date last = DateEx::daySetOffAt(now, -1);
    double largest = 0;
    for (const Oil& oil : m_lastFillUps) {
        largest = std::max(largest, oil.oilVolumn);
        last = oil.date.value_or(Date(0));
        m_xLables.append(DateEx::chartDateString(last));
    }
    // The axis always shows five days: after the fill-ups come the days from today on; from
    // tomorrow when the latest fill-up has today's day number, so that a fill-up of today is not
    // followed by today again (a fill-up of the same day number in another month counts too);
    // from the latest fill-up itself when it is dated in the future.
    Date day = last;
    if (last < now)
        day = DateEx::getDay(last) == DateEx::getDay(now) ? DateEx::daySetOffAt(now, 1) : now;
    for (; m_xLables.size() < kChartLabels; day = DateEx::daySetOffAt(day, 1))
        m_xLables.append(DateEx::chartDateString(day));
    m_yStep = Utility::ChartYAxisSetOff(largest, kYTicks, kStepMultiples, std::size(kStepMultiples));
}

QString OverviewFigures::yLable(unsigned tick) const
{
    return NumberText::stringOfDecimalCount(double(tick) * double(m_yStep), 2);
}

// The y labels stand right of the plot; a step of 200 or more makes them wider.
float OverviewFigures::chartRightMargin() const
{
    if (m_yStep < 200)
        return 6.0f;
    return m_yStep < 2000 ? 15.0f : 18.0f;
}
