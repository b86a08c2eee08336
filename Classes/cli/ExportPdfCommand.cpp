#include "cli/ExportPdfCommand.h"

#include "charts/ReportChartRow.h"
#include "reports/ReportFigures.h"
#include "screens/report/ExportPDF.h"

#include <QFileInfo>

ExportPdfCommand::ExportPdfCommand()
    : HeadlessCommand(QStringLiteral("export-pdf"),
        QStringLiteral("Write a car's PDF report as the report screen exports it and print its path."))
    , m_out(QStringLiteral("out"),
          QStringLiteral("Where to write it, a new or regular file that is not one of the log's; "
                         "without it, gas_report.pdf in the data directory. An earlier file there is "
                         "replaced once the new one is complete."),
          QStringLiteral("FILE"))
{
    syntax().option(m_car).option(m_out);
}

int ExportPdfCommand::execute(const QCommandLineParser& arguments, QTextStream& out, QTextStream& err)
{
    const QString key = arguments.value(m_car);
    const QString file = arguments.value(m_out);
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

    // The report tab's figures and chart row for that car; the screen hands its line chart to
    // the writer only once the chart row exists, that is when there are months.
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
