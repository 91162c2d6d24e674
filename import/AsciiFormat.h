#pragma once
// How a delimited text file is laid out: the character between its values (comma, semicolon or
// tab) and whether its first line names the columns instead of holding a record.
#include <QChar>
#include <QString>
#include <optional>

namespace rp {

struct AsciiFormat {
    QChar delimiter = u',';
    bool header = false;
};

inline constexpr QChar kCommaDelimiter = u',';
inline constexpr QChar kSemicolonDelimiter = u';';
inline constexpr QChar kTabDelimiter = u'\t';

// The delimiters in the order they are offered and preferred on a tie.
inline constexpr QChar kAsciiDelimiters[] = {kCommaDelimiter, kSemicolonDelimiter, kTabDelimiter};

// The delimiter that splits line into the most values outside double quotes; comma, then
// semicolon, then tab on a tie.
QChar detectDelimiter(const QString& line);

// The delimiter of a command-line name: "comma", "semicolon" or "tab"; nothing for another.
std::optional<QChar> delimiterNamed(const QString& name);

// The guessed format of a file whose first line is line: its delimiter detected, and a header
// when at least two of its values are known column names.
AsciiFormat guessAsciiFormat(const QString& line);

}  // namespace rp
