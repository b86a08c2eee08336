#include "cli/ReportCommand.h"

#include "reports/OverviewFigures.h"
#include "reports/ReportFigures.h"
#include "store/CarInfo.h"

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
        << "  consumption  " << report.averageConsumptionText() << '\n'
        << "  cost         " << report.mAvgMoneyString << '\n';
}

// The month rows as the report screen's cells show them.
void printMonths(QTextStream& out, const ReportFigures& report)
{
    out << QStringLiteral("%1 %2 %3 %4\n")
               .arg(QStringLiteral("Month"), -12)
               .arg(QStringLiteral("Distance"), 14)
               .arg(QStringLiteral("Volume"), 14)
               .arg(QStringLiteral("Money"), 14);
    for (const OilReportItem& month : report.months()) {
        const ReportFigures::MonthTexts texts = report.monthTexts(month);
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(texts.month, -12)
                   .arg(texts.miles, 14)
                   .arg(texts.volumn, 14)
                   .arg(texts.money, 14);
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
    OverviewFigures overview(*car);
    ReportFigures report(*car);
    if (!overview.read())
        return fail(err, overview.errorString());
    if (!report.read())
        return fail(err, report.errorString());

    if (json) {
        QJsonObject overviewObject = reportObject(overview.totals());
        overviewObject.insert(
            QStringLiteral("averageConsumption"), overview.totals().averageConsumptionText());
        overviewObject.insert(QStringLiteral("latestFillUp"), overview.latestFillUpText());
        QJsonArray monthLines;
        for (const OilReportItem& month : report.months())
            monthLines.append(monthObject(month));
        const QJsonObject document {
            { QStringLiteral("carID"), car->carID },
            { QStringLiteral("mCarName"), car->mCarName },
            { QStringLiteral("overview"), overviewObject },
            { QStringLiteral("report"), reportObject(report.totals()) },
            { QStringLiteral("months"), monthLines },
        };
        out << QJsonDocument(document).toJson(QJsonDocument::Indented);
        return Success;
    }
    out << printable(car->mCarName) << " (" << printable(car->carID) << ")\n\n";
    printReport(out, QStringLiteral("Overview, every fill-up:"), overview.totals());
    out << "  latest       " << overview.latestFillUpText() << '\n';
    printReport(out, QStringLiteral("Report, without the latest fill-up:"), report.totals());
    out << '\n';
    printMonths(out, report);
    return Success;
}
