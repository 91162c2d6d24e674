#include "import/AsciiFormat.h"

#include "import/AsciiLine.h"
#include "import/ColumnNames.h"

namespace rp {

QChar detectDelimiter(const QString& line) {
    QChar best = kCommaDelimiter;
    qsizetype most = 0;
    for (const QChar d : kAsciiDelimiters) {
        const qsizetype count = splitAsciiLine(line, d).size();
        // Strictly more: the earlier delimiter wins a tie.
        if (count > most) {
            most = count;
            best = d;
        }
    }
    return best;
}

std::optional<QChar> delimiterNamed(const QString& name) {
    if (name == QLatin1String("comma")) return kCommaDelimiter;
    if (name == QLatin1String("semicolon")) return kSemicolonDelimiter;
    if (name == QLatin1String("tab")) return kTabDelimiter;
    return std::nullopt;
}

AsciiFormat guessAsciiFormat(const QString& line) {
    AsciiFormat format;
    format.delimiter = detectDelimiter(line);
    QStringList values = splitAsciiLine(line, format.delimiter);
    for (QString& v : values) v = unquotedValue(v);
    format.header = looksLikeHeader(values);
    return format;
}

}  // namespace rp
