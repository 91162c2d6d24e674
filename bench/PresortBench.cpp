// The bulk-mail presort on the generated 1,000,000-record address table, open as the program
// opens address files (exclusively, deleted records hidden, the standing condition as filter):
// reading every ZIP, building the list and writing PRESORT.PSL. Argument 0: the work alone;
// 1: under the "Bulk Mail Presorting" window, with its status line and its event passes;
// 2: counting households (street, ZIP, last name and organization of every record hashed).
// Target: under 1 s; counting households under 2 s.
#include <benchmark/benchmark.h>

#include <QFile>

#include "bench/BenchApplication.h"
#include "bench/ProgramTable.h"
#include "postal/Presort.h"
#include "postal/PresortDialog.h"
#include "support/ScriptedMessages.h"

namespace {

void BM_PresortMillionRecords(benchmark::State& state) {
    bench::ensureApplication();
    rp::ScriptedMessages shown;
    rp::MessagesScope scope(shown);
    xbase::Engine engine;
    rp::AddressTable table(engine);
    bench::openAsTheProgramDoes(table);
    const QString folder = QString::fromStdString(bench::benchFolder());
    bool done = false;
    for (auto _ : state) {
        if (state.range(0) == 1)
            done = rp::PresortDialog::run(table.table(), folder, nullptr);
        else
            done = rp::runPresort(table.table(), folder, {},
                                  state.range(0) == 2
                                      ? rp::PresortCount::Households
                                      : rp::PresortCount::Records) == rp::PresortResult::Done;
    }
    if (!done || !shown.texts().isEmpty())
        state.SkipWithError(("presort not done " + shown.texts().join(' ').toStdString()).c_str());
    state.counters["records"] = table->recordCount();
    state.counters["fileBytes"] = static_cast<double>(QFile(rp::presortFilePath(folder)).size());
}
BENCHMARK(BM_PresortMillionRecords)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
