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
    *this = ReportFigures(*m_car);
    QString error;
    std::optional<QList<OilReportItem>> months = m_car->getMonthReportData(&error);
    const std::optional<CarAllReport> totals = months && m_car->correctNewestMonthVolumn(*months, &error)
        ? m_car->getCarAllReport(false, &error)
        : std::nullopt;
    if (!totals) {
        m_errorString = error;
        return false;
    }
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
