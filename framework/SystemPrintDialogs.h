#pragma once
// PrintDialogs over Qt's print and page set-up dialogs, over the active window.
#include "framework/PrintDialogs.h"

namespace rp {

class SystemPrintDialogs : public PrintDialogs {
  public:
    bool print(QPrinter& printer) override;
    bool setup(QPrinter& printer) override;
};

}  // namespace rp
