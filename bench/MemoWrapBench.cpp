// The list report's memo wrapping on a 600,000-character memo without a blank (one word broken
// between characters over several thousand lines), and on the same length of ordinary words.
// Target: each under 1 s.
#include <benchmark/benchmark.h>

#include <QString>

#include "bench/BenchApplication.h"
#include "reports/MemoWrap.h"

namespace {

constexpr qsizetype kLength = 600000;
// The wrapping width on Letter paper: 8.5 inches less 2.25.
constexpr double kWidthInches = 6.25;

QString blankFree() {
    QString text;
    text.reserve(kLength);
    for (qsizetype i = 0; i < kLength; ++i) text += QChar(u'a' + static_cast<char16_t>(i % 26));
    return text;
}

QString words() {
    const QString word = QStringLiteral("memorandum ");
    QString text;
    text.reserve(kLength);
    while (text.size() < kLength) text += word;
    return text;
}

void wrapBenchmark(benchmark::State& state, const QString& memo) {
    bench::ensureApplication();
    const rp::MemoWrap wrap(kWidthInches);
    qsizetype lines = 0;
    for (auto _ : state) lines = wrap.wrap(memo).size();
    state.counters["lines"] = static_cast<double>(lines);
}

void BM_MemoWrapWithoutBlanks(benchmark::State& state) {
    wrapBenchmark(state, blankFree());
}
BENCHMARK(BM_MemoWrapWithoutBlanks)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MemoWrapWords(benchmark::State& state) {
    wrapBenchmark(state, words());
}
BENCHMARK(BM_MemoWrapWords)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
