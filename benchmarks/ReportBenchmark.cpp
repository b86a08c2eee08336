// Times each user-visible refresh of a large log, beside a baseline that computes the same
// figures over one open connection, and prints Pumpora/baseline for each.
//   build/benchmarks/pumpora_benchmark [--benchmark_filter=...]
#include "Baseline.h"
#include "BenchmarkLog.h"
#include "charts/ReportChartRow.h"
#include "platform/DeviceLocale.h"
#include "platform/FontCatalog.h"
#include "screens/report/ExportPDF.h"
#include "store/CarManage.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

const int kSizes[] = { 2000, 100000 };

struct Workload
{
    std::unique_ptr<BenchmarkLog> log;
    std::unique_ptr<Baseline> baseline;
};

// One log at a time: each holds the session of its data directory, and sessions nest.
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
        current = fillUps;
    }
    return loaded;
}

CarInfo* currentCar()
{
    return CarManage::sharedCarManage()->mCurrentCarInfo();
}

void overview(benchmark::State& state)
{
    workload(int(state.range(0)));
    for (auto _ : state) {
        CarInfo* car = currentCar();
        benchmark::DoNotOptimize(car->getCarAllReport(true));
        benchmark::DoNotOptimize(car->getLastOil());
        benchmark::DoNotOptimize(car->getTopFiveOil());
    }
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
    for (auto _ : state) {
        CarInfo* car = currentCar();
        QList<OilReportItem> months = car->getMonthReportData().value();
        car->correctNewestMonthVolumn(months);
        benchmark::DoNotOptimize(months);
        benchmark::DoNotOptimize(car->getCarAllReport(false));
    }
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

// The report screen's export of the current car: the month lines and the chart row are what the
// screen already shows; the export writes every month with its fill-ups and draws the charts.
void exportPDF(benchmark::State& state)
{
    workload(int(state.range(0)));
    CarInfo* car = currentCar();
    QList<OilReportItem> months = car->getMonthReportData().value();
    car->correctNewestMonthVolumn(months);
    ReportChartRow chartRow(months);
    ExportPDF writer;
    writer.setMRPCell(&chartRow.lineChart());
    for (auto _ : state) {
        if (writer.generatePDF(months).isEmpty()) {
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
