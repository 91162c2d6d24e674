// The Browse grid's model on the generated 1,000,000-record address table with its 21 tags, in
// LNAME order, as the grid uses it: counting the rows, then one screen of 30 rows by 16
// columns. Target: opening and jumping to the last row well under 1 s.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/BrowseModel.h"
#include "bench/BenchTables.h"
#include "data/AddressLayout.h"
#include "data/AddressTable.h"

namespace {

constexpr int kScreenRows = 30;

QString dayText(xbase::JulianDay day) {
    return QString::number(day);
}

void readScreen(const rp::BrowseModel& model, int first) {
    for (int row = first; row < first + kScreenRows; ++row)
        for (int c = 0; c < model.columnCount(); ++c)
            benchmark::DoNotOptimize(model.data(model.index(row, c)));
}

// The indexed million-record table, open as the program opens address files, in LNAME order.
// With hidden set, deleted records are hidden and the standing condition is the filter, as
// the main window has them; counting rows then reads every record.
void openTable(rp::AddressTable& table, bool hidden) {
    const std::filesystem::path path(bench::sharedIndexedAddressTable().path);
    table.open(QString::fromStdString(path.parent_path().string()),
               QString::fromStdString(path.filename().string()));
    table->setOrder("LNAME");
    if (hidden) {
        table.engine().settings.hideDeleted = true;
        table->setFilter(rp::kStandingCondition.toStdString());
    }
}

// A new model, its row count, the first screen and the last screen. Argument: 1 with deleted
// records hidden and the standing condition, 0 with every record shown.
void BM_BrowseOpenAndJumpToLastRow(benchmark::State& state) {
    xbase::Engine engine;
    rp::AddressTable table(engine);
    openTable(table, state.range(0) != 0);
    int rows = 0;
    for (auto _ : state) {
        rp::BrowseModel model(table, dayText);
        rows = model.rowCount();
        readScreen(model, 0);
        readScreen(model, rows - kScreenRows);
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_BrowseOpenAndJumpToLastRow)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Opening the grid on the current record, as the main window does: a new model, the row of
// record 500,000 (somewhere in the middle of the LNAME order) and the screen from that row.
void BM_BrowseOpenOnTheCurrentRecord(benchmark::State& state) {
    xbase::Engine engine;
    rp::AddressTable table(engine);
    openTable(table, false);
    table->go(500000);
    int row = 0;
    for (auto _ : state) {
        rp::BrowseModel model(table, dayText);
        row = model.rowOf(table->recNo());
        readScreen(model, row);
    }
    state.counters["row"] = row;
}
BENCHMARK(BM_BrowseOpenOnTheCurrentRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

// A scroll-bar drag on an open grid: screens at 10%, 20% ... 90% of the rows, each too far
// from the others to reach by skipping; the first one reads the sample of keys.
void BM_BrowseDragThroughTheMiddle(benchmark::State& state) {
    xbase::Engine engine;
    rp::AddressTable table(engine);
    openTable(table, false);
    for (auto _ : state) {
        state.PauseTiming();
        rp::BrowseModel model(table, dayText);
        state.ResumeTiming();
        for (int tenth = 1; tenth <= 9; ++tenth) readScreen(model, model.rowCount() / 10 * tenth);
    }
}
BENCHMARK(BM_BrowseDragThroughTheMiddle)->Unit(benchmark::kMillisecond)->UseRealTime();

// Scrolling a page at a time through 100 pages from the middle, as PageDown does.
void BM_BrowsePageDown(benchmark::State& state) {
    xbase::Engine engine;
    rp::AddressTable table(engine);
    openTable(table, false);
    for (auto _ : state) {
        state.PauseTiming();
        rp::BrowseModel model(table, dayText);
        readScreen(model, model.rowCount() / 2);
        state.ResumeTiming();
        for (int page = 1; page <= 100; ++page)
            readScreen(model, model.rowCount() / 2 + page * kScreenRows);
    }
}
BENCHMARK(BM_BrowsePageDown)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
