#pragma once
// The gauge shown while an address file that was not closed properly has its indexes rebuilt
// as it opens. On a long list that takes a few seconds; a file in order opens without it, since
// the window appears only with the engine's first report.
#include <QString>
#include <memory>

#include "xbase/Engine.h"

class QProgressDialog;
class QWidget;

namespace rp {

class IndexRecoveryGauge {
  public:
    explicit IndexRecoveryGauge(QWidget* parent);
    ~IndexRecoveryGauge();
    IndexRecoveryGauge(const IndexRecoveryGauge&) = delete;
    IndexRecoveryGauge& operator=(const IndexRecoveryGauge&) = delete;

    // The progress to hand to the open; it shows the window on its first call.
    xbase::ProgressFn progress();

  private:
    QWidget* parent_;
    std::unique_ptr<QProgressDialog> window_;
};

}  // namespace rp
