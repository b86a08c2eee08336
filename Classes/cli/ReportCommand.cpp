#include "cli/ReportCommand.h"

#include "reports/StringFormat.h"
#include "store/CarInfo.h"
#include "store/Unit.h"
#include "store/Utility.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonObject reportObject(const CarAllReport& report)
{
    return QJsonObject {
        { QStringLiteral("mRPtotalMoney"), report.mRPtotalMoney },
        { QStringLiteral("mRPtotalMiles"), report.mRPtotalMiles },
        { QStringLiteral("mRPtotalVolumn"), report.mRPtotalVolumn },
        { QStringLiteral("mAvgMoneyString"), report.mAvgMoneyString },
        { QStringLiteral("mAvgVolumnString"), report.mAvgVolumnString },
        { QStringLiteral("mRPTVolumnString"), report.mRPTVolumnString },
        { QStringLiteral("mRPTMilesString"), report.mRPTMilesString },
        { QStringLiteral("mRPTMoneyString"), report.mRPTMoneyString },
    };
}

QJsonObject monthObject(const OilReportItem& month)
{
    return QJsonObject {
        { QStringLiteral("monthInteger"), month.monthInteger },
        { QStringLiteral("monthString"), month.getMonthString() },
        { QStringLiteral("totalMoney"), month.totalMoney },
        { QStringLiteral("totalVolumn"), month.totalVolumn },
        { QStringLiteral("totalMiles"), month.totalMiles },
        { QStringLiteral("maxMiles"), month.maxMiles },
        { QStringLiteral("minMiles"), month.minMiles },
    };
}

void printReport(QTextStream& out, const QString& caption, const CarAllReport& report)
{
    out << caption << '\n'
        << "  money        " << report.mRPTMoneyString << '\n'
        << "  volume       " << report.mRPTVolumnString << '\n'
        << "  distance     " << report.mRPTMilesString << '\n'
        << "  consumption  " << report.mAvgVolumnString << '\n'
        << "  cost         " << report.mAvgMoneyString << '\n';
}

// The month rows as the report screen's cells write them.
void printMonths(QTextStream& out, const CarInfo& car, const QList<OilReportItem>& months)
{
    const Unit& unit = Unit::orNone(car.unit);
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("Month"), -12)
               .arg(QStringLiteral("Distance"), 14)
               .arg(QStringLiteral("Volume"), 14)
               .arg(QStringLiteral("Money"), 14);
    for (const OilReportItem& month : months) {
        const QString distance
            = StringFormat::format(QStringLiteral("%.0f %@"), { month.totalMiles, unit.MileageUnit });
        const QString volume = StringFormat::format(QStringLiteral("%@ %@"),
            { StringFormat::CIStringFromDoubleValue(month.totalVolumn), unit.VolumnUnit });
        const QString money = StringFormat::format(QStringLiteral("%@%@"),
            { Utility::getCurrencySybol(), StringFormat::CIStringFromDoubleValue(month.totalMoney) });
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(month.getMonthString(), -12)
                   .arg(distance, 14)
                   .arg(volume, 14)
                   .arg(money, 14);
    }
}

} // namespace

ReportCommand::ReportCommand()
    : HeadlessCommand(QStringLiteral("report"),
        QStringLiteral("A car's figures: the overview's totals, the report's totals and month lines."))
{
    syntax().option(m_car).option(m_json);
}

int ReportCommand::execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err)
{
    const QString key = arguments.value(m_car);
    const bool json = arguments.isSet(m_json);
    if (!openLog(err))
        return Failure;
    int status = Success;
    const CarInfo* car = chooseCar(key, err, status);
    if (!car)
        return status;

    // A failed read is reported as it is, never shown as zeros or as a log without months.
    QString error;
    const std::optional<CarAllReport> overview = car->getCarAllReport(true, &error);
    const std::optional<CarAllReport> report = overview ? car->getCarAllReport(false, &error) : std::nullopt;
    std::optional<QList<OilReportItem>> months = report ? car->getMonthReportData(&error) : std::nullopt;
    if (!months || !car->correctNewestMonthVolumn(*months, &error))
        return fail(err, error);

    if (json) {
        QJsonArray monthLines;
        for (const OilReportItem& month : *months)
            monthLines.append(monthObject(month));
        const QJsonObject document {
            { QStringLiteral("carID"), car->carID },
            { QStringLiteral("mCarName"), car->mCarName },
            { QStringLiteral("overview"), reportObject(*overview) },
            { QStringLiteral("report"), reportObject(*report) },
            { QStringLiteral("months"), monthLines },
        };
        out << QJsonDocument(document).toJson(QJsonDocument::Indented);
        return Success;
    }
    out << printable(car->mCarName) << " (" << printable(car->carID) << ")\n\n";
    printReport(out, QStringLiteral("Overview, every fill-up:"), *overview);
    printReport(out, QStringLiteral("Report, without the latest fill-up:"), *report);
    out << '\n';
    printMonths(out, *car, *months);
    return Success;
}
