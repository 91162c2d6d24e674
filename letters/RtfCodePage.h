#pragma once
// The Windows code pages RTF text bytes are written in: Windows-1252, the one RTF files use when
// they name none, both ways by table; the others, named by \ansicpgN, \cpgN or a font's
// \fcharsetN, read through Qt's converters.
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringDecoder>
#include <map>
#include <optional>

namespace rp {

inline constexpr int kWindows1252 = 1252;

// The character a Windows-1252 byte stands for (the five unassigned bytes stand for
// themselves, as Windows maps them).
char16_t fromWindows1252(unsigned char byte);

// The Windows-1252 byte for a character, or nothing when the code page lacks it.
std::optional<unsigned char> toWindows1252(char16_t character);

// The code page of an RTF character set (\fcharsetN), or nothing for the ANSI, default and
// symbol sets and for sets not listed: their text is in the document's code page.
std::optional<int> codePageOfCharset(int charset);

// Turns text bytes into characters by code page number. A code page Qt has no converter for
// reads as Windows-1252. Converters are made once per code page and kept.
class CodePageDecoder {
  public:
    QString decode(QByteArrayView bytes, int codePage);

  private:
    std::map<int, std::optional<QStringDecoder>> decoders_;  // none: read as Windows-1252
};

}  // namespace rp
