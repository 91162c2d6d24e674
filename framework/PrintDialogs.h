#pragma once
// The system print dialog and printer set-up dialog go through one installed PrintDialogs
// object: the program shows the system dialogs, tests install a ScriptedPrintDialogs.
class QPrinter;

namespace rp {

class PrintDialogs {
  public:
    virtual ~PrintDialogs() = default;
    // The print dialog: the user's copies, page range and printer go into the printer.
    // True when the user confirmed.
    virtual bool print(QPrinter& printer) = 0;
    // The printer set-up dialog: paper and orientation go into the printer. True when confirmed.
    virtual bool setup(QPrinter& printer) = 0;
};

PrintDialogs& printDialogs();

class PrintDialogsScope {
  public:
    explicit PrintDialogsScope(PrintDialogs& dialogs);
    ~PrintDialogsScope();
    PrintDialogsScope(const PrintDialogsScope&) = delete;
    PrintDialogsScope& operator=(const PrintDialogsScope&) = delete;

  private:
    PrintDialogs* previous_;
};

}  // namespace rp
