// Set Now on the generated 1,000,000-record address table with its 21 tags, opened as the
// program opens address files (exclusively, deleted records hidden, LNAME order): the filter
// built from the lines, set with the standing condition and counted, then (argument 1) the
// first record in LNAME order, as the main window goes there, or (argument 2) the last record
// and the one before it. Targets: a last-name prefix, whose count the LNAME tag answers and
// whose key range in LNAME order navigation keeps within, under 50 ms; a Codes "$" line, which
// reads every record, under 0.5 s.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/FilterBuilder.h"
#include "bench/BenchTables.h"
#include "data/AddressLayout.h"
#include "data/AddressTable.h"
#include "support/ScriptedMessages.h"

namespace {

void setNow(benchmark::State& state, int line, const QString& text) {
    rp::ScriptedMessages shown;
    rp::MessagesScope scope(shown);
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    rp::AddressTable table(engine);
    const std::filesystem::path path(bench::sharedIndexedAddressTable().path);
    table.open(QString::fromStdString(path.parent_path().string()),
               QString::fromStdString(path.filename().string()));
    table->setOrder("LNAME");
    table->setFilter(rp::kStandingCondition.toStdString());
    rp::FilterLines lines;
    lines[static_cast<std::size_t>(line)] = text;
    int matches = 0;
    for (auto _ : state) {
        QString userExpression;
        matches = rp::applyAddressFilter(table.table(), lines, QStringLiteral("mm/dd/yyyy"),
                                         userExpression);
        if (state.range(0) == 1) table->goTop();
        if (state.range(0) == 2) {
            table->goBottom();
            table->skip(-1);
        }
        benchmark::DoNotOptimize(table->recNo());
    }
    if (!shown.texts().isEmpty())
        state.SkipWithError(shown.texts().join(' ').toStdString().c_str());
    state.counters["matches"] = matches;
}

void BM_FilterSetNowLastNamePrefix(benchmark::State& state) {
    setNow(state, 0, QStringLiteral("smi"));
}
BENCHMARK(BM_FilterSetNowLastNamePrefix)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_FilterSetNowCodesContaining(benchmark::State& state) {
    setNow(state, 13, QStringLiteral("$deliver"));
}
BENCHMARK(BM_FilterSetNowCodesContaining)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
