#include "import/AsciiLine.h"

namespace rp {

bool isTextLine(const QString& line) {
    return !line.contains(QChar(u'\0'));
}

namespace {

const char16_t* chars(const QString& text) {
    return reinterpret_cast<const char16_t*>(text.utf16());
}

}  // namespace

QStringList splitAsciiLine(const QString& line, QChar delimiter) {
    QStringList values;
    scanAsciiValues(chars(line), static_cast<std::size_t>(line.size()), delimiter.unicode(),
                    [&](std::size_t first, std::size_t end) {
                        values.append(line.mid(static_cast<qsizetype>(first),
                                               static_cast<qsizetype>(end - first)));
                        return true;
                    });
    return values;
}

bool quotesClosed(const QString& line, QChar delimiter) {
    return !scanAsciiValues(chars(line), static_cast<std::size_t>(line.size()), delimiter.unicode(),
                            [](std::size_t, std::size_t) { return true; });
}

QString unquotedValue(const QString& value) {
    std::size_t first = 0;
    auto end = static_cast<std::size_t>(value.size());
    unquoteBounds(chars(value), first, end);
    return value.mid(static_cast<qsizetype>(first), static_cast<qsizetype>(end - first));
}

QStringList asciiValues(const QString& line, int columnCount, QChar delimiter) {
    QStringList values;
    forEachAsciiValue(chars(line), static_cast<std::size_t>(line.size()), delimiter.unicode(),
                      columnCount, [&](int, std::size_t first, std::size_t end) {
                          values.append(line.mid(static_cast<qsizetype>(first),
                                                 static_cast<qsizetype>(end - first)));
                      });
    while (values.size() < columnCount) values.append(QString());
    return values;
}

}  // namespace rp
