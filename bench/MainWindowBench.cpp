// The main window on the generated 1,000,000-record address table with its 21 tags (offscreen).
// Targets: opening the file and showing its first record under 0.5 s; Add plus Save of one
// record, with every tag kept up to date, under 10 ms.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <filesystem>

#include "app/MainWindow.h"
#include "app/RecordPage.h"
#include "bench/BenchApplication.h"
#include "bench/BenchTables.h"
#include "support/ScriptedMessages.h"

namespace {

namespace fs = std::filesystem;

// A copy of the indexed million-record table (with its index and memo files) for benchmarks
// that change it, made on the first call.
QString writableAddressTable() {
    static const QString path = [] {
        const fs::path source(bench::sharedIndexedAddressTable().path);
        const fs::path folder = fs::path(bench::benchFolder()) / "window";
        fs::create_directories(folder);
        for (const char* ext : {".DBF", ".CDX", ".FPT"}) {
            fs::path from = source;
            from.replace_extension(ext);
            if (!fs::exists(from)) from.replace_extension(QString(ext).toLower().toStdString());
            if (fs::exists(from)) fs::copy_file(from, folder / ("ADDRESS" + std::string(ext)));
        }
        return QString::fromStdString((folder / "ADDRESS.DBF").string());
    }();
    return path;
}

QString dataFolder() {
    return QString::fromStdString(bench::benchFolder()) + "/";
}

void BM_OpenAddressFileAndShowFirstRecord(benchmark::State& state) {
    bench::ensureApplication();
    rp::ScriptedMessages quiet;
    rp::MessagesScope scope(quiet);
    const QString path = writableAddressTable();
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    rp::MainWindow window(engine, dataFolder());
    for (auto _ : state) {
        if (!window.openAddressFile(path)) state.SkipWithError("the address file did not open");
        benchmark::DoNotOptimize(window.recordPage()->field("LNAME")->text());
    }
}
BENCHMARK(BM_OpenAddressFileAndShowFirstRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AddAndSaveRecord(benchmark::State& state) {
    bench::ensureApplication();
    rp::ScriptedMessages quiet;
    rp::MessagesScope scope(quiet);
    xbase::Engine engine;
    engine.settings.hideDeleted = true;
    rp::MainWindow window(engine, dataFolder());
    if (!window.openAddressFile(writableAddressTable()))
        return state.SkipWithError("the address file did not open");
    int n = 0;
    for (auto _ : state) {
        window.recordEditor().add();
        window.recordPage()->field("LNAME")->setText(QString("Benchmark %1").arg(++n));
        window.recordPage()->field("CITY")->setText("Springfield");
        window.recordEditor().save(window.recordPage()->typedRecord());
        if (window.editing()) state.SkipWithError("the record was not saved");
    }
}
BENCHMARK(BM_AddAndSaveRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
