#pragma once

#include "reports/OilReportItem.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <memory>

class CarInfo;
class Oil;
class QPainter;
class QSaveFile;
class RPChartView;

// Writes a car's fuel report as a PDF of US Letter pages (612 x 792 points): page one
// holds the car's summary table, the monthly cost bars and, when it is handed one, the
// consumption line chart; the following pages list every month with its totals and fill-ups.
// Every position, font and colour is fixed; drawing coordinates are points from the page's top
// left corner.
//
// A writer serves one export: setMRPCell(), then generatePDF(), or the same report in small
// steps: beginPDF(), writeStep() until it answers false, endPDF(). The second lets a caller on
// the event loop keep the window answering while a long report is written.
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

    // The consumption line chart of the exported car, drawn onto page one. Not owned; none when
    // it goes away.
    void setMRPCell(RPChartView* chartView);
    RPChartView* mRPCell() const;

    // The report's own place, gas_report.pdf in the documents directory; where it goes unless
    // set otherwise.
    static QString defaultPath();
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

    // generatePDF() in steps. beginPDF() reads what every page shows and opens the file (false,
    // with the reason, when that fails); each writeStep() draws one small piece (a page's
    // header, the summary's tables, its line chart, a month's heading, a fill-up row, a footer)
    // and answers whether anything is left; endPDF() puts the file in place and answers as
    // generatePDF() does. A writer destroyed before endPDF() leaves the earlier file as it was.
    bool beginPDF(const QList<OilReportItem>& months);
    bool writeStep();
    QString endPDF();

    // endPDF() in its two halves, for a caller that keeps the window answering. closePDF() ends
    // the document on the thread that drew it (the PDF writer embeds the fonts, whose engines
    // belong to that thread) and hands over its file, complete but not yet in place; none, with
    // the reason in errorString(), when the report could not be written. commitPDF() writes the
    // file out, syncs it to the disk and puts it in place of the earlier report; it touches
    // nothing but the file, so it may run on another thread while the disk is waited for. False,
    // with the reason in *error and the earlier report left as it was, when that fails.
    std::unique_ptr<QSaveFile> closePDF();
    static bool commitPDF(QSaveFile& file, QString* error);

    // Whether a report may be written at path: a new file, or a regular one that is not a file
    // of the log. The file to write, symbolic links followed, in *target; else the reason in
    // *error.
    static bool checkTarget(const QString& path, QString* target, QString* error);

    // Copies a written report to path, which checkTarget() must allow; the copy replaces an
    // earlier file there only once it is complete. False, with the reason in *error, when the
    // report cannot be read or the copy not written.
    static bool saveCopy(const QString& report, const QString& path, QString* error);

private:
    struct Writing;

    // The drawing steps; each returns the height it took, the page breaks happen at y 723.
    int drawPage(QPainter& context);
    // Page one's body but the line chart, which drawLineChart() adds.
    int drawChart(QPainter& context, const QList<OilReportItem>& dataArray, int offset);
    void drawLineChart(QPainter& context, int offset);
    int drawColumn(QPainter& context, int offset);
    // A month's heading; its fill-ups follow row by row (drawOil).
    void drawGroup(QPainter& context, const OilReportItem& item, int yOffset);
    void drawOil(QPainter& context, const Oil& oil, int r);
    void drawFoot(QPainter& context);

    void drawSummaryStep();
    bool isWriting() const;
    void beginPage(QPainter& context);
    void fail(const QString& error);

    const CarInfo* m_givenCar;
    QPointer<RPChartView> m_mRPCell;
    QString m_pdfPath;
    QString m_errorString;
    // While a report is written: its car, its file, writer and painter, what every page
    // repeats (read once), and where the drawing stands.
    const CarInfo* m_car = nullptr;
    std::unique_ptr<Writing> m_writing;
};
