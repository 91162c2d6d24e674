// One label per household on the generated 1,000,000-record address table, open as the program
// opens address files: the presort counting households (reading every record's street, ZIP,
// last name and organization into the hash of households and building PRESORT.PSL), and the
// households pass of a label run over the whole view. Both stay near linear in the records.
// Target: each under 2 s.
#include <benchmark/benchmark.h>

#include "bench/BenchApplication.h"
#include "bench/ProgramTable.h"
#include "data/Households.h"
#include "labels/LabelPrintJob.h"
#include "postal/Presort.h"
#include "support/ScriptedMessages.h"
#include "xbase/Table.h"

namespace {

void BM_PresortHouseholdsMillionRecords(benchmark::State& state) {
    bench::ensureApplication();
    rp::ScriptedMessages shown;
    rp::MessagesScope scope(shown);
    xbase::Engine engine;
    rp::AddressTable table(engine);
    bench::openAsTheProgramDoes(table);
    const QString folder = QString::fromStdString(bench::benchFolder());
    bool done = false;
    for (auto _ : state)
        done = rp::runPresort(table.table(), folder, {}, rp::PresortCount::Households) ==
               rp::PresortResult::Done;
    if (!done || !shown.texts().isEmpty())
        state.SkipWithError(("presort not done " + shown.texts().join(' ').toStdString()).c_str());
    state.counters["records"] = table->recordCount();
}
BENCHMARK(BM_PresortHouseholdsMillionRecords)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LabelHouseholdsMillionRecords(benchmark::State& state) {
    bench::ensureApplication();
    xbase::Engine engine;
    rp::AddressTable table(engine);
    bench::openAsTheProgramDoes(table);
    rp::LabelPrintRequest request;
    request.households = true;
    std::uint64_t saved = 0;
    for (auto _ : state) {
        table->goTop();
        rp::Households households;
        rp::readLabelHouseholds(table.table(), request, households);
        saved = households.piecesSaved();
    }
    state.counters["records"] = table->recordCount();
    state.counters["piecesSaved"] = static_cast<double>(saved);
}
BENCHMARK(BM_LabelHouseholdsMillionRecords)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
