// Print Labels > Preview through the program's own path over the generated 100,000- and
// 1,000,000-record address tables, 30 labels to a sheet with the barcode: LabelPrintJob::preview
// (what the dialog's Preview button calls) chooses all records, opens the recording preview
// window and records while it shows the pages. Measured as the user waits: the time until page 1
// is drawn in the window, the time until the recording has ended with the event loop running,
// then the window's last-page button, whose counter must read "Page m of m" for every page to be
// reachable. Memory: the resident peak above what the process had before the command (with the
// pages of the mapped table, whose size is given beside it) and the allocated (anonymous) peak,
// sampled while recording, split into the pages of mapped files (the table and its index) and
// allocated memory, at their peaks and when the recording has ended.
// The second argument 1 runs the command as the program does on its address file: the million
// with its address tags, opened shared, in LNAME order (the order the program opens it in).
// Targets: first page under 50 ms, resident under 200 MB throughout and allocated under 100 MB
// at a million.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <string>

#include "bench/BenchApplication.h"
#include "bench/BenchTables.h"
#include "bench/PreviewWatch.h"
#include "data/AddressLayout.h"
#include "framework/PrinterCatalog.h"
#include "labels/LabelPrintJob.h"
#include "labels/LabelSetup.h"
#include "support/ScriptedMessages.h"
#include "xbase/Table.h"

namespace {

// The sheets of 30 labels that all records print on: those the standing condition keeps (the
// generated tables mark one address in 200 "DELETED"). Counted on a table of its own, closed
// again, so that the pages it mapped are not resident before the command.
int sheetsInView(const std::string& path) {
    xbase::Engine engine;
    auto table = engine.open(path, xbase::OpenMode::ReadOnly);
    table->setFilter(rp::kStandingCondition.toStdString());
    std::uint32_t labels = 0;
    for (table->goTop(); !table->eof(); table->skip()) ++labels;
    return int((labels + 29) / 30);
}

void BM_PreviewLabelsCommand(benchmark::State& state) {
    bench::ensureApplication();
    const auto records = static_cast<std::uint32_t>(state.range(0));
    const bool asProgram = state.range(1) != 0;
    const std::string& path = asProgram ? bench::sharedIndexedAddressTable().path
                                        : bench::sharedAddressTable(records).path;
    const int pages = sheetsInView(path);
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    auto table = engine.open(path, asProgram ? xbase::OpenMode::Shared : xbase::OpenMode::ReadOnly);
    if (asProgram) table->setOrder("LNAME");
    // The program folder (RAVENP.INI, none here: POSTNET barcodes).
    const QString folder = QString::fromStdString(bench::benchFolder()) + "/labelcommand/";
    QDir().mkpath(folder);
    // A question the run would ask fails the benchmark rather than waiting for an answer.
    rp::ScriptedMessages messages;
    rp::MessagesScope scope(messages);
    rp::PrinterCatalog catalog({}, QString());
    rp::LabelPrintJob job(*table, folder, catalog, {}, nullptr);
    rp::LabelPrintRequest request;
    request.setup = rp::defaultLabelSetup();
    request.setup.barcode = true;
    bench::PreviewFigures figures;
    for (auto _ : state) {
        table->goTop();
        figures = bench::watchPreview([&] { job.preview(request); });
    }
    if (!figures.opened)
        state.SkipWithError("no preview window opened");
    else if (figures.outcome != rp::PrintOutcome::Completed)
        state.SkipWithError("the recording did not complete");
    else if (figures.lastPage != pages ||
             figures.lastCounter != QStringLiteral("Page %1 of %1").arg(pages))
        state.SkipWithError(("last page reads " + figures.lastCounter.toStdString()).c_str());
    state.counters["pages"] = figures.lastPage;
    state.counters["first_page_s"] = figures.firstPageSeconds;
    state.counters["record_s"] = figures.recordedSeconds;
    state.counters["last_page_s"] = figures.lastPageSeconds;
    state.counters["peak_MB"] = double(figures.residentPeakKb - figures.residentBeforeKb) / 1024.0;
    state.counters["resident_peak_MB"] = double(figures.residentPeakKb) / 1024.0;
    state.counters["allocated_peak_MB"] = double(figures.allocatedPeakKb) / 1024.0;
    state.counters["file_peak_MB"] = double(figures.filePeakKb) / 1024.0;
    state.counters["allocated_end_MB"] = double(figures.allocatedEndKb) / 1024.0;
    state.counters["file_end_MB"] = double(figures.fileEndKb) / 1024.0;
    state.counters["target_resident_MB"] = 200;
    state.counters["target_first_page_s"] = 0.05;
    // What the table's mapped pages can add to the resident peak at most.
    state.counters["table_MB"] = double(QFileInfo(QString::fromStdString(path)).size()) / 1048576.0;
}
BENCHMARK(BM_PreviewLabelsCommand)
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
