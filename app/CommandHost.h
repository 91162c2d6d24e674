#pragma once
// What one run of a command needs of the window it runs in: the open address file, the
// program folder, the user's filter and the printers, and the few things it does to the
// window while the command's dialog works on the file and afterwards.
#include <QString>

#include "data/AddressTable.h"

class QWidget;

namespace rp {

class PrinterAccess;

class CommandHost {
  public:
    // The window the command's dialog is shown over.
    virtual QWidget* dialogParent() = 0;
    virtual xbase::Engine& engine() = 0;
    // The window's address file; closed while a dialog has it open exclusively.
    virtual AddressTable& addressTable() = 0;
    // The program folder, ending in a separator: the side files and work files are there.
    virtual QString dataFolder() const = 0;
    // The user's filter expression; empty when none is set.
    virtual QString userExpression() const = 0;
    // The printers the printing commands check; none installed while null.
    virtual PrinterAccess* printers() = 0;

    // While frozen the window neither repaints nor reloads its views; thawing reloads them.
    virtual void setFrozen(bool frozen) = 0;
    // While not reacting, changes of the current record do not update the window.
    virtual void setReactingToTableEvents(bool reacting) = 0;
    // Applies the Filter page's lines to the open address file again.
    virtual void applyFilter() = 0;
    // Shows the record page with the current record.
    virtual void showRecordPage() = 0;
    // Shows the current record again on the record page.
    virtual void showCurrentRecord() = 0;
    // Opens the address file at path into the window; false when it could not be opened
    // (the window has told the user and shows no file).
    virtual bool reopenAddressFile(const QString& path) = 0;
    // Enables, shows and captions the window's commands for its state.
    virtual void updateCommandStates() = 0;

  protected:
    ~CommandHost() = default;
};

}  // namespace rp
