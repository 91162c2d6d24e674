#pragma once
// The main window's prompts, dialogs, dialer and printers in one object, so that a test can
// give the window its own answers. fillDefaultServices() puts the program's own in every one
// left empty.
#include <QString>
#include <functional>
#include <optional>

#include "app/AddingRules.h"

class QWidget;

namespace rp {

class AddressTable;
class PrinterAccess;

struct MainWindowServices {
    // The "New Record" prompt: asked for the ZIP and/or the names, gives the typed values or
    // nothing on Cancel.
    std::function<std::optional<NewRecordValues>(bool askZip, bool askNames)> newRecordPrompt;
    // The "Search" box for the ticked order (caption, date-format line or empty) and the
    // "Memo Search" box (last text): the typed text, or nothing on Cancel.
    std::function<std::optional<QString>(const QString& caption, const QString& dateLine)>
        searchPrompt;
    std::function<std::optional<QString>(const QString& lastText)> memoSearchPrompt;
    // The Preferences dialog, run modally.
    std::function<void()> preferencesDialog;
    // The Rebuild Indexes dialog, run modally on the open file.
    std::function<void()> rebuildIndexesDialog;
    // The dialer, given the current record's phone number; "Dial" stays disabled without it.
    std::function<void(const QString& phone)> phoneDialer;
    // The printers the printing commands check.
    PrinterAccess* printers = nullptr;
};

// Puts the program's own prompt or dialog, shown over window, in every one left empty: the
// Preferences dialog edits RAVENP.INI in dataFolder, Rebuild Indexes works on table with the
// side files of dataFolder, and the dialer runs the "Dial Phone Number" dialog with its
// settings in RAVENP.INI of dataFolder. Printers left null become printers.
void fillDefaultServices(MainWindowServices& services, QWidget* window, AddressTable& table,
                         const QString& dataFolder, PrinterAccess& printers);

}  // namespace rp
