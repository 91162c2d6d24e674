// The list report, layout 1, over a generated 100,000-record address table in LNAME order,
// recorded into pages as the preview records it. Target: under 2 s.
#include <benchmark/benchmark.h>

#include "bench/AddressTags.h"
#include "bench/BenchApplication.h"
#include "bench/BenchTables.h"
#include "data/AddressLayout.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "framework/ScriptedMessages.h"
#include "reports/ListReport.h"
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

void BM_ListReportLayoutOne(benchmark::State& state) {
    bench::ensureApplication();
    rp::ScriptedMessages shown;
    rp::MessagesScope scope(shown);
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    auto table = engine.open(indexedTable(), xbase::OpenMode::Shared);
    rp::ListReportRequest request;
    request.layout = 1;
    request.title = QStringLiteral("Members");
    request.records = rp::ReportRecords::All;
    int pages = 0;
    std::uint64_t records = 0;
    for (auto _ : state) {
        rp::chooseReportRecords(*table, request, 1);
        rp::RecordedPages recorded;
        rp::ReportCanvas canvas(recorded);
        records = 0;
        rp::listReportJob(*table, request)(canvas, [&] {
            ++records;
            return true;
        });
        canvas.finish();
        pages = recorded.pageCount();
    }
    if (records < kRecords / 2) state.SkipWithError("too few records printed");
    state.counters["pages"] = pages;
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_ListReportLayoutOne)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
