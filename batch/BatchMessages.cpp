#include "batch/BatchMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cstdio>

namespace rp {
namespace {

void writeLine(const QString& text) {
    std::fprintf(stderr, "%s\n", BatchMessages::oneLine(text).toLocal8Bit().constData());
    std::fflush(stderr);
}

// A line that goes on with what the line before says: the rest of its sentence (it begins in
// lower case) or the next item of a numbered list.
bool continuesLine(const QString& line) {
    static const QRegularExpression numberedItem(QStringLiteral("^\\d+\\. "));
    return line[0].isLower() || numberedItem.match(line).hasMatch();
}

// The line with a file name that ends text and begins line said once: "NAME: rest" gives
// "rest", "NAME rest" gives "it rest". The line as it is when it begins otherwise.
QString withoutRepeatedName(const QString& text, const QString& line) {
    for (qsizetype start = 0; start < text.size(); ++start) {
        if (start > 0 && text[start - 1] != QLatin1Char(' ')) continue;
        const QString name = text.mid(start);
        if (!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('.'))) continue;
        if (!line.startsWith(name)) continue;
        const QString rest = line.mid(name.size());
        if (rest.startsWith(QLatin1Char(':'))) return rest.mid(1).trimmed();
        if (rest.startsWith(QLatin1Char(' ')))
            return QCoreApplication::translate("BatchMessages", "it %1").arg(rest.trimmed());
        if (rest.isEmpty()) return rest;
    }
    return line;
}

}  // namespace

QString BatchMessages::oneLine(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
    QString joined;
    for (const QString& part : text.split(breaks)) {
        const QString line = part.trimmed();
        if (line.isEmpty()) continue;
        if (joined.isEmpty()) {
            joined = line;
        } else if (joined.back().isLetterOrNumber() && !continuesLine(line)) {
            const QString said = withoutRepeatedName(joined, line);
            if (!said.isEmpty()) joined += QStringLiteral(": ") + said;
        } else {
            joined += QLatin1Char(' ') + line;
        }
    }
    return joined;
}

void BatchMessages::information(const QString&, const QString& text) {
    writeLine(text);
}

void BatchMessages::error(const QString&, const QString& text) {
    writeLine(text);
}

bool BatchMessages::question(const QString&, const QString& text, bool) {
    writeLine((answerYes_ ? QCoreApplication::translate("BatchMessages", "%1 Yes (--yes)")
                          : QCoreApplication::translate("BatchMessages",
                                                        "%1 No (give --yes to answer Yes)"))
                  .arg(text));

    return answerYes_;
}

}  // namespace rp
