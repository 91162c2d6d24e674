// The memo search on the generated 1,000,000-record address table with its 21 tags (about 2%
// of the records have a memo), in LNAME order with deleted records hidden and the standing
// condition as the filter, as the main window has it. The text is in no memo, so every record
// is read. Three steps after each record: none (the walk alone), the Searching window's
// (events handled every 10 ms), and events handled after every record, which is what the
// window's interval saves. Targets: the whole walk under 3 s; under the window, events handled
// at least every 50 ms (longest_gap_ms).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "app/MemoSearchProgress.h"
#include "app/MemoWalk.h"
#include "bench/BenchApplication.h"
#include "bench/BenchTables.h"
#include "data/AddressLayout.h"
#include "xbase/Table.h"

namespace {

const QString kAbsent = QStringLiteral("in no memo at all");

std::unique_ptr<xbase::Table> openTable(xbase::Engine& engine) {
    engine.settings.hideDeleted = true;
    auto table = engine.open(bench::sharedIndexedAddressTable().path, xbase::OpenMode::Shared);
    table->setOrder("LNAME");
    table->setFilter(rp::kStandingCondition.toStdString());
    table->goTop();
    return table;
}

// One walk with the step; the number of records walked.
long walkEveryRecord(benchmark::State& state, xbase::Table& table,
                     const std::function<bool()>& step) {
    const std::uint32_t home = table.recNo();
    long records = 0;
    const bool found = rp::walkMemos(table, kAbsent, rp::MemoWalkStart::First, [&] {
        ++records;
        return step();
    });
    if (found || table.recNo() != home) state.SkipWithError("the search did not come back empty");
    return records;
}

void BM_MemoSearchNothingFound(benchmark::State& state) {
    xbase::Engine engine;
    const auto table = openTable(engine);
    long records = 0;
    for (auto _ : state) records = walkEveryRecord(state, *table, [] { return true; });
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_MemoSearchNothingFound)->Unit(benchmark::kMillisecond)->UseRealTime();

// With the Searching window's step: reports how often events were handled and the longest
// time between two passes, which is how long the window can be left unanswered.
void BM_MemoSearchUnderTheSearchingWindow(benchmark::State& state) {
    bench::ensureApplication();
    xbase::Engine engine;
    const auto table = openTable(engine);
    rp::MemoSearchProgress window(kAbsent, nullptr);
    window.show();
    QCoreApplication::processEvents();
    long passes = 0;
    qint64 longestGap = 0;
    QElapsedTimer sincePass;
    QTimer everyPass;  // a zero timer fires once each time events are handled
    QObject::connect(&everyPass, &QTimer::timeout, [&] {
        ++passes;
        longestGap = std::max(longestGap, sincePass.restart());
    });
    everyPass.start(0);
    for (auto _ : state) {
        passes = 0;
        longestGap = 0;
        sincePass.start();
        benchmark::DoNotOptimize(
            walkEveryRecord(state, *table, [&window] { return window.afterRecord(); }));
    }
    state.counters["event_passes"] = static_cast<double>(passes);
    state.counters["longest_gap_ms"] = static_cast<double>(longestGap);
}
BENCHMARK(BM_MemoSearchUnderTheSearchingWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MemoSearchEventsEveryRecord(benchmark::State& state) {
    bench::ensureApplication();
    xbase::Engine engine;
    const auto table = openTable(engine);
    rp::MemoSearchProgress window(kAbsent, nullptr);
    window.show();
    for (auto _ : state) {
        benchmark::DoNotOptimize(walkEveryRecord(state, *table, [] {
            QCoreApplication::processEvents();
            return true;
        }));
    }
}
BENCHMARK(BM_MemoSearchEventsEveryRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
