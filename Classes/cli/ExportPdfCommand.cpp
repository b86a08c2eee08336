#include "cli/ExportPdfCommand.h"

#include "charts/ReportChartRow.h"
#include "screens/report/ExportPDF.h"
#include "store/CarManage.h"
#include "store/Setting.h"

#include <QFileInfo>

namespace {

// The report is always of the current car. Another car is made current for the export only:
// the stored default car, which the app opens with, is put back afterwards.
class CurrentCarForExport
{
public:
    explicit CurrentCarForExport(CarInfo* car)
        : m_storedDefault(Setting::getDefaultCarID())
        , m_switched(car != CarManage::sharedCarManage()->mCurrentCarInfo())
    {
        if (m_switched)
            CarManage::sharedCarManage()->setDefaultCar(car);
    }
    ~CurrentCarForExport()
    {
        if (m_switched)
            Setting::setDefaultCarID(m_storedDefault);
    }
    CurrentCarForExport(const CurrentCarForExport&) = delete;
    CurrentCarForExport& operator=(const CurrentCarForExport&) = delete;

private:
    QString m_storedDefault;
    bool m_switched;
};

} // namespace

QString ExportPdfCommand::summary() const
{
    return QStringLiteral("Write a car's PDF report (default: the current car) as the report screen\n"
                          "exports it and print its path. FILE defaults to gas_report.pdf in the\n"
                          "data directory; an earlier file there is replaced.");
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
    if (!openLog(err))
        return Failure;
    int status = Success;
    CarInfo* car = chooseCar(key, err, status);
    if (!car)
        return status;
    const CurrentCarForExport current(car);

    // The month lines and the chart row as the report screen builds them; the screen hands its
    // line chart to the writer only once the chart row exists, that is when there are months.
    QList<OilReportItem> months = car->getMonthReportData();
    car->correctNewestMonthVolumn(months);
    ReportChartRow chartRow(months);

    ExportPDF writer;
    if (!months.isEmpty())
        writer.setMRPCell(&chartRow.lineChart());
    if (!file.isEmpty())
        writer.setPdfPath(QFileInfo(file).absoluteFilePath());
    const QString path = writer.generatePDF(months);
    if (path.isEmpty()) {
        err << "pumpora: the report was not written: " << writer.errorString() << '\n';
        return Failure;
    }
    out << path << '\n';
    return Success;
}
