// The duplicate check over the generated 1,000,000-record address table with its tags, open
// as the program opens address files (exclusively, deleted records hidden, the standing
// condition as filter). Argument: 0 last and first name, 1 last name and initial, 2 the
// street's first 10 characters. Target for the name check: under 3 s.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/BenchTables.h"
#include "data/AddressLayout.h"
#include "data/AddressTable.h"
#include "support/ScriptedMessages.h"
#include "utilities/DuplicateCheck.h"

namespace {

void BM_DuplicateCheckMillionRecords(benchmark::State& state) {
    rp::ScriptedMessages shown;
    rp::MessagesScope scope(shown);
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    rp::AddressTable table(engine);
    const std::filesystem::path path(bench::sharedIndexedAddressTable().path);
    table.open(QString::fromStdString(path.parent_path().string()),
               QString::fromStdString(path.filename().string()));
    table->setFilter(rp::kStandingCondition.toStdString());
    const auto kind = static_cast<rp::DuplicateKind>(state.range(0));
    const std::string work = bench::benchFolder() + "/_chkdup.idx";
    std::uint32_t found = 0;
    for (auto _ : state) {
        found = rp::checkDuplicates(table.table(), kind, 10, work);
    }
    if (found == 0) state.SkipWithError("no duplicates found");
    state.counters["pairs"] = static_cast<double>(found);
}
BENCHMARK(BM_DuplicateCheckMillionRecords)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
