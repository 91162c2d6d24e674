#include "framework/ModelErrorReport.h"

#include "framework/Messages.h"

namespace rp {

void ModelErrorReport::remember(const QString& cause) {
    if (failed_) return;
    failed_ = true;
    QMetaObject::invokeMethod(
        this, [cause] { messages().error(kErrorCaption, cause); }, Qt::QueuedConnection);
}

}  // namespace rp
