#include "letters/MergeCodes.h"

namespace rp {

QString mergeCode(const QString& name) {
    return QLatin1Char('[') + name + QLatin1Char(']');
}

}  // namespace rp
