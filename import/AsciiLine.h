#pragma once
// One line of a delimited text file split into its values. A delimiter (a comma unless told
// otherwise) inside double quotes belongs to the value; a value enclosed in double quotes loses
// them; nothing else is changed.
#include <QString>
#include <QStringList>

namespace rp {

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
