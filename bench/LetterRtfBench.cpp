// Reading and writing a 50-page letter as RTF (what opening and saving a letter costs). Target:
// under 50 ms each.
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "bench/BenchApplication.h"
#include "letters/LetterDocument.h"
#include "letters/RtfPageLayout.h"
#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace {

constexpr int kPages = 50;

// Paragraphs of running text with bold, italic, coloured and other-font words and merge codes,
// added until the document lays out on kPages Letter pages with 1-inch margins.
std::unique_ptr<QTextDocument> fiftyPageLetter() {
    auto letter = rp::newLetterDocument();
    letter->setPageSize(QSizeF(6.5 * 96, 9 * 96));
    QTextCursor cursor(letter.get());
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    italic.setForeground(QColor(0x80, 0, 0));
    QTextCharFormat other;
    other.setFontFamilies({QStringLiteral("Arial")});
    other.setFontPointSize(10);
    int paragraph = 0;
    while (letter->pageCount() < kPages) {
        for (int i = 0; i < 20; ++i, ++paragraph) {
            if (paragraph > 0) cursor.insertBlock();
            cursor.insertText(QStringLiteral("Dear [First], thank you for your order number %1 of "
                                             "last month. ")
                                  .arg(paragraph),
                              plain);
            cursor.insertText(QStringLiteral("Your membership "), bold);
            cursor.insertText(QStringLiteral("in [City] "), italic);
            cursor.insertText(QStringLiteral("runs until the end of the year — we will write "
                                             "again before it ends, with “news” and offers. "),
                              plain);
            cursor.insertText(QStringLiteral("Café prices stay the same."), other);
        }
    }
    return letter;
}

void BM_WriteFiftyPageLetter(benchmark::State& state) {
    bench::ensureApplication();
    const auto letter = fiftyPageLetter();
    for (auto _ : state) benchmark::DoNotOptimize(rp::writeRtf(*letter));
    state.counters["bytes"] = static_cast<double>(rp::writeRtf(*letter).size());
}
BENCHMARK(BM_WriteFiftyPageLetter)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadFiftyPageLetter(benchmark::State& state) {
    bench::ensureApplication();
    const QByteArray rtf = rp::writeRtf(*fiftyPageLetter());
    for (auto _ : state) {
        QTextDocument read;
        if (rp::readRtf(rtf, read)) return state.SkipWithError("the letter did not read");
        benchmark::DoNotOptimize(read.characterCount());
    }
}
BENCHMARK(BM_ReadFiftyPageLetter)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
