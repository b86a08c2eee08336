#include "cli/ExportPdfCommand.h"

#include "charts/ReportChartRow.h"
#include "reports/ReportFigures.h"
#include "screens/report/ExportPDF.h"

#include <QFileInfo>

QString ExportPdfCommand::summary() const
{
    return QStringLiteral("Write a car's PDF report (default: the current car) as the report screen\n"
                          "exports it and print its path. FILE defaults to gas_report.pdf in the\n"
                          "data directory; an earlier file there is replaced once the new one is\n"
                          "complete. FILE must be a new or regular file, not one of the log's.");
}

int ExportPdfCommand::run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QString key;
    QString file;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--car") && i + 1 < arguments.size()) {
            key = arguments.at(++i);
        } else if (arguments.at(i) == QLatin1String("--out") && i + 1 < arguments.size()
            && !arguments.at(i + 1).isEmpty()) {
            file = arguments.at(++i);
        } else {
            err << "pumpora: usage: pumpora export-pdf [--car KEY] [--out FILE]\n";
            return UsageError;
        }
    }
    QString error;
    if (!file.isEmpty() && !ExportPDF::checkTarget(file, nullptr, &error)) {
        fail(err, error);
        return UsageError;
    }
    if (!openLog(err))
        return Failure;
    int status = Success;
    const CarInfo* car = chooseCar(key, err, status);
    if (!car)
        return status;

    // The report tab's figures and chart row for that car, as the tab's export builds them:
    // a chart row exists only when there are months.
    ReportFigures figures(*car);
    if (!figures.read())
        return fail(err, figures.errorString());
    ReportChartRow chartRow(figures.months(), car);

    ExportPDF writer(car);
    if (!figures.months().isEmpty())
        writer.setMRPCell(&chartRow.lineChart());
    if (!file.isEmpty())
        writer.setPdfPath(QFileInfo(file).absoluteFilePath());
    const QString path = writer.generatePDF(figures.months());
    if (path.isEmpty())
        return fail(err, writer.errorString());
    out << path << '\n';
    return Success;
}
