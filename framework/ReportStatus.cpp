#include "framework/ReportStatus.h"

namespace rp {

QString ReportStatus::text(int page) const {
    QString result;
    for (qsizetype i = 0; i < format_.size(); ++i) {
        const QChar c = format_.at(i);
        const QChar next = i + 1 < format_.size() ? format_.at(i + 1) : QChar();
        if (c == u'%' && next == u'p')
            result += QString::number(page);
        else if (c == u'%' && next == u'0')
            result += lines_[0];
        else if (c == u'%' && next == u'1')
            result += lines_[1];
        else {
            result += c;
            continue;
        }
        ++i;
    }
    return result;
}

}  // namespace rp
