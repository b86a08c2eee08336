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
#include <QLabel>
#include <QPaintEvent>
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
const char kOneLabelProbe[] = "one-label";

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

// The bare window of the app's size, the first frame of the process; then, in the same process,
// from the application delegate's launch to the first paint of a car page's chart on the
// overview of the log in directory. Prints both.
int probeApp(const QString& directory)
{
    auto bare = std::make_unique<QWidget>();
    bare->resize(AppWindow::kDefaultSize);
    const double bareMilliseconds = firstPaintMilliseconds(*bare);
    bare.reset();

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

// The least a window that shows any text costs: one label with one line, the first frame of the
// process. The start-up target is set against the bare window, which paints no text at all.
int probeOneLabel()
{
    QLabel label(QStringLiteral("12.5 L"));
    label.resize(AppWindow::kDefaultSize);
    const double milliseconds = firstPaintMilliseconds(label);
    if (milliseconds < 0)
        return EXIT_FAILURE;
    std::printf("%f\n", milliseconds);
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

void startUpOneLabel(benchmark::State& state)
{
    timeProbe(state, { kOneLabelProbe }, 0);
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
        // What a single line of text adds to the bare window's first frame.
        const std::string perStart = "iterations:" + std::to_string(kStartUps) + "/manual_time";
        const auto label = m_seconds.find("startUpOneLabel/" + perStart);
        const auto bare = m_seconds.find("startUpBaseline/2000/" + perStart);
        if (label != m_seconds.end() && bare != m_seconds.end())
            std::printf("%-28s %12.2f\n", "startUpOneLabel", label->second / bare->second);
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
        return qstrcmp(argv[2], kOneLabelProbe) == 0 ? probeOneLabel() : EXIT_FAILURE;
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
            benchmark::RegisterBenchmark("startUpOneLabel", startUpOneLabel)->Apply(startsInFreshProcesses);
        }
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
