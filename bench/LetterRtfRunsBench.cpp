// Reading an RTF letter whose one paragraph holds 30,000 formatting runs (1 MB), as word
// processors write text with many changes of font, size and style. Reading is linear in the
// size of the file. Target: under 0.5 s.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QTextDocument>

#include "bench/BenchApplication.h"
#include "letters/RtfReader.h"

namespace {

constexpr int kRuns = 30'000;
constexpr qsizetype kRunBytes = 35;  // 30,000 runs of 35 bytes: about 1 MB

// One paragraph of kRuns groups, each in another font, size or style than the one before it.
QByteArray manyRunParagraph() {
    QByteArray rtf(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Times New Roman;}"
        "{\\f1 Arial;}}{\\colortbl;\\red192\\green0\\blue0;}\\pard\\plain ");
    rtf.reserve(kRuns * kRunBytes + 64);
    for (int i = 0; i < kRuns; ++i) {
        QByteArray run = "{\\f" + QByteArray::number(i % 2) + "\\fs" +
                         QByteArray::number(20 + 2 * (i % 3)) + (i % 4 == 0 ? "\\b" : "\\i") +
                         (i % 5 == 0 ? "\\cf1" : "") + " word " + QByteArray::number(i);
        run += QByteArray(kRunBytes - 1 - run.size(), 'x') + '}';
        rtf += run;
    }
    rtf += "\\par}";
    return rtf;
}

void BM_ReadManyRunParagraph(benchmark::State& state) {
    bench::ensureApplication();
    const QByteArray rtf = manyRunParagraph();
    for (auto _ : state) {
        QTextDocument read;
        if (rp::readRtf(rtf, read)) return state.SkipWithError("the paragraph did not read");
        benchmark::DoNotOptimize(read.characterCount());
    }
    state.counters["bytes"] = static_cast<double>(rtf.size());
}
BENCHMARK(BM_ReadManyRunParagraph)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
