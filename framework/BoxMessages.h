#pragma once
// Messages shown as modal message boxes over the active window.
#include "framework/Messages.h"

namespace rp {

class BoxMessages : public Messages {
  public:
    void information(const QString& caption, const QString& text) override;
    void error(const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text, bool defaultYes) override;
    void beep() override;
};

}  // namespace rp
