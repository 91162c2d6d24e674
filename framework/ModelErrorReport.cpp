#include "framework/ModelErrorReport.h"

#include "framework/ErrorReport.h"
#include "framework/Messages.h"

namespace rp {

void ModelErrorReport::remember(const QString& cause) {
    if (failed_) return;
    failed_ = true;
    QMetaObject::invokeMethod(
        this, [cause] { showError(cause); }, Qt::QueuedConnection);
}

}  // namespace rp
