#include "import/VcardValue.h"

namespace rp {
namespace {

QStringList splitUnescaped(const QString& value, QChar separator) {
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\' && i + 1 < value.size()) {
            part += c;
            part += value[++i];
        } else if (c == separator) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    return parts;
}

}  // namespace

QStringList vcardComponents(const QString& value) {
    return splitUnescaped(value, u';');
}

QStringList vcardListValues(const QString& value) {
    return splitUnescaped(value, u',');
}

QString vcardUnescape(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value[i + 1];
        if (next == u'n' || next == u'N') {
            out += u'\n';
            ++i;
        } else if (next == u'\\' || next == u',' || next == u';') {
            out += next;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace rp
