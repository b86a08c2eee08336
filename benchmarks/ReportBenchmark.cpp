// Times each user-visible refresh of a large log, beside a baseline that computes the same
// figures over one open connection, and prints Pumpora/baseline for each.
//   build/benchmarks/pumpora_benchmark [--benchmark_filter=...]
#include "Baseline.h"
#include "BenchmarkLog.h"
#include "charts/ReportChartRow.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "platform/RuntimeDirectory.h"
#include "reports/OverviewFigures.h"
#include "reports/ReportFigures.h"
#include "reports/StringFormat.h"
#include "screens/history/HistoryOilViewController.h"
#include "screens/history/HistoryTableView.h"
#include "screens/report/ExportPDF.h"
#include "store/CarManage.h"
#include "store/Unit.h"
#include "widgets/AppWindow.h"
#include "widgets/NavigationController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <time.h>
#include <vector>

namespace {

const int kSizes[] = { 2000, 100000 };

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
        : m_screen(new HistoryOilViewController)
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
    // The export draws text and charts, which needs a GUI application but no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    RuntimeDirectory::ensureSet();
    int applicationArgc = 1;
    QApplication application(applicationArgc, argv);
    FontCatalog::install();
    DeviceLocale::setLocaleName(QStringLiteral("en_US"));
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
        if (size == 2000)
            benchmark::RegisterBenchmark("exportPDF", exportPDF)->Arg(size)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
