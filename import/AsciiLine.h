#pragma once
// One line of a comma-delimited text file split into its values. Commas inside double quotes
// belong to the value; a value enclosed in double quotes loses them; nothing else is changed.
#include <QString>
#include <QStringList>

namespace rp {

// False for a line holding a NUL character: a binary file, not text.
bool isTextLine(const QString& line);

// The line split at every comma that does not stand inside double quotes. An empty line gives
// one empty value; a line ending in a comma gives a last empty value. Quotes are kept.
QStringList splitAsciiLine(const QString& line);

// False when a double quote opened on the line is still open at its end (by the rules of
// splitAsciiLine).
bool quotesClosed(const QString& line);

// The value without its enclosing double quotes when it both starts and ends with one (a lone
// double quote becomes empty).
QString unquotedValue(const QString& value);

// The unquoted values of a line, exactly columnCount of them: missing ones are empty, extra
// ones are dropped.
QStringList asciiValues(const QString& line, int columnCount);

}  // namespace rp
