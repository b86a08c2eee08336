#pragma once

#include "reports/ReportFigures.h"
#include "screens/report/ExportPDF.h"

#include <QObject>

#include <memory>

class CarInfo;
class QThread;
class ReportChartRow;

// One export of a car's PDF report, written from the event loop in short steps so that the
// window keeps answering (and the busy indicator turning) while a long report is written. The
// figures and the chart on page one are read and built for that car when the export starts:
// nothing of another car, or of an earlier look at the report tab, goes into it.
class ReportExport : public QObject
{
    Q_OBJECT

public:
    // The car must outlive the export (the car manager keeps every car for the run).
    explicit ReportExport(const CarInfo& car, QObject* parent = nullptr);
    ~ReportExport() override;

    // Starts on the next turn of the event loop; finished or failed follows, once.
    void start();

Q_SIGNALS:
    void finished(const QString& path);
    void failed(const QString& error);

private:
    void readFigures();
    void openFile();
    void write();
    void close();
    void committed();
    void next(void (ReportExport::*step)());

    const CarInfo* m_car;
    ReportFigures m_figures;
    std::unique_ptr<ReportChartRow> m_chartRow;
    ExportPDF m_writer;
    // The written file being put in place, and how that went.
    std::unique_ptr<QThread> m_commit;
    bool m_committed = false;
    QString m_commitError;
};
