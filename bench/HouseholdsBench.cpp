// One label per household on the generated 1,000,000-record address table, open as the program
// opens address files: the households pass of a label run over the whole view, near linear in
// the records (the presort counting households is in PresortBench). Target: under 2 s.
#include <benchmark/benchmark.h>

#include "bench/BenchApplication.h"
#include "bench/ProgramTable.h"
#include "data/Households.h"
#include "labels/LabelPrintJob.h"
#include "xbase/Table.h"

namespace {

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
