// The letter print run to a PDF: a one-page letter with merge codes merged and laid out for every
// record of a generated address table, at the PDF writer's resolution. BM_LetterPrintToPdf runs
// it in this process (the counters: the run's peak resident memory and how far it rose above
// the memory before the run); BM_BatchLetters runs ravenpost-batch letters as a child process
// with a fresh data folder holding the letter (its peak resident memory and processor time, the
// latter per record too) at 1,000, 10,000 and 100,000 records.
// Targets: ravenpost-batch letters of 10,000 records under 3 s (target_s, in proportion at the
// other sizes), with the memory flat in the number of records.
#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "bench/BatchRun.h"
#include "bench/BenchApplication.h"
#include "bench/BenchTables.h"
#include "bench/ProcessMemory.h"
#include "framework/PrinterSurface.h"
#include "letters/LetterDocument.h"
#include "letters/LetterPrintRun.h"
#include "letters/LettersFile.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace {

namespace fs = std::filesystem;

// A letter of the kind a mailing sends: the date, the address block, a salutation and four
// paragraphs of running text with merge codes, one Letter page with 1-inch margins.
std::unique_ptr<QTextDocument> onePageLetter() {
    auto letter = rp::newLetterDocument();
    QTextCursor cursor(letter.get());
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("[Today's Date]"), plain);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("[Name and Address]"), plain);
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Dear [Prefix] [Last],"), plain);
    for (int i = 0; i < 4; ++i) {
        cursor.insertBlock();
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("Thank you for another year with us, [First]. "), plain);
        cursor.insertText(QStringLiteral("Your membership "), bold);
        cursor.insertText(
            QStringLiteral("in [City] runs until the end of the year, and we will write again "
                           "before it ends with the news of the season, the meetings planned "
                           "for [State] and the offers our members in [Zip] may take up. Please "
                           "tell us of any change of address so that our letters reach you."),
            plain);
    }
    cursor.insertBlock();
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Sincerely,"), plain);
    return letter;
}

const std::string& addressFile(std::uint32_t n) {
    return bench::generatedAddressFile("letters", n);
}

void BM_LetterPrintToPdf(benchmark::State& state) {
    bench::ensureApplication();
    const auto records = static_cast<std::uint32_t>(state.range(0));
    const std::string& path = addressFile(records);
    const QString pdf =
        QString::fromStdString((fs::path(path).parent_path() / "letters.pdf").string());
    const auto letter = onePageLetter();
    letter->setPageSize(QSizeF(6.5 * 96, 9 * 96));  // the text rectangle at 96 dpi
    if (letter->pageCount() != 1) return state.SkipWithError("the letter is not one page");
    xbase::Engine engine;
    const auto table = engine.open(path);
    rp::LetterRunOptions options;
    options.today = QStringLiteral("12/08/2026");

    double peakMb = 0;
    double growthMb = 0;
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        table->goTop();
        bench::resetPeakMemory();
        const bench::ResidentMemory before = bench::residentMemory();
        rp::PrinterSurface surface(printer);
        rp::LetterPrintRun run(*letter, *table, options);
        if (!run.run(surface)) return state.SkipWithError("the run was cancelled");
        const bench::ResidentMemory after = bench::residentMemory();
        peakMb = static_cast<double>(after.peakKb) / 1024.0;
        growthMb = static_cast<double>(after.peakKb - before.currentKb) / 1024.0;
        pages = run.pagesCounted();
    }
    if (pages != static_cast<int>(records))
        return state.SkipWithError("the run printed a page count other than the records");
    std::error_code error;
    state.counters["pdf_MB"] =
        static_cast<double>(fs::file_size(pdf.toStdString(), error)) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = peakMb;
    state.counters["rss_rise_MB"] = growthMb;
    state.counters["records"] = records;
    state.counters["per_letter"] =
        benchmark::Counter(static_cast<double>(records) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LetterPrintToPdf)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A data folder for one run: the letters file with the one-page letter as "Bench letter".
std::string letterHome(const fs::path& folder, int run) {
    const fs::path home = folder / ("home" + std::to_string(run));
    fs::remove_all(home);
    fs::create_directories(home);
    const QString path = QString::fromStdString((home / rp::kLettersFileName).string());
    xbase::Engine engine;
    rp::createLettersFile(engine, path);
    const auto letters = engine.open(path.toStdString(), xbase::OpenMode::Exclusive);
    rp::storeLetter(*letters, rp::LetterStore::Append, QStringLiteral("Bench letter"),
                    *onePageLetter());
    return home.string();
}

void BM_BatchLetters(benchmark::State& state) {
    bench::ensureApplication();
    const auto records = static_cast<std::uint32_t>(state.range(0));
    const std::string& file = addressFile(records);
    const fs::path folder = fs::path(file).parent_path();
    const std::string pdf = (folder / "batch-letters.pdf").string();
    double peakMb = 0;
    double cpuSeconds = 0;
    int run = 0;
    for (auto _ : state) {
        const std::string home = letterHome(folder, ++run);
        fs::remove(pdf);
        const bench::ProcessRun result =
            bench::runProcess(RAVENPOST_BATCH_PATH,
                              {"letters", file, "--letter", "Bench letter", "--output", pdf,
                               "--home", home, "--quiet"},
                              (folder / "stderr.txt").string());
        fs::remove_all(home);
        state.SetIterationTime(result.wallSeconds);
        if (result.exitCode != 0) return state.SkipWithError("ravenpost-batch letters failed");
        peakMb = std::max(peakMb, static_cast<double>(result.peakKb) / 1024.0);
        cpuSeconds += result.cpuSeconds;
    }
    const double cpuPerRun = run > 0 ? cpuSeconds / run : 0;
    state.counters["peak_rss_MB"] = peakMb;
    state.counters["cpu_s"] = cpuPerRun;
    state.counters["cpu_us_per_record"] = cpuPerRun * 1e6 / records;
    state.counters["records"] = records;
    // Under 3 s for 10,000 letters, in proportion at the other sizes.
    state.counters["target_s"] = 3.0 * records / 10000.0;
}
BENCHMARK(BM_BatchLetters)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace
