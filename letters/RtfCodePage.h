#pragma once
// Windows-1252, the code page RTF files use when they name none, both ways.
#include <QChar>
#include <optional>

namespace rp {

// The character a Windows-1252 byte stands for (the five unassigned bytes stand for
// themselves, as Windows maps them).
char16_t fromWindows1252(unsigned char byte);

// The Windows-1252 byte for a character, or nothing when the code page lacks it.
std::optional<unsigned char> toWindows1252(char16_t character);

}  // namespace rp
