// Counting the ZIP codes of the generated 1,000,000-record address table, open as the program
// opens address files (exclusively, deleted records hidden, the standing condition as filter).
// Argument 0: the count alone; 1: in the "Count Zip Codes" window, with its status line and
// its event passes. Target: under 0.5 s.
#include <benchmark/benchmark.h>

#include "bench/BenchApplication.h"
#include "bench/ProgramTable.h"
#include "postal/ZipCount.h"
#include "postal/ZipCountDialog.h"
#include "support/ScriptedMessages.h"

namespace {

void BM_CountZipCodesMillionRecords(benchmark::State& state) {
    bench::ensureApplication();
    rp::ScriptedMessages shown;
    rp::MessagesScope scope(shown);
    xbase::Engine engine;
    rp::AddressTable table(engine);
    bench::openAsTheProgramDoes(table);
    qsizetype lines = 0;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            const auto counted =
                rp::countZipCodes(table.table(), {[](const QString&) {}, [] { return true; }});
            lines = counted ? counted->size() : 0;
        } else {
            rp::ZipCountDialog window(table.table());
            window.runPresort();
            lines = window.countLines().size();
        }
    }
    if (lines < 3) state.SkipWithError("nothing counted");
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CountZipCodesMillionRecords)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
