#include "mailpiece/DeliveryPoint.h"

#include <optional>

namespace rp {
namespace {

const QString kNoDeliveryPoint = QStringLiteral("99");

bool isOrdinalSuffix(QStringView pair) {
    return pair == u"ST" || pair == u"ND" || pair == u"RD" || pair == u"TH";
}

}  // namespace

QString deliveryPointDigits(const QString& street) {
    const QString line = street.toUpper();
    if (line.contains(QLatin1String("APO")) || line.contains(QLatin1String("FPO")))
        return kNoDeliveryPoint;

    std::optional<QChar> units;
    std::optional<QChar> tens;
    bool fraction = false;
    bool ordinal = false;
    for (qsizetype i = line.size() - 1; i >= 0; --i) {
        const QChar c = line[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (fraction || ordinal || tens) continue;
            if (units)
                tens = c;
            else
                units = c;
        } else if (c == QLatin1Char(' ')) {
            if (units) break;
            fraction = ordinal = false;
        } else if (c == QLatin1Char('/') && units) {
            fraction = true;
            units.reset();
            tens.reset();
        } else if (units && !tens) {
            tens = QLatin1Char('0');
        } else if (isOrdinalSuffix(QStringView(line).mid(i, 2))) {
            ordinal = true;
        }
    }
    if (!units) return kNoDeliveryPoint;
    return QString(tens.value_or(QLatin1Char('0'))) + *units;
}

}  // namespace rp
