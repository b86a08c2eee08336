// Times each user-visible refresh of a large log, beside a baseline that computes the same
// figures over one open connection, and start-up beside a bare window; prints Pumpora/baseline
// for each.
//   build/benchmarks/pumpora_benchmark [--benchmark_filter=...]
#include "Baseline.h"
#include "BenchmarkLog.h"
#include "charts/ChartView.h"
#include "charts/ReportChartRow.h"
#include "platform/DesktopUrlHandler.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "platform/MainBundle.h"
#include "platform/RuntimeDirectory.h"
#include "reports/OverviewFigures.h"
#include "reports/ReportFigures.h"
#include "reports/StringFormat.h"
#include "screens/history/HistoryOilViewController.h"
#include "screens/history/HistoryTableView.h"
#include "screens/report/ExportPDF.h"
#include "screens/report/ReportExport.h"
#include "screens/shell/PumporaAppDelegate.h"
#include "store/CarManage.h"
#include "store/Session.h"
#include "store/Unit.h"
#include "widgets/AppWindow.h"
#include "widgets/Application.h"
#include "widgets/NavigationController.h"
#include "widgets/Palette.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QProcess>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <time.h>
#include <vector>

namespace {

const int kSizes[] = { 2000, 100000 };
// Each start is a fresh process, a tenth of a second or so.
constexpr int kStartUps = 20;

struct Workload
{
    std::unique_ptr<BenchmarkLog> log;
    std::unique_ptr<Baseline> baseline;
};

CarInfo* currentCar()
{
    return CarManage::sharedCarManage()->mCurrentCarInfo();
}

// A ratio against a baseline that computes other figures would mean nothing.
[[noreturn]] void baselineDiffers(const char* figure)
{
    std::fprintf(stderr, "benchmark: the baseline's %s differ from the app's\n", figure);
    std::exit(EXIT_FAILURE);
}

bool same(double app, double baseline)
{
    return std::abs(app - baseline) <= 1e-9 * std::max(1.0, std::abs(app));
}

void checkTotals(const CarAllReport& app, double money, double volumn, double miles, double consumption)
{
    const QString consumptionText = StringFormat::CIStringFromFloatValue(float(consumption))
        + Unit::orNone(currentCar()->unit).UnitName;
    if (!same(app.mRPtotalMoney, money) || !same(app.mRPtotalVolumn, volumn)
        || !same(app.mRPtotalMiles, miles) || app.mAvgVolumnString != consumptionText)
        baselineDiffers("totals");
}

void checkBaseline(Baseline& baseline)
{
    OverviewFigures overview(*currentCar());
    ReportFigures report(*currentCar());
    if (!overview.read() || !report.read()) {
        std::fprintf(stderr, "benchmark: %s\n", qPrintable(overview.errorString() + report.errorString()));
        std::exit(EXIT_FAILURE);
    }
    const Baseline::Overview fastOverview = baseline.overview();
    const Baseline::Totals& full = fastOverview.totals;
    checkTotals(overview.totals(), full.money, full.volumn, full.miles, full.consumption);
    if (fastOverview.topFive.size() != overview.lastFillUps().size())
        baselineDiffers("last five fill-ups");
    for (qsizetype i = 0; i < fastOverview.topFive.size(); ++i) {
        if (fastOverview.topFive.at(i).oilID != overview.lastFillUps().at(i).oilID)
            baselineDiffers("last five fill-ups");
    }

    const Baseline::Report fastReport = baseline.report();
    const Baseline::Totals& driven = fastReport.totals;
    checkTotals(report.totals(), driven.drivenMoney, driven.drivenVolumn, driven.miles, driven.consumption);
    if (fastReport.months.size() != report.months().size())
        baselineDiffers("month lines");
    for (qsizetype i = 0; i < fastReport.months.size(); ++i) {
        const OilReportItem& fast = fastReport.months.at(i);
        const OilReportItem& app = report.months().at(i);
        if (fast.monthInteger != app.monthInteger || !same(app.totalMoney, fast.totalMoney)
            || !same(app.totalVolumn, fast.totalVolumn) || !same(app.totalMiles, fast.totalMiles))
            baselineDiffers("month lines");
    }
}

// One log at a time: each holds the session of its data directory, and sessions nest. Each new
// log is checked once, before any timing, for the same figures from the app and the baseline.
Workload& workload(int fillUps)
{
    static int current = 0;
    static Workload loaded;
    if (current != fillUps) {
        loaded.baseline.reset();
        loaded.log.reset();
        loaded.log = std::make_unique<BenchmarkLog>(fillUps);
        loaded.baseline = std::make_unique<Baseline>(
            loaded.log->databasePath(), loaded.log->carID(), loaded.log->startSeconds());
        checkBaseline(*loaded.baseline);
        current = fillUps;
    }
    return loaded;
}

void overview(benchmark::State& state)
{
    workload(int(state.range(0)));
    OverviewFigures figures(*currentCar());
    for (auto _ : state)
        benchmark::DoNotOptimize(figures.read());
}

void overviewBaseline(benchmark::State& state)
{
    Baseline& baseline = *workload(int(state.range(0))).baseline;
    for (auto _ : state)
        benchmark::DoNotOptimize(baseline.overview());
}

void reportTab(benchmark::State& state)
{
    workload(int(state.range(0)));
    ReportFigures figures(*currentCar());
    for (auto _ : state)
        benchmark::DoNotOptimize(figures.read());
}

void reportTabBaseline(benchmark::State& state)
{
    Baseline& baseline = *workload(int(state.range(0))).baseline;
    for (auto _ : state)
        benchmark::DoNotOptimize(baseline.report());
}

void history(benchmark::State& state)
{
    workload(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(currentCar()->getAllOil());
}

void historyBaseline(benchmark::State& state)
{
    Baseline& baseline = *workload(int(state.range(0))).baseline;
    for (auto _ : state)
        benchmark::DoNotOptimize(baseline.history());
}

// The history tab in a phone-sized window, read and shown by a fresh instance each time.
class HistoryWindow
{
public:
    HistoryWindow()
        : m_screen(new HistoryOilViewController(std::make_shared<DesktopUrlHandler>()))
    {
        m_window.setRootViewController(new NavigationController(m_screen));
        m_window.makeKeyAndVisible();
        QCoreApplication::processEvents();
    }

    HistoryOilViewController* screen() const { return m_screen; }

private:
    AppWindow m_window;
    HistoryOilViewController* m_screen;
};

// From the tab's appearance to its first paint: the log read, cut into months, laid out and
// drawn.
void historyTab(benchmark::State& state)
{
    workload(int(state.range(0)));
    HistoryWindow shown;
    for (auto _ : state) {
        shown.screen()->loadAddOilHistoryData();
        benchmark::DoNotOptimize(shown.screen()->window()->grab());
    }
}

// The CPU time this thread has used, in milliseconds.
double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The list scrolled page by page from the first row to the last, each page drawn before the
// next; the slowest page is the counter that matters (one frame is 16 ms). It is counted in
// elapsed time and in the processor time of this thread, which a busy machine inflates less;
// the 99th percentile of the latter leaves out the odd page the machine stalled.
void historyScroll(benchmark::State& state)
{
    workload(int(state.range(0)));
    HistoryWindow shown;
    shown.screen()->loadAddOilHistoryData();
    QTreeView* table = shown.screen()->historyTable();
    QScrollBar* bar = table->verticalScrollBar();
    double slowest = 0;
    std::vector<double> cpuTimes;
    for (auto _ : state) {
        bar->setValue(0);
        QElapsedTimer step;
        while (true) {
            step.start();
            const double cpu = threadCpuMs();
            table->viewport()->repaint();
            cpuTimes.push_back(threadCpuMs() - cpu);
            slowest = std::max(slowest, double(step.nsecsElapsed()) / 1e6);
            if (bar->value() == bar->maximum())
                break;
            bar->setValue(bar->value() + bar->pageStep());
        }
    }
    std::sort(cpuTimes.begin(), cpuTimes.end());
    state.counters["pages"] = double(cpuTimes.size());
    state.counters["slowestPageMs"] = slowest;
    state.counters["slowestPageCpuMs"] = cpuTimes.back();
    state.counters["p99PageCpuMs"] = cpuTimes.at(cpuTimes.size() * 99 / 100);
}

// The report screen's export of the current car: the figures and the chart row are what the
// screen already shows; the export writes every month with its fill-ups and draws the charts.
void exportPDF(benchmark::State& state)
{
    workload(int(state.range(0)));
    ReportFigures figures(*currentCar());
    if (!figures.read()) {
        state.SkipWithError(qPrintable(figures.errorString()));
        return;
    }
    ReportChartRow chartRow(figures.months(), &figures.car());
    ExportPDF writer(&figures.car());
    writer.setMRPCell(&chartRow.lineChart());
    for (auto _ : state) {
        if (writer.generatePDF(figures.months()).isEmpty()) {
            state.SkipWithError(qPrintable(writer.errorString()));
            break;
        }
    }
}

// The report tab's export as it runs in the app, in short steps from the event loop. The
// longest time between two turns of the loop is the longest the window stands still; on a
// busy machine the wall time includes the time other programs had the processor, the CPU time
// is the export's own.
void exportFrames(benchmark::State& state)
{
    workload(int(state.range(0)));
    double longestFrame = 0;
    double longestFrameCpu = 0;
    for (auto _ : state) {
        ReportExport report(*currentCar());
        QEventLoop loop;
        QElapsedTimer sinceTurn;
        double cpuAtTurn = threadCpuMs();
        QTimer turns;
        turns.setInterval(0);
        QObject::connect(&turns, &QTimer::timeout, [&] {
            const double cpu = threadCpuMs();
            longestFrame = std::max(longestFrame, double(sinceTurn.nsecsElapsed()) / 1e6);
            longestFrameCpu = std::max(longestFrameCpu, cpu - cpuAtTurn);
            sinceTurn.restart();
            cpuAtTurn = cpu;
        });
        QObject::connect(&report, &ReportExport::finished, &loop, &QEventLoop::quit);
        QObject::connect(&report, &ReportExport::failed, &loop, [&](const QString& reason) {
            state.SkipWithError(qPrintable(reason));
            loop.quit();
        });
        sinceTurn.start();
        turns.start();
        report.start();
        loop.exec();
    }
    state.counters["longest_frame_ms"] = longestFrame;
    state.counters["longest_frame_cpu_ms"] = longestFrameCpu;
}

// Runs the event loop until a widget the test picks receives its first paint event.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(std::function<bool(QObject*)> isWatched)
        : m_isWatched(std::move(isWatched))
    {
        qApp->installEventFilter(this);
    }
    ~FirstPaint() override { qApp->removeEventFilter(this); }

    // False when nothing was painted within ten seconds.
    bool wait()
    {
        QElapsedTimer waited;
        waited.start();
        while (!m_painted && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return m_painted;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_isWatched(watched))
            m_painted = true;
        return false;
    }

private:
    std::function<bool(QObject*)> m_isWatched;
    bool m_painted = false;
};

// Start-up is what the user waits for each time the app opens: the first frames of a fresh
// process, which pay for Qt's first window (style, backing store, painter) and first text (font
// engines, shaping). So every start is timed in a fresh process of this program, which runs one
// probe and prints its milliseconds.
const char kProbeOption[] = "--start-up-probe";
const char kAppProbe[] = "app";
const char kHandDrawnProbe[] = "hand-drawn";

// Shows the window and answers the milliseconds until its first paint; negative when nothing
// was painted.
double firstPaintMilliseconds(QWidget& window)
{
    QElapsedTimer timer;
    FirstPaint painted([&window](QObject* watched) { return watched == &window; });
    timer.start();
    window.show();
    return painted.wait() ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

// A bare window of the app's size, shown and gone: the first frame of the process, which every
// probe sets its own first frame against.
double bareWindowMilliseconds()
{
    QWidget bare;
    bare.resize(AppWindow::kDefaultSize);
    return firstPaintMilliseconds(bare);
}

// The bare window of the app's size, the first frame of the process; then, in the same process,
// from the application delegate's launch to the first paint of a car page's chart on the
// overview of the log in directory. Prints both.
int probeApp(const QString& directory)
{
    const double bareMilliseconds = bareWindowMilliseconds();
    Session session(directory);
    Application application(std::make_unique<PumporaAppDelegate>());
    FirstPaint chart([](QObject* watched) { return qobject_cast<ChartView*>(watched) != nullptr; });
    QElapsedTimer timer;
    timer.start();
    const bool shown = application.launch() && chart.wait();
    const double appMilliseconds = double(timer.nsecsElapsed()) / 1e6;
    if (bareMilliseconds < 0 || !shown)
        return EXIT_FAILURE;
    std::printf("%f %f\n", bareMilliseconds, appMilliseconds);
    return EXIT_SUCCESS;
}

// The overview as the user sees it, painted by hand in one paint event with fixed texts: the bars
// and the tab icons, the chart's grid, axis labels and tags, the figures and the button, in the
// fonts the overview uses. It reads no log and builds no widgets, so its first frame is the least
// any overview of this content can cost beside the bare window; the start-up target is set
// against the bare window, which paints no text at all.
class HandDrawnOverview : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        paintBar(painter, QRect(0, 0, width(), 44));
        painter.drawImage(QRect(8, 6, 32, 32), MainBundle::imageNamed(QStringLiteral("vehicle.png")));
        painter.setPen(Palette::colour(Palette::Colour::BarText));
        painter.setFont(Palette::font(Palette::Font::BarTitle));
        painter.drawText(QRect(0, 0, width(), 44), Qt::AlignCenter, QStringLiteral("Golf"));
        paintChart(painter, QRectF(10, 93, width() - 20, 360));
        paintFigures(painter, QRectF(10, 465, width() - 20, 185));
        paintTabBar(painter, QRect(0, height() - 50, width(), 50));
    }

private:
    static void paintBar(QPainter& painter, const QRect& bar)
    {
        QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
        gradient.setColorAt(0, Palette::colour(Palette::Colour::BarTop));
        gradient.setColorAt(1, Palette::colour(Palette::Colour::BarBottom));
        painter.fillRect(bar, gradient);
    }

    static void paintChart(QPainter& painter, const QRectF& panel)
    {
        painter.setPen(Qt::white);
        painter.setBrush(QColor(110, 130, 160));
        painter.drawRoundedRect(panel, 8, 8);
        painter.setFont(FontCatalog::systemFontOfSize(9));
        painter.drawText(panel.adjusted(0, 4, 0, 0), Qt::AlignHCenter, QStringLiteral("Recent Fill-ups"));
        const char* const days[] = { "Sep 26", "Oct 5", "Oct 14", "Oct 23", "Nov 1" };
        const double volumes[] = { 43, 38, 45, 40, 47 };
        const qreal step = (panel.width() - 30) / 5;
        const qreal bottom = panel.bottom() - 15;
        QPolygonF line;
        for (int i = 0; i < 5; ++i) {
            const qreal x = panel.left() + 5 + i * step;
            painter.drawLine(QPointF(panel.left() + 5, panel.top() + 25 + i * 64),
                QPointF(panel.right() - 25, panel.top() + 25 + i * 64));
            painter.drawLine(QPointF(x, panel.top() + 25), QPointF(x, bottom));
            painter.drawText(
                QPointF(panel.right() - 22, panel.top() + 35 + i * 64), QString::number(50 - i * 10));
            painter.drawText(QPointF(x, panel.bottom() - 4), QLatin1String(days[i]));
            line << QPointF(x, bottom - volumes[i] * 6.4);
        }
        painter.setPen(QPen(QColor(255, 170, 0), 2));
        painter.drawPolyline(line);
        painter.setFont(FontCatalog::boldSystemFontOfSize(8));
        painter.setPen(Qt::white);
        for (int i = 0; i < 5; ++i)
            painter.drawText(line.at(i) + QPointF(0, -8), QString::number(volumes[i], 'f', 2));
    }

    static void paintFigures(QPainter& painter, const QRectF& area)
    {
        painter.setPen(Palette::colour(Palette::Colour::Separator));
        painter.setBrush(Palette::colour(Palette::Colour::Surface));
        painter.drawRoundedRect(QRectF(area.topLeft(), QSizeF(area.width(), 90)), 8, 8);
        painter.drawRoundedRect(QRectF(area.left(), area.top() + 98, area.width(), 32), 8, 8);
        painter.drawRoundedRect(QRectF(area.left(), area.top() + 144, area.width(), 40), 8, 8);
        const qreal right = area.left() + area.width() / 2;
        painter.setPen(Palette::colour(Palette::Colour::Text));
        painter.setFont(Palette::font(Palette::Font::Body));
        painter.drawText(QPointF(area.left() + 12, area.top() + 17), QStringLiteral("Total fuel cost"));
        painter.drawText(QPointF(right, area.top() + 17), QStringLiteral("Total fuel"));
        painter.drawText(QPointF(area.left() + 12, area.top() + 62), QStringLiteral("Total distance"));
        painter.drawText(QPointF(right, area.top() + 62), QStringLiteral("Average consumption"));
        painter.drawText(QPointF(area.left() + 12, area.top() + 120),
            QStringLiteral("Last fill-up: Nov 1 47.00 L, total $79.43"));
        painter.drawText(QRectF(area.left(), area.top() + 144, area.width(), 40), Qt::AlignCenter,
            QStringLiteral("Add Fill-up"));
        painter.setFont(Palette::font(Palette::Font::LongField));
        painter.drawText(QPointF(area.left() + 12, area.top() + 40), QStringLiteral("$2898.96"));
        painter.drawText(QPointF(right, area.top() + 40), QStringLiteral("1736.00 L"));
        painter.drawText(QPointF(area.left() + 12, area.top() + 85), QStringLiteral("21840 km"));
        painter.drawText(QPointF(right, area.top() + 85), QStringLiteral("7.73L/100km"));
    }

    static void paintTabBar(QPainter& painter, const QRect& bar)
    {
        paintBar(painter, bar);
        const char* const icons[]
            = { "tab_overview.png", "tab_report.png", "tab_history.png", "tab_settings.png" };
        const char* const captions[] = { "Overview", "Report", "History", "Settings" };
        const int tab = bar.width() / 4;
        painter.setPen(Palette::colour(Palette::Colour::BarText));
        painter.setFont(Palette::font(Palette::Font::TabCaption));
        for (int i = 0; i < 4; ++i) {
            painter.drawImage(QRect(bar.left() + i * tab + (tab - 26) / 2, bar.top() + 4, 26, 26),
                MainBundle::imageNamed(QLatin1String(icons[i])));
            painter.drawText(QRect(bar.left() + i * tab, bar.top() + 32, tab, 16), Qt::AlignCenter,
                QLatin1String(captions[i]));
        }
    }
};

// The bare window, the first frame of the process; then, in the same process, the hand-drawn
// overview. Prints both.
int probeHandDrawn()
{
    const double bareMilliseconds = bareWindowMilliseconds();
    HandDrawnOverview overview;
    overview.resize(AppWindow::kDefaultSize);
    const double milliseconds = firstPaintMilliseconds(overview);
    if (bareMilliseconds < 0 || milliseconds < 0)
        return EXIT_FAILURE;
    std::printf("%f %f\n", bareMilliseconds, milliseconds);
    return EXIT_SUCCESS;
}

// Runs a probe in a fresh process: the milliseconds it printed, none when it failed.
std::optional<QList<double>> runProbe(const QStringList& arguments)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(QCoreApplication::applicationFilePath(), QStringList { kProbeOption } + arguments);
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit
        || probe.exitCode() != EXIT_SUCCESS)
        return std::nullopt;
    QList<double> milliseconds;
    for (const QByteArray& field : probe.readAllStandardOutput().simplified().split(' '))
        milliseconds.append(field.toDouble());
    return milliseconds;
}

// One start per fresh process; the time taken is the probe's own, not the process's start.
void timeProbe(benchmark::State& state, const QStringList& arguments, qsizetype field)
{
    for (auto _ : state) {
        const std::optional<QList<double>> milliseconds = runProbe(arguments);
        if (!milliseconds || milliseconds->size() <= field) {
            state.SkipWithError("the start-up probe failed");
            break;
        }
        state.SetIterationTime(milliseconds->at(field) / 1000.0);
    }
}

void startsInFreshProcesses(benchmark::internal::Benchmark* benchmark)
{
    benchmark->UseManualTime()->Iterations(kStartUps)->Unit(benchmark::kMillisecond);
}

void startUp(benchmark::State& state)
{
    const QString directory = workload(int(state.range(0))).log->dataDirectory();
    timeProbe(state, { kAppProbe, directory }, 1);
}

void startUpBaseline(benchmark::State& state)
{
    const QString directory = workload(int(state.range(0))).log->dataDirectory();
    timeProbe(state, { kAppProbe, directory }, 0);
}

void startUpHandDrawn(benchmark::State& state)
{
    timeProbe(state, { kHandDrawnProbe }, 1);
}

// Collects each run's time per iteration to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            m_seconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    void printRatios() const
    {
        std::printf("\n%-28s %12s\n", "refresh", "Pumpora/baseline");
        for (const auto& [name, time] : m_seconds) {
            const std::string::size_type slash = name.find('/');
            const std::string refresh = name.substr(0, slash);
            if (refresh.size() > 8 && refresh.compare(refresh.size() - 8, 8, "Baseline") == 0)
                continue;
            const auto baseline = m_seconds.find(refresh + "Baseline" + name.substr(slash));
            if (baseline != m_seconds.end())
                std::printf("%-28s %12.2f\n", name.c_str(), time / baseline->second);
        }
        // The history tab's first paint has the history query as its baseline.
        for (const int size : kSizes) {
            const std::string suffix = "/" + std::to_string(size);
            const auto tab = m_seconds.find("historyTab" + suffix);
            const auto query = m_seconds.find("historyBaseline" + suffix);
            if (tab != m_seconds.end() && query != m_seconds.end())
                std::printf("%-28s %12.2f\n", ("historyTab" + suffix).c_str(), tab->second / query->second);
        }
        // What the overview's content costs at the least, beside the bare window's first frame.
        const std::string perStart = "iterations:" + std::to_string(kStartUps) + "/manual_time";
        const auto handDrawn = m_seconds.find("startUpHandDrawn/" + perStart);
        const auto bare = m_seconds.find("startUpBaseline/2000/" + perStart);
        if (handDrawn != m_seconds.end() && bare != m_seconds.end())
            std::printf("%-28s %12.2f\n", "startUpHandDrawn", handDrawn->second / bare->second);
        // The export has no baseline of its own; it is set against the refresh of the screen it
        // starts from.
        const auto exported = m_seconds.find("exportPDF/2000");
        const auto refreshed = m_seconds.find("reportTab/2000");
        if (exported != m_seconds.end() && refreshed != m_seconds.end())
            std::printf(
                "\n%-28s %12.2f\n", "exportPDF/reportTab (2000)", exported->second / refreshed->second);
    }

private:
    std::map<std::string, double> m_seconds;
};

} // namespace

int main(int argc, char* argv[])
{
    // The export draws text and charts, and start-up shows the window: a GUI application, but
    // no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    RuntimeDirectory::ensureSet();
    int applicationArgc = 1;
    QApplication application(applicationArgc, argv);
    FontCatalog::install();
    // The app's palette and style sheet, set as the app sets them before it shows anything: every
    // screen, and the bare window beside start-up, is measured with them whatever ran before.
    Palette::applyTo(&application);
    DeviceLocale::setLocaleName(QStringLiteral("en_US"));
    if (argc > 2 && qstrcmp(argv[1], kProbeOption) == 0) {
        if (qstrcmp(argv[2], kAppProbe) == 0 && argc > 3)
            return probeApp(QString::fromLocal8Bit(argv[3]));
        return qstrcmp(argv[2], kHandDrawnProbe) == 0 ? probeHandDrawn() : EXIT_FAILURE;
    }
    for (const int size : kSizes) {
        benchmark::RegisterBenchmark("overview", overview)->Arg(size)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("overviewBaseline", overviewBaseline)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("reportTab", reportTab)->Arg(size)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("reportTabBaseline", reportTabBaseline)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("history", history)->Arg(size)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("historyBaseline", historyBaseline)
            ->Arg(size)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("historyTab", historyTab)->Arg(size)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("historyScroll", historyScroll)
            ->Arg(size)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        if (size == 2000) {
            benchmark::RegisterBenchmark("exportPDF", exportPDF)->Arg(size)->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("exportFrames", exportFrames)
                ->Arg(size)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("startUp", startUp)->Arg(size)->Apply(startsInFreshProcesses);
            benchmark::RegisterBenchmark("startUpBaseline", startUpBaseline)
                ->Arg(size)
                ->Apply(startsInFreshProcesses);
            benchmark::RegisterBenchmark("startUpHandDrawn", startUpHandDrawn)->Apply(startsInFreshProcesses);
        }
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
