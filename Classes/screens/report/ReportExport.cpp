#include "screens/report/ReportExport.h"

#include "charts/ReportChartRow.h"

#include <QElapsedTimer>
#include <QSaveFile>
#include <QThread>
#include <QTimer>

namespace {

// How long the export draws before the window gets its turn: a quarter of a frame at 60 per
// second, so that the step that crosses it (the summary's charts take a few milliseconds each)
// still ends the turn within the frame.
constexpr qint64 kStepMilliseconds = 4;

} // namespace

ReportExport::ReportExport(const CarInfo& car, QObject* parent)
    : QObject(parent)
    , m_car(&car)
    , m_figures(car)
    , m_writer(&car)
{ }

// A file being put in place is let finish: it is complete, and its thread must end first.
ReportExport::~ReportExport()
{
    if (m_commit)
        m_commit->wait();
}

// Each step runs on a turn of the event loop of its own, after the input and paint events
// that arrived meanwhile.
void ReportExport::next(void (ReportExport::*step)())
{
    QTimer::singleShot(0, this, step);
}

void ReportExport::start()
{
    next(&ReportExport::readFigures);
}

void ReportExport::readFigures()
{
    if (!m_figures.read()) {
        Q_EMIT failed(m_figures.errorString());
        return;
    }
    // The chart row exists only when there are months, as on the report tab.
    if (!m_figures.months().isEmpty()) {
        m_chartRow = std::make_unique<ReportChartRow>(m_figures.months(), m_car);
        m_writer.setMRPCell(&m_chartRow->lineChart());
    }
    next(&ReportExport::openFile);
}

void ReportExport::openFile()
{
    if (!m_writer.beginPDF(m_figures.months())) {
        Q_EMIT failed(m_writer.errorString());
        return;
    }
    next(&ReportExport::write);
}

// Small steps until a share of a frame is used, then the window's turn.
void ReportExport::write()
{
    QElapsedTimer clock;
    clock.start();
    bool more = true;
    while (more && clock.elapsed() < kStepMilliseconds)
        more = m_writer.writeStep();
    next(more ? &ReportExport::write : &ReportExport::close);
}

// The end of the document takes a turn of its own. Writing the file out and syncing it to the
// disk only waits for the disk, which takes from a few to a hundred milliseconds: another thread
// waits, and the result comes back to this one.
void ReportExport::close()
{
    std::shared_ptr<QSaveFile> file = m_writer.closePDF();
    if (!file) {
        Q_EMIT failed(m_writer.errorString());
        return;
    }
    m_commit.reset(
        QThread::create([this, file] { m_committed = ExportPDF::commitPDF(*file, &m_commitError); }));
    connect(m_commit.get(), &QThread::finished, this, &ReportExport::committed);
    m_commit->start();
}

void ReportExport::committed()
{
    if (m_committed)
        Q_EMIT finished(m_writer.pdfPath());
    else
        Q_EMIT failed(m_commitError);
}
