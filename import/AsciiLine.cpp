#include "import/AsciiLine.h"

namespace rp {

bool isTextLine(const QString& line) {
    return !line.contains(QChar(u'\0'));
}

namespace {

// Splits the line into values (when values is not null); answers whether a double quote was
// left open at the end of the line.
bool scanAsciiLine(const QString& line, QChar delimiter, QStringList* values) {
    const QChar quote(u'"');
    QString value;
    bool inside = false;
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (c == quote) {
            if (i == 0 || line[i - 1] != quote) {
                inside = !inside;
            } else if (inside && (i + 1 == n || line[i + 1] == delimiter)) {
                // A doubled quote closes the value only where the value ends.
                inside = false;
            }
        } else if (c == delimiter && !inside) {
            if (values) values->append(value);
            value.clear();
            continue;
        }
        if (values) value.append(c);
    }
    if (values) values->append(value);
    return inside;
}

}  // namespace

QStringList splitAsciiLine(const QString& line, QChar delimiter) {
    QStringList values;
    scanAsciiLine(line, delimiter, &values);
    return values;
}

bool quotesClosed(const QString& line, QChar delimiter) {
    return !scanAsciiLine(line, delimiter, nullptr);
}

QString unquotedValue(const QString& value) {
    const QChar quote(u'"');
    if (value.isEmpty() || value.front() != quote || value.back() != quote) return value;
    return value.size() == 1 ? QString() : value.mid(1, value.size() - 2);
}

QStringList asciiValues(const QString& line, int columnCount, QChar delimiter) {
    QStringList values = splitAsciiLine(line, delimiter);
    if (values.size() > columnCount) values.resize(columnCount);
    for (QString& v : values) v = unquotedValue(v);
    while (values.size() < columnCount) values.append(QString());
    return values;
}

}  // namespace rp
