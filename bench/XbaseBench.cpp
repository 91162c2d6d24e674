// Speed and memory of the table engine on generated address tables.
// Targets: appends through the API at 500,000 records a second or more (no indexes); the
// filtered count over 1,000,000 records in under 0.3 s; scan memory independent of table size.
#include <benchmark/benchmark.h>

#include "bench/AddressData.h"
#include "bench/BenchTables.h"
#include "bench/ProcessMemory.h"
#include "data/AddressLayout.h"
#include "xbase/Table.h"

namespace {

constexpr std::uint32_t kMillion = 1000000;
constexpr const char* kSmFilter = R"(UPPER(LNAME)="SM" .and. UPPER(PREFIX)<>"DELETED")";

// The generator alone, to tell its share of the append figures.
void BM_GenerateAddresses(benchmark::State& state) {
    bench::AddressGenerator generator;
    std::uint32_t seq = 0;
    for (auto _ : state) benchmark::DoNotOptimize(generator.next(++seq));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateAddresses);

// Appends into a fresh table per iteration; the record count is the argument.
void BM_AppendFresh(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const std::string path = bench::benchFolder() + "/APPEND.DBF";
    xbase::Engine engine;
    for (auto _ : state) {
        state.PauseTiming();
        engine.create(path, rp::addressFields());
        auto table = engine.open(path, xbase::OpenMode::Exclusive);
        state.ResumeTiming();
        bench::appendAddresses(*table, 1, n);
        table->close();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_AppendFresh)->Arg(200000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Creating and filling the shared 1,000,000-record table, which the benchmarks below read.
void BM_BuildMillion(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(bench::sharedAddressTable(kMillion).buildSeconds);
    state.SetItemsProcessed(state.iterations() * kMillion);
}
BENCHMARK(BM_BuildMillion)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// The filtered count over the whole table (argument: its records), with the growth of the
// peak resident memory from before the table was opened to the end of the scans as a counter.
void BM_FilterCount(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const bench::SharedTable& shared = bench::sharedAddressTable(n);
    bool peakReset = bench::resetPeakMemory();
    const bench::ResidentMemory before = bench::residentMemory();
    xbase::Engine engine;
    auto table = engine.open(shared.path, xbase::OpenMode::ReadOnly);
    std::uint32_t matches = 0;
    for (auto _ : state) {
        table->setFilter(kSmFilter);
        matches = table->visibleCount();
        table->setFilter("");
    }
    const bench::ResidentMemory after = bench::residentMemory();
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["matches"] = matches;
    state.counters["rss_kB"] = static_cast<double>(after.currentKb);
    state.counters["peak_rss_growth_kB"] = static_cast<double>(
        peakReset ? after.peakKb - before.currentKb : after.currentKb - before.currentKb);
}
BENCHMARK(BM_FilterCount)->Arg(100000)->Arg(kMillion)->Unit(benchmark::kMillisecond)->UseRealTime();

// One field of every record read in natural order.
void BM_ReadZipPass(benchmark::State& state) {
    const bench::SharedTable& shared = bench::sharedAddressTable(kMillion);
    xbase::Engine engine;
    auto table = engine.open(shared.path, xbase::OpenMode::ReadOnly);
    const int zip = table->fieldNumber("ZIP");
    std::uint32_t seen = 0;
    for (auto _ : state) {
        seen = 0;
        for (table->goTop(); !table->eof(); table->skip()) {
            benchmark::DoNotOptimize(table->text(zip));
            ++seen;
        }
    }
    state.SetItemsProcessed(state.iterations() * seen);
}
BENCHMARK(BM_ReadZipPass)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
