// Whole label runs of ravenpost-batch to a PDF, one process per iteration, on generated address
// files (written once per size) with a fresh data folder for every run, so that each run copies
// the delivered side files in as a first run does. The time is the process's wall time from
// spawn to exit; the counters are the child's peak resident memory, its processor time per run
// (steadier than the wall time when other work shares the machine), both per record, the PDF's
// size, and how far the peak lies above that of a 1-record run of the same setup.
// Targets on two cores, given beside each row as target_s (the time at 10,000 records, in
// proportion at the other sizes, so that the cost per record stays flat): 10,000 records on
// "Address labels, 30 per sheet" under 0.25 s with the peak within 3 MB of a 1-record run,
// 10,000 on "Shipping labels, 2 x 4 with barcode" under 0.40 s.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "bench/BatchRun.h"
#include "bench/BenchTables.h"
#include "xbase/Engine.h"

namespace {

namespace fs = std::filesystem;

const std::string kAddressSetup = "Address labels, 30 per sheet";
const std::string kBarcodeSetup = "Shipping labels, 2 x 4 with barcode";

const std::string& addressFile(std::uint32_t n) {
    return bench::generatedAddressFile("batch", n);
}

// Runs the program once and tells how it went; the data folder is new for every run.
bench::ProcessRun runLabels(const std::string& file, const std::string& setup, int run) {
    const fs::path folder = fs::path(file).parent_path();
    const fs::path home = folder / ("home" + std::to_string(run));
    fs::remove_all(home);
    fs::create_directories(home);
    const std::string pdf = (folder / "labels.pdf").string();
    fs::remove(pdf);
    const bench::ProcessRun result = bench::runProcess(
        RAVENPOST_BATCH_PATH,
        {"labels", file, "--setup", setup, "--output", pdf, "--home", home.string(), "--quiet"},
        (folder / "stderr.txt").string());
    fs::remove_all(home);
    return result;
}

// The peak resident memory of a 1-record run of the setup, in MB.
double oneRecordPeakMb(const std::string& setup) {
    const bench::ProcessRun one = runLabels(addressFile(1), setup, 0);
    return static_cast<double>(one.peakKb) / 1024.0;
}

void runLabelBenchmark(benchmark::State& state, const std::string& setup,
                       double targetSecondsAt10k) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto records = static_cast<std::uint32_t>(state.range(0));
    const std::string& file = addressFile(records);
    const fs::path pdf = fs::path(file).parent_path() / "labels.pdf";
    double peakMb = 0;
    double pdfMb = 0;
    double cpuSeconds = 0;
    int run = 0;
    for (auto _ : state) {
        const bench::ProcessRun result = runLabels(file, setup, ++run);
        state.SetIterationTime(result.wallSeconds);
        if (result.exitCode != 0) {
            std::ifstream err(fs::path(file).parent_path() / "stderr.txt");
            const std::string text((std::istreambuf_iterator<char>(err)),
                                   std::istreambuf_iterator<char>());
            state.SkipWithError(("ravenpost-batch failed: " + text).c_str());
            break;
        }
        peakMb = std::max(peakMb, result.peakKb / 1024.0);
        cpuSeconds += result.cpuSeconds;
        std::error_code error;
        pdfMb = static_cast<double>(fs::file_size(pdf, error)) / (1024.0 * 1024.0);
        if (error) {
            state.SkipWithError("no PDF written");
            break;
        }
    }
    const double cpuPerRun = run > 0 ? cpuSeconds / run : 0;
    state.counters["peak_MB"] = peakMb;
    state.counters["peak_over_one_record_MB"] = peakMb - oneRecordPeakMb(setup);
    state.counters["pdf_MB"] = pdfMb;
    state.counters["cpu_s"] = cpuPerRun;
    state.counters["cpu_us_per_record"] = cpuPerRun * 1e6 / records;
    state.counters["records"] = records;
    state.counters["target_s"] = targetSecondsAt10k * records / 10000.0;
}

// 10,000 and 100,000 records three times each, 1,000,000 once.
void labelSizes(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime();
}

void BM_BatchAddressLabels(benchmark::State& state) {
    runLabelBenchmark(state, kAddressSetup, 0.25);
}
BENCHMARK(BM_BatchAddressLabels)->Apply(labelSizes)->Iterations(3);
BENCHMARK(BM_BatchAddressLabels)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

void BM_BatchBarcodeLabels(benchmark::State& state) {
    runLabelBenchmark(state, kBarcodeSetup, 0.40);
}
BENCHMARK(BM_BatchBarcodeLabels)->Apply(labelSizes)->Iterations(3);
BENCHMARK(BM_BatchBarcodeLabels)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace
