// Reads any bytes as RTF into a document and writes the document back: what was written reads
// without fault and writes again to the same bytes, and the page read fits the largest printable
// page with room for text. Corpus: the letters in ../shared/fixtures/rtf and fuzz/corpus/fuzz_rtf;
// dictionary: fuzz/fuzz_rtf.dict.
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

#include "letters/RtfPageLayout.h"
#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace {

bool fits(const rp::PageLayout& page) {
    return page.paperWidth > 0 && page.paperWidth <= rp::kLargestPageSideTwips &&
           page.paperHeight > 0 && page.paperHeight <= rp::kLargestPageSideTwips &&
           page.leftMargin >= 0 && page.rightMargin >= 0 && page.topMargin >= 0 &&
           page.bottomMargin >= 0 &&
           std::int64_t{page.leftMargin} + page.rightMargin < page.paperWidth &&
           std::int64_t{page.topMargin} + page.bottomMargin < page.paperHeight;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Documents need an application object for their fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    rp::readRtf(input, document);
    if (!fits(rp::pageLayout(document))) std::abort();
    const QByteArray written = rp::writeRtf(document);
    QTextDocument again;
    if (rp::readRtf(written, again)) std::abort();
    if (rp::writeRtf(again) != written) std::abort();
    return 0;
}
