#include "batch/BatchMessages.h"

#include <QRegularExpression>
#include <cstdio>

namespace rp {
namespace {

void writeLine(const QString& text) {
    std::fprintf(stderr, "%s\n", BatchMessages::oneLine(text).toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace

QString BatchMessages::oneLine(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("[\\r\\n]+"));
    return text.trimmed().replace(breaks, QStringLiteral(" "));
}

void BatchMessages::information(const QString&, const QString& text) {
    writeLine(text);
}

void BatchMessages::error(const QString&, const QString& text) {
    writeLine(text);
}

bool BatchMessages::question(const QString&, const QString& text, bool) {
    writeLine(text + (answerYes_ ? QStringLiteral(" Yes (--yes)")
                                 : QStringLiteral(" No (give --yes to answer Yes)")));
    return answerYes_;
}

}  // namespace rp
