#include "letters/RtfCodePage.h"

#include <QByteArray>
#include <array>
#include <utility>

namespace rp {

namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// RTF character sets and the Windows code pages their text is written in.
constexpr std::array<std::pair<int, int>, 19> kCharsetCodePages = {{
    {77, 10000},  // Macintosh Roman
    {78, 10001},  // Macintosh Japanese
    {89, 10007},  // Macintosh Cyrillic
    {128, 932},   // Shift JIS
    {129, 949},   // Hangul
    {130, 1361},  // Johab
    {134, 936},   // GB 2312
    {136, 950},   // Big5
    {161, 1253},  // Greek
    {162, 1254},  // Turkish
    {163, 1258},  // Vietnamese
    {177, 1255},  // Hebrew
    {178, 1256},  // Arabic
    {186, 1257},  // Baltic
    {204, 1251},  // Cyrillic
    {222, 874},   // Thai
    {238, 1250},  // Central European
    {254, 437},   // PC 437
    {255, 850},   // OEM
}};

// Code page numbers are at most five digits; larger ones name no converter.
constexpr int kLargestCodePage = 65535;

std::optional<QStringDecoder> makeDecoder(int codePage) {
    for (const QByteArray& name :
         {"windows-" + QByteArray::number(codePage), "cp" + QByteArray::number(codePage)}) {
        // Stateless: a font name and the text after it are decoded apart.
        QStringDecoder decoder(name.constData(), QStringConverter::Flag::Stateless);
        if (decoder.isValid()) return decoder;
    }
    return std::nullopt;
}

}  // namespace

char16_t fromWindows1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

std::optional<unsigned char> toWindows1252(char16_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<unsigned char>(character);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::optional<int> codePageOfCharset(int charset) {
    for (const auto& [set, codePage] : kCharsetCodePages) {
        if (set == charset) return codePage;
    }
    return std::nullopt;
}

QString CodePageDecoder::decode(QByteArrayView bytes, int codePage) {
    if (codePage != kWindows1252 && codePage >= 0 && codePage <= kLargestCodePage) {
        auto found = decoders_.find(codePage);
        if (found == decoders_.end())
            found = decoders_.emplace(codePage, makeDecoder(codePage)).first;
        if (found->second) return found->second->decode(bytes);
    }
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) text.append(QChar(fromWindows1252(static_cast<unsigned char>(byte))));
    return text;
}

}  // namespace rp
