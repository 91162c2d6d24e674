// Label pages recorded for the preview over the generated 100,000- and 1,000,000-record address
// tables, 30 labels to a sheet with the barcode: the time until the first page is complete
// (when a preview can show it), the whole recording, the recorded bytes in memory and in the
// pages' temporary file, and the peak memory: resident (with the pages of the mapped table) and
// allocated (sampled every 1,000 records). Targets: first page within 1 s, memory under 200 MB at
// a million.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "bench/BenchApplication.h"
#include "bench/BenchTables.h"
#include "bench/ProcessMemory.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "labels/LabelPrintJob.h"
#include "labels/LabelSetup.h"
#include "xbase/Table.h"

namespace {

void BM_RecordLabelPages(benchmark::State& state) {
    bench::ensureApplication();
    const auto records = static_cast<std::uint32_t>(state.range(0));
    xbase::Engine engine;
    auto table = engine.open(bench::sharedAddressTable(records).path, xbase::OpenMode::ReadOnly);
    rp::LabelPrintRequest request;
    request.setup = rp::defaultLabelSetup();
    request.setup.barcode = true;
    double firstPage = 0;
    double megabytes = 0;
    double spilled = 0;
    std::int64_t allocatedPeakKb = 0;
    int pages = 0;
    bench::resetPeakMemory();
    const std::int64_t before = bench::residentMemory().currentKb;
    for (auto _ : state) {
        table->goTop();
        rp::RecordedPages recorded;
        rp::ReportCanvas canvas(recorded);
        const auto start = std::chrono::steady_clock::now();
        firstPage = 0;
        std::uint64_t calls = 0;
        rp::labelReportJob(*table, request, QString())(canvas, [&] {
            if (firstPage == 0 && recorded.pageCount() >= 2)
                firstPage =
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (++calls % 1000 == 0)
                allocatedPeakKb = std::max(allocatedPeakKb, bench::residentMemory().anonymousKb);
            return true;
        });
        canvas.finish();
        pages = recorded.pageCount();
        megabytes = double(recorded.byteSize()) / 1e6;
        spilled = double(recorded.spilledSize()) / 1e6;
    }
    state.counters["pages"] = pages;
    state.counters["first_page_s"] = firstPage;
    state.counters["recorded_MB"] = megabytes;
    state.counters["spilled_MB"] = spilled;
    state.counters["peak_MB"] = double(bench::residentMemory().peakKb - before) / 1024.0;
    state.counters["allocated_peak_MB"] = double(allocatedPeakKb) / 1024.0;
}
BENCHMARK(BM_RecordLabelPages)
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
