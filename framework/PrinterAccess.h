#pragma once
// The printers as the main window's printing commands see them: whether any is installed,
// and the selection kept across a printing dialog.
namespace rp {

class PrinterAccess {
  public:
    virtual ~PrinterAccess() = default;
    virtual bool anyInstalled() const = 0;
    // Keeps the selected printer.
    virtual void rememberSelection() = 0;
    // Selects the default printer, then the kept one, and lets go of the printer set-up the
    // printing dialogs shared.
    virtual void restoreSelection() = 0;
};

}  // namespace rp
