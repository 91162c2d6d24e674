#pragma once
// What a command's dialog is given: the address file to work on (the main window's, or the
// dialog's own exclusive open of it), the side file opened for it, the folder of the side
// files and the choice between all records and the user's filter.
#include <QString>
#include <functional>
#include <memory>

#include "data/AddressTable.h"

class QWidget;

namespace rp {

struct FilterChoice {
    bool filteredEnabled = true;    // false when no filter is set
    bool allRecordsForced = false;  // the all-records choice is selected and cannot be left
};

struct CommandContext {
    QWidget* parent = nullptr;
    AddressTable* table = nullptr;
    std::unique_ptr<xbase::Table> sideTable;  // for commands with a side file, at its first record
    QString programFolder;                    // ends in a separator
    QString userExpression;                   // the user's filter; empty when none
    FilterChoice filterChoice;
};

// A command's dialog, run modally; it may throw, the command's restorations run regardless.
// createSideFile makes an empty side file, under the engine given, for commands that create it
// where none exists.
struct CommandDialog {
    std::function<void(CommandContext&)> run;
    std::function<void(xbase::Engine& engine, const QString& path)> createSideFile;
};

}  // namespace rp
