#include "screens/report/ReportExport.h"

#include "charts/ReportChartRow.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

// How long the export draws before the window gets its turn: half a frame at 60 per second.
constexpr qint64 kStepMilliseconds = 8;

} // namespace

ReportExport::ReportExport(const CarInfo& car, QObject* parent)
    : QObject(parent)
    , m_car(&car)
    , m_figures(car)
    , m_writer(&car)
{ }

ReportExport::~ReportExport() = default;

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
    if (more) {
        next(&ReportExport::write);
        return;
    }
    const QString path = m_writer.endPDF();
    if (path.isEmpty())
        Q_EMIT failed(m_writer.errorString());
    else
        Q_EMIT finished(path);
}
