#pragma once
// One line of a delimited text file split into its values. A delimiter (a comma unless told
// otherwise) inside double quotes belongs to the value; a value enclosed in double quotes loses
// them; nothing else is changed.
#include <QString>
#include <QStringList>
#include <cstddef>

namespace rp {

// Splits the characters s[0..n) at every delimiter that does not stand inside double quotes and
// calls take(first, end) with the bounds of each value in turn, quotes kept, until it returns
// false. Answers whether a double quote was left open where the scan ended. Char is char for a
// line of bytes, char16_t for text.
template <class Char, class Take>
bool scanAsciiValues(const Char* s, std::size_t n, Char delimiter, Take take) {
    const Char quote = static_cast<Char>('"');
    bool inside = false;
    std::size_t first = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Char c = s[i];
        if (c == quote) {
            if (i == 0 || s[i - 1] != quote) {
                inside = !inside;
            } else if (inside && (i + 1 == n || s[i + 1] == delimiter)) {
                // A doubled quote closes the value only where the value ends.
                inside = false;
            }
        } else if (c == delimiter && !inside) {
            if (!take(first, i)) return inside;
            first = i + 1;
        }
    }
    take(first, n);
    return inside;
}

// The bounds of s[first..end) without its enclosing double quotes when it both starts and ends
// with one (a lone double quote becomes empty).
template <class Char>
void unquoteBounds(const Char* s, std::size_t& first, std::size_t& end) {
    const Char quote = static_cast<Char>('"');
    if (first == end || s[first] != quote || s[end - 1] != quote) return;
    if (end - first == 1) {
        end = first;
        return;
    }
    ++first;
    --end;
}

// Calls put(column, first, end) with the bounds of each of the first columnCount values of the
// line s[0..n), unquoted; columns past the line's last value get no call.
template <class Char, class Put>
void forEachAsciiValue(const Char* s, std::size_t n, Char delimiter, int columnCount, Put put) {
    int column = 0;
    scanAsciiValues(s, n, delimiter, [&](std::size_t first, std::size_t end) {
        if (column == columnCount) return false;
        unquoteBounds(s, first, end);
        put(column++, first, end);
        return true;
    });
}

// False for a line holding a NUL character: a binary file, not text.
bool isTextLine(const QString& line);

// The line split at every delimiter that does not stand inside double quotes. An empty line
// gives one empty value; a line ending in a delimiter gives a last empty value. Quotes are kept.
QStringList splitAsciiLine(const QString& line, QChar delimiter = u',');

// False when a double quote opened on the line is still open at its end (by the rules of
// splitAsciiLine).
bool quotesClosed(const QString& line, QChar delimiter = u',');

// The value without its enclosing double quotes when it both starts and ends with one (a lone
// double quote becomes empty).
QString unquotedValue(const QString& value);

// The unquoted values of a line, exactly columnCount of them: missing ones are empty, extra
// ones are dropped.
QStringList asciiValues(const QString& line, int columnCount, QChar delimiter = u',');

}  // namespace rp
