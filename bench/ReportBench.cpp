// The list report, layout 1, over a generated address table in LNAME order (10,000 and 100,000
// records), recorded into pages as the preview records it, and the preview window opened on
// the pages of 100,000 records.
// Targets: recording 100,000 records under 2 s (target_s, in proportion for 10,000); the window
// shown with its first page painted within 100 ms.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

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

// A copy of the shared table of that many records with the address tags, made on first use.
const std::string& indexedTable(std::uint32_t records = kRecords) {
    static std::map<std::uint32_t, std::string> copies;
    auto it = copies.find(records);
    if (it == copies.end()) {
        const std::string copy =
            bench::benchFolder() + "/REPORT" + std::to_string(records) + ".DBF";
        xbase::Engine engine;
        engine.open(bench::sharedAddressTable(records).path, xbase::OpenMode::ReadOnly)
            ->copyFile(copy);
        auto table = engine.open(copy, xbase::OpenMode::Exclusive);
        bench::createAddressTags(*table);
        table->close();
        it = copies.emplace(records, copy).first;
    }
    return it->second;
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
    const auto size = static_cast<std::uint32_t>(state.range(0));
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    auto table = engine.open(indexedTable(size), xbase::OpenMode::Shared);
    int pages = 0;
    std::uint64_t records = 0;
    for (auto _ : state) {
        rp::RecordedPages recorded;
        records = recordReport(*table, recorded);
        pages = recorded.pageCount();
    }
    if (records < size / 2) state.SkipWithError("too few records printed");
    state.counters["pages"] = pages;
    state.counters["records"] = static_cast<double>(records);
    state.counters["per_record"] =
        benchmark::Counter(static_cast<double>(size) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["target_s"] = 2.0 * size / kRecords;
}
BENCHMARK(BM_ListReportLayoutOne)
    ->Arg(10000)
    ->Arg(kRecords)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
