// Reads any bytes as RTF into a document and writes the document back. Corpus: the letters in
// ../shared/fixtures/rtf.
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

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
    QTextDocument again;
    if (rp::readRtf(rp::writeRtf(document), again)) std::abort();
    return 0;
}
