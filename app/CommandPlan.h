#pragma once
// The main window's commands that open another subsystem's dialog, each described once: the
// menu it sits in, the steps that prepare the open address file before the dialog, and the
// steps that restore the window's view after it. Restorations run in the order listed, each
// only when the preparation it undoes was done, and they run whether the dialog finished,
// failed or threw.
#include <QString>
#include <vector>

namespace rp {

enum class Command {
    ImportDbf,
    ImportAscii,
    ImportVcard,
    CountZipCodes,
    CheckStateZip,
    CheckDuplicates,
    ConvertUppercase,
    DeleteRecords,
    CopyRecordsOut,
    SearchReplace,
    CalibratePrinter,
    Labels,
    Envelopes,
    Letters,
    Reports,
};

// Where a command's entry sits.
enum class CommandMenu { File, Utilities, MenuBar };

enum class Prepare {
    RequireFile,       // a file must be open, else stopMessage; stops
    PrinterCheck,      // a printer must be installed, else the "not feasible" message; stops
    RecordsCheck,      // stops silently unless the query in force lets a record through
    NoRecordsMessage,  // as RecordsCheck, but tells the user
    PauseReactions,
    RememberRecord,
    RememberQuery,
    UserQueryOnly,  // the engine query becomes the user expression alone
    Freeze,
    FilterChoice,             // all records or the filter's; the filtered choice needs a filter
    FilterChoiceDisableOnly,  // the same, but the all-records choice is not forced on
    ExclusiveReopen,          // the file is closed and opened exclusively into the dialog's table
    AloneWhenShared,  // a file the window has open shared is opened again exclusively in place,
                      // in its order and with its filter
    DialogQuery,      // the dialog's table gets the standing condition as its query
    OpenSideFile,     // sideFile from the program folder into the dialog's side table
    OpenOrCreateSideFile,
};

enum class Restore {
    Reopen,            // after ExclusiveReopen: close the dialog's table, open the file again
    SharedAgain,       // after AloneWhenShared, when it reopened: the file opened as the window
                       // opens it (shared)
    RecordPage,        // after ExclusiveReopen
    SetButtons,        // after ExclusiveReopen or UserQueryOnly
    ApplyFilter,       // the user's filter again; after ExclusiveReopen or UserQueryOnly
    FirstRecord,       // after UserQueryOnly
    RememberedQuery,   // after RememberQuery: the query text again and no scope
    RememberedRecord,  // after RememberRecord
    Unfreeze,          // after Freeze
    ResumeReactions,   // after PauseReactions
    DeleteWorkFile,    // after ExclusiveReopen: workFile in the program folder
    Printer,           // after PrinterCheck: default printer, then the remembered one
};

struct CommandPlan {
    Command command;
    CommandMenu menu;
    const char* caption;  // the texts' sources, untranslated: shown through planText
    std::vector<Prepare> prepare;
    std::vector<Restore> restore;
    const char* stopMessage = nullptr;       // RequireFile, NoRecordsMessage: told on stopping
    const char* noPrinterMessage = nullptr;  // PrinterCheck: "There are no installed printers..."
    QString sideFile{};                      // OpenSideFile / OpenOrCreateSideFile
    const char* sideFileMessage = nullptr;   // when the side file cannot be opened
    QString workFile{};                      // DeleteWorkFile
    bool changesRecords = false;  // may add, change or delete records: not for a read-only file
};

// A caption or message of a plan in the user's language; empty for none.
QString planText(const char* source);

// Every command, in menu order.
const std::vector<CommandPlan>& commandPlans();
const CommandPlan& planFor(Command command);

// Whether a restoration follows from this preparation: it runs once any preparation it
// follows from was done.
bool followsFrom(Restore step, Prepare done);

}  // namespace rp
