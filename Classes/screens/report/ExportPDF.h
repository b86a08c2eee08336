#pragma once

#include "reports/OilReportItem.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>

class CarInfo;
class QFileDevice;
class QPainter;
class QPdfWriter;
class ReportFigures;
class RPChartView;

// Writes a car's fuel report as a PDF of US Letter pages (612 x 792 points): page one
// holds the car's summary table, the monthly cost bars and, when the report screen hands it
// over, its consumption line chart; the following pages list every month with its totals and
// fill-ups. Every position, font and colour is fixed; drawing coordinates are points from the
// page's top left corner.
//
// A writer serves one export: setMRPCell(), then generatePDF().
class ExportPDF
{
public:
    // The report of that car, or of the car manager's current car at the time of writing when
    // none is given. A given car must outlive the writer (the car manager keeps every car for
    // the run).
    explicit ExportPDF(const CarInfo* car = nullptr);
    ~ExportPDF();
    ExportPDF(const ExportPDF&) = delete;
    ExportPDF& operator=(const ExportPDF&) = delete;

    // The report screen's line chart, drawn onto page one. Not owned; none when it goes away.
    void setMRPCell(RPChartView* chartView) { m_mRPCell = chartView; }
    RPChartView* mRPCell() const { return m_mRPCell; }

    // Where the report goes: gas_report.pdf in the documents directory unless set otherwise.
    QString pdfPath() const { return m_pdfPath; }
    void setPdfPath(const QString& path) { m_pdfPath = path; }

    // Writes the report of the month lines (oldest first; the report tab's, as it shows them)
    // over any earlier file and returns its path. The summary shows the report tab's totals of
    // the car. Without months the report is one page with the page header and footer. An empty
    // path when no report could be written, with the reason in errorString(): a failed read of
    // the log, a target refused by checkTarget(), or a file that could not be written in full.
    // The earlier file is then left as it was.
    QString generatePDF(const QList<OilReportItem>& months);
    QString errorString() const { return m_errorString; }

    // Whether a report may be written at path: a new file, or a regular one that is not a file
    // of the log. The file to write, symbolic links followed, in *target; else the reason in
    // *error.
    static bool checkTarget(const QString& path, QString* target, QString* error);

private:
    // The drawing steps; each returns the height it took, the page breaks happen at y 723.
    int drawPage(QPainter& context);
    int drawChart(QPainter& context, const QList<OilReportItem>& dataArray, int offset);
    int drawColumn(QPainter& context, int offset);
    int drawGroup(QPainter& context, const OilReportItem& item, int yOffset);
    void drawFoot(QPainter& context);

    void writeReport(const QList<OilReportItem>& months, const QString& target);
    void drawPages(QPainter& context, const QList<OilReportItem>& months, const QFileDevice& file);
    void beginPage(QPainter& context);
    void fail(const QString& reason);

    const CarInfo* m_givenCar;
    QPointer<RPChartView> m_mRPCell;
    QString m_pdfPath;
    QString m_errorString;
    // While a report is written: its car and figures, its writer, the number of pages begun and
    // the first read of the log that failed; what every page repeats, read once: the period's
    // first and last fill-up dates and today's date; and the icon of every fill-up row, loaded
    // once so that the document holds it once.
    const CarInfo* m_car = nullptr;
    const ReportFigures* m_figures = nullptr;
    QString m_readError;
    QPdfWriter* m_writer = nullptr;
    int m_pageCount = 0;
    QString m_firstOilDate;
    QString m_lastOilDate;
    QString m_printDate;
    QImage m_fuelImage;
};
