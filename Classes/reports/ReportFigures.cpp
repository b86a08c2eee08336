#include "reports/ReportFigures.h"

#include "reports/StringFormat.h"
#include "store/CarInfo.h"
#include "store/Unit.h"
#include "store/Utility.h"

ReportFigures::ReportFigures(const CarInfo& car)
    : m_car(&car)
{ }

bool ReportFigures::read()
{
    m_totals = CarAllReport();
    m_months.clear();
    m_errorString.clear();
    std::optional<QList<OilReportItem>> months = m_car->getMonthReportData(&m_errorString);
    const std::optional<CarAllReport> totals
        = months && m_car->correctNewestMonthVolumn(*months, &m_errorString)
        ? m_car->getCarAllReport(false, &m_errorString)
        : std::nullopt;
    if (!totals)
        return false;
    m_totals = *totals;
    m_months = *months;
    return true;
}

ReportFigures::MonthTexts ReportFigures::monthTexts(const OilReportItem& month) const
{
    const Unit& unit = Unit::orNone(m_car->unit);
    return {
        month.getMonthString(),
        StringFormat::format(QStringLiteral("%.0f %@"), { month.totalMiles, unit.MileageUnit }),
        StringFormat::format(QStringLiteral("%@ %@"),
            { StringFormat::CIStringFromDoubleValue(month.totalVolumn), unit.VolumnUnit }),
        StringFormat::format(QStringLiteral("%@%@"),
            { Utility::getCurrencySybol(), StringFormat::CIStringFromDoubleValue(month.totalMoney) }),
    };
}
