// Whole import-csv runs of ravenpost-batch: n generated addresses as a comma-delimited file
// (written once per size) appended to a new, empty address file with its 21 tags, which the
// import builds once at the end. One process per iteration; the time is its wall time from spawn
// to exit, the counters its processor time, its peak resident memory and the target. peak_MB
// counts the table's pages that the tag build reads in place from its mapping (file pages,
// let go after the build); peak_anon_MB is the memory the run allocated, the tag build's key
// blocks the most of it.
// Targets on two cores: 1,000,000 lines under 4 s, the smaller sizes at the same cost per line
// (target_s scales with the lines), so that the cost per line can be seen to stay flat; the
// memory allocated under 150 MB.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>

#include "bench/AddressData.h"
#include "bench/BatchRun.h"
#include "bench/BenchTables.h"

namespace {

namespace fs = std::filesystem;

constexpr double kMillionLinesTargetSeconds = 4.0;
constexpr double kAllocatedTargetMb = 150;
// The generated fields in their order (see AddressGenerator) and the field each goes to: the
// carrier route is written but not imported (the import offers no such field), the date,
// logical and number fields are left out. A memo of two lines becomes two Memo columns.
constexpr std::string_view kColumns =
    "LNAME,FNAME,MIDDLE,TITLE,ORG,STREET,CITY,STATE,ZIP,COUNTRY,PHONE,EMAIL,FAX,NOTES,PREFIX,,"
    "MEMO,MEMO";
constexpr int kCharacterFields = 16;  // LNAME to CARRIER, the generator's first 16 values
constexpr int kMemoValue = 19;

// A value as a comma-delimited file holds it: in double quotes when it holds a comma.
void writeValue(std::ofstream& out, std::string_view value) {
    if (value.find(',') == std::string_view::npos) {
        out << value;
        return;
    }
    out << '"' << value << '"';
}

// The comma-delimited file of n generated addresses in the bench folder, written on first use.
const std::string& addressCsv(std::uint32_t n) {
    static std::map<std::uint32_t, std::string> files;
    auto it = files.find(n);
    if (it != files.end()) return it->second;
    const fs::path folder = fs::path(bench::benchFolder()) / ("import" + std::to_string(n));
    fs::create_directories(folder);
    const std::string path = (folder / "ADDRESSES.CSV").string();
    std::ofstream out(path, std::ios::binary);
    bench::AddressGenerator generator;
    for (std::uint32_t seqNo = 1; seqNo <= n; ++seqNo) {
        const auto& values = generator.next(seqNo);
        for (int f = 0; f < kCharacterFields; ++f) {
            writeValue(out, values[static_cast<std::size_t>(f)]);
            out << ',';
        }
        const std::string_view memo = values[kMemoValue];
        const std::size_t lineEnd = memo.find("\r\n");
        writeValue(out, memo.substr(0, lineEnd));
        out << ',';
        if (lineEnd != std::string_view::npos) writeValue(out, memo.substr(lineEnd + 2));
        out << "\r\n";
    }
    return files.emplace(n, path).first->second;
}

// A new, empty address file beside the comma-delimited file, with a data folder of its own.
struct ImportTarget {
    std::string table;
    std::string home;
};

ImportTarget freshAddressFile(const fs::path& folder, const std::string& errorFile) {
    const fs::path run = folder / "run";
    fs::remove_all(run);
    fs::create_directories(run / "home");
    ImportTarget target{(run / "ADDRESS.DBF").string(), (run / "home").string()};
    bench::runProcess(RAVENPOST_BATCH_PATH, {"create", target.table}, errorFile);
    return target;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void BM_BatchImportCsv(benchmark::State& state) {
    const auto lines = static_cast<std::uint32_t>(state.range(0));
    const std::string& csv = addressCsv(lines);
    const fs::path folder = fs::path(csv).parent_path();
    const std::string errorFile = (folder / "stderr.txt").string();
    double peakMb = 0;
    double peakAnonymousMb = 0;
    double cpuSeconds = 0;
    double wallSeconds = 0;
    int runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const ImportTarget target = freshAddressFile(folder, errorFile);
        state.ResumeTiming();
        const bench::ProcessRun result =
            bench::runProcess(RAVENPOST_BATCH_PATH,
                              {"import-csv", target.table, csv, "--columns", std::string(kColumns),
                               "--home", target.home, "--quiet"},
                              errorFile);
        state.SetIterationTime(result.wallSeconds);
        if (result.exitCode != 0) {
            state.SkipWithError(("ravenpost-batch failed: " + fileText(errorFile)).c_str());
            break;
        }
        ++runs;
        peakMb = std::max(peakMb, result.peakKb / 1024.0);
        peakAnonymousMb = std::max(peakAnonymousMb, result.peakAnonymousKb / 1024.0);
        cpuSeconds += result.cpuSeconds;
        wallSeconds += result.wallSeconds;
    }
    fs::remove_all(folder / "run");
    state.counters["lines"] = lines;
    state.counters["target_s"] = kMillionLinesTargetSeconds * lines / 1e6;
    state.counters["cpu_s"] = runs > 0 ? cpuSeconds / runs : 0;
    state.counters["peak_MB"] = peakMb;
    state.counters["peak_anon_MB"] = peakAnonymousMb;
    state.counters["target_alloc_MB"] = kAllocatedTargetMb;
    state.counters["us_per_line"] = runs > 0 ? wallSeconds / runs / lines * 1e6 : 0;
}
BENCHMARK(BM_BatchImportCsv)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK(BM_BatchImportCsv)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace
