// The list report, layout 1, over a generated 100,000-record address table in LNAME order,
// recorded into pages as the preview records it, and the preview window opened on those pages.
// Targets: recording under 2 s; the window shown with its first page painted within 100 ms.
#include <benchmark/benchmark.h>

#include "bench/AddressTags.h"
#include "bench/BenchApplication.h"
#include "bench/BenchTables.h"
#include "data/AddressLayout.h"
#include "framework/PreviewWindow.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "reports/ListReport.h"
#include "support/ScriptedMessages.h"
#include "xbase/Table.h"

namespace {

constexpr std::uint32_t kRecords = 100000;

// A copy of the shared 100,000-record table with the address tags, made on first use.
const std::string& indexedTable() {
    static const std::string path = [] {
        const std::string copy = bench::benchFolder() + "/REPORT100K.DBF";
        xbase::Engine engine;
        engine.open(bench::sharedAddressTable(kRecords).path, xbase::OpenMode::ReadOnly)
            ->copyFile(copy);
        auto table = engine.open(copy, xbase::OpenMode::Exclusive);
        bench::createAddressTags(*table);
        table->close();
        return copy;
    }();
    return path;
}

rp::ListReportRequest layoutOne() {
    rp::ListReportRequest request;
    request.layout = 1;
    request.title = QStringLiteral("Members");
    request.records = rp::ReportRecords::All;
    return request;
}

// Records layout 1 over the whole table into pages; returns the records printed.
std::uint64_t recordReport(xbase::Table& table, rp::RecordedPages& recorded) {
    rp::ScriptedMessages shown;
    rp::MessagesScope scope(shown);
    const rp::ListReportRequest request = layoutOne();
    rp::chooseReportRecords(table, request, 1);
    rp::ReportCanvas canvas(recorded);
    std::uint64_t records = 0;
    rp::listReportJob(table, request)(canvas, [&] {
        ++records;
        return true;
    });
    canvas.finish();
    return records;
}

void BM_ListReportLayoutOne(benchmark::State& state) {
    bench::ensureApplication();
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    auto table = engine.open(indexedTable(), xbase::OpenMode::Shared);
    int pages = 0;
    std::uint64_t records = 0;
    for (auto _ : state) {
        rp::RecordedPages recorded;
        records = recordReport(*table, recorded);
        pages = recorded.pageCount();
    }
    if (records < kRecords / 2) state.SkipWithError("too few records printed");
    state.counters["pages"] = pages;
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_ListReportLayoutOne)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListReportPreviewOpens(benchmark::State& state) {
    bench::ensureApplication();
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    auto table = engine.open(indexedTable(), xbase::OpenMode::Shared);
    rp::RecordedPages recorded;
    recordReport(*table, recorded);
    for (auto _ : state) {
        rp::PreviewWindow form(recorded, rp::reportPreviewCaption());
        form.show();
        benchmark::DoNotOptimize(form.grab());
    }
    state.counters["pages"] = recorded.pageCount();
}
BENCHMARK(BM_ListReportPreviewOpens)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
