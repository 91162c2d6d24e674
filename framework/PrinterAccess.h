#pragma once
// The printers as the main window's printing commands see them: whether any is installed,
// which one is selected, and the printer set-up shared by the printing dialogs.
#include <QString>

namespace rp {

class PrinterAccess {
public:
    virtual ~PrinterAccess() = default;
    virtual bool anyInstalled() const = 0;
    virtual QString selectedPrinter() const = 0;
    virtual void selectPrinter(const QString& name) = 0;
    virtual void selectDefaultPrinter() = 0;
    // Lets go of the set-up the printing dialogs shared.
    virtual void releaseSetup() = 0;
};

}  // namespace rp
