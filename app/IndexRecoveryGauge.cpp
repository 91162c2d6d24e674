#include "app/IndexRecoveryGauge.h"

#include <QProgressDialog>

namespace rp {

IndexRecoveryGauge::IndexRecoveryGauge(QWidget* parent) : parent_(parent) {}

IndexRecoveryGauge::~IndexRecoveryGauge() = default;

xbase::ProgressFn IndexRecoveryGauge::progress() {
    return [this](int percent) {
        if (!window_) {
            window_ = std::make_unique<QProgressDialog>(
                QCoreApplication::translate("IndexRecoveryGauge", "Rebuilding Indexes"), QString(),
                0, 100, parent_);
            window_->setWindowTitle(QStringLiteral("Ravenpost"));  // the program's name
            window_->setWindowModality(Qt::WindowModal);
            window_->setMinimumDuration(0);
        }
        // A modal gauge lets pending window messages through as it moves.
        window_->setValue(percent);
        return true;
    };
}

}  // namespace rp
