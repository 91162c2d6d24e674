#include "framework/PageLimits.h"

#include <QCoreApplication>

namespace rp {

bool isPrintablePageSide(double inches) {
    return inches > 0 && inches <= kLargestPageSideInches;
}

QString pageSideTooLargeText(const QString& boxName) {
    return QCoreApplication::translate("PageLimits",
                                       "%1: a page can be at most 200 inches (508 cm) a side.")
        .arg(boxName);
}

}  // namespace rp
