// The bulk-mail presort on a generated address table, open as the program opens address files
// (exclusively, deleted records hidden, the standing condition as filter): reading every ZIP,
// building the list and writing PRESORT.PSL. First argument 0: the work alone; 1: under the
// "Bulk Mail Presorting" window, with its status line and its event passes; 2: counting
// households (street, ZIP, last name and organization of every record hashed). Second: the
// records (the work alone at 10,000, 100,000 and 1,000,000, so that the cost per record can be
// seen to stay flat).
// Target: under 1 s a million, counting households under 2 s (target_s, in proportion).
#include <benchmark/benchmark.h>

#include <QFile>

#include "bench/BenchApplication.h"
#include "bench/ProgramTable.h"
#include "postal/Presort.h"
#include "postal/PresortDialog.h"
#include "support/ScriptedMessages.h"

namespace {

void BM_Presort(benchmark::State& state) {
    bench::ensureApplication();
    rp::ScriptedMessages shown;
    rp::MessagesScope scope(shown);
    xbase::Engine engine;
    rp::AddressTable table(engine);
    const auto records = static_cast<std::uint32_t>(state.range(1));
    bench::openAsTheProgramDoes(table, records);
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
    state.counters["per_record"] =
        benchmark::Counter(static_cast<double>(records) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["target_s"] = (state.range(0) == 2 ? 2.0 : 1.0) * records / 1e6;
}
BENCHMARK(BM_Presort)
    ->Args({0, 10000})
    ->Args({0, 100000})
    ->Args({0, 1000000})
    ->Args({1, 1000000})
    ->Args({2, 1000000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
