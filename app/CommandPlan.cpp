#include "app/CommandPlan.h"

#include <QCoreApplication>
#include <algorithm>
#include <stdexcept>

namespace rp {
namespace {

using P = Prepare;
using R = Restore;

std::vector<CommandPlan> makePlans() {
    const char* const needFile =
        QT_TRANSLATE_NOOP("CommandPlan", "You need to have a Ravenpost file open first");
    const std::vector<P> userQuery{P::PauseReactions, P::AloneWhenShared, P::UserQueryOnly,
                                   P::Freeze, P::FilterChoice};
    const std::vector<R> afterUserQuery{R::SharedAgain, R::ApplyFilter,     R::FirstRecord,
                                        R::Unfreeze,    R::ResumeReactions, R::SetButtons};
    const std::vector<R> afterPrinting{R::Unfreeze, R::ResumeReactions, R::Printer};
    std::vector<CommandPlan> plans{
        {Command::ImportDbf,
         CommandMenu::File,
         QT_TRANSLATE_NOOP("CommandPlan", "Import from &DBF File"),
         {P::RequireFile, P::ExclusiveReopen},
         {R::Reopen, R::RecordPage, R::SetButtons},
         needFile},
        {Command::ImportAscii,
         CommandMenu::File,
         QT_TRANSLATE_NOOP("CommandPlan", "Import from &ASCII File"),
         {P::RequireFile, P::ExclusiveReopen},
         {R::Reopen, R::RecordPage, R::SetButtons, R::ApplyFilter},
         needFile},
        {Command::ImportVcard,
         CommandMenu::File,
         QT_TRANSLATE_NOOP("CommandPlan", "Import from &vCard File"),
         {P::RequireFile, P::ExclusiveReopen},
         {R::Reopen, R::RecordPage, R::SetButtons, R::ApplyFilter},
         needFile},
        {Command::CountZipCodes,
         CommandMenu::Utilities,
         QT_TRANSLATE_NOOP("CommandPlan", "Count &Zip Codes"),
         {P::Freeze},
         {R::Unfreeze}},
        {Command::CheckStateZip,
         CommandMenu::Utilities,
         QT_TRANSLATE_NOOP("CommandPlan", "Check && Repair &State and Zip Codes"),
         {P::PauseReactions, P::ExclusiveReopen, P::DialogQuery},
         {R::Reopen, R::ResumeReactions, R::RecordPage, R::DeleteWorkFile}},
        {Command::CheckDuplicates,
         CommandMenu::Utilities,
         QT_TRANSLATE_NOOP("CommandPlan", "Check && Repair &Duplicates"),
         {P::ExclusiveReopen, P::DialogQuery},
         {R::Reopen, R::RecordPage, R::DeleteWorkFile}},
        {Command::ConvertUppercase,
         CommandMenu::Utilities,
         QT_TRANSLATE_NOOP("CommandPlan", "Convert to &Uppercase"),
         {P::PauseReactions, P::AloneWhenShared, P::RememberRecord, P::Freeze},
         {R::SharedAgain, R::Unfreeze, R::RememberedRecord, R::ResumeReactions}},
        {Command::DeleteRecords, CommandMenu::Utilities,
         QT_TRANSLATE_NOOP("CommandPlan", "Delete &Records"), userQuery, afterUserQuery},
        {Command::CopyRecordsOut,
         CommandMenu::Utilities,
         QT_TRANSLATE_NOOP("CommandPlan", "Copy Records &Out"),
         {P::NoRecordsMessage, P::PauseReactions, P::Freeze, P::RememberRecord},
         {R::RememberedRecord, R::Unfreeze, R::ResumeReactions}},
        {Command::SearchReplace, CommandMenu::Utilities,
         QT_TRANSLATE_NOOP("CommandPlan", "&Search && Replace Field Values"), userQuery,
         afterUserQuery},
        {Command::CalibratePrinter,
         CommandMenu::Utilities,
         QT_TRANSLATE_NOOP("CommandPlan", "Calibrate &Printer\u2026"),
         {P::PrinterCheck},
         {R::Printer}},
        {Command::Labels,
         CommandMenu::MenuBar,
         QT_TRANSLATE_NOOP("CommandPlan", "&Labels"),
         {P::PrinterCheck, P::RecordsCheck, P::Freeze, P::PauseReactions, P::RememberRecord,
          P::RememberQuery, P::FilterChoice, P::OpenSideFile},
         {R::RememberedQuery, R::RememberedRecord, R::Unfreeze, R::ResumeReactions, R::Printer}},
        {Command::Envelopes,
         CommandMenu::MenuBar,
         QT_TRANSLATE_NOOP("CommandPlan", "En&velopes"),
         {P::PrinterCheck, P::RecordsCheck, P::Freeze, P::PauseReactions, P::OpenSideFile},
         afterPrinting},
        {Command::Letters,
         CommandMenu::MenuBar,
         QT_TRANSLATE_NOOP("CommandPlan", "Le&tters"),
         {P::PrinterCheck, P::RecordsCheck, P::Freeze, P::PauseReactions, P::OpenOrCreateSideFile,
          P::FilterChoiceDisableOnly},
         afterPrinting},
        {Command::Reports,
         CommandMenu::MenuBar,
         QT_TRANSLATE_NOOP("CommandPlan", "&Reports"),
         {P::PrinterCheck, P::RecordsCheck, P::Freeze, P::PauseReactions, P::FilterChoice},
         afterPrinting},
    };
    auto plan = [&plans](Command c) -> CommandPlan& {
        return *std::find_if(plans.begin(), plans.end(),
                             [c](const CommandPlan& p) { return p.command == c; });
    };
    for (Command c : {Command::ImportDbf, Command::ImportAscii, Command::ImportVcard,
                      Command::CheckStateZip, Command::CheckDuplicates, Command::ConvertUppercase,
                      Command::DeleteRecords, Command::SearchReplace})
        plan(c).changesRecords = true;
    plan(Command::CheckStateZip).workFile = QStringLiteral("_chksz.idx");
    plan(Command::CheckDuplicates).workFile = QStringLiteral("_chkdup.idx");
    plan(Command::CopyRecordsOut).stopMessage =
        QT_TRANSLATE_NOOP("CommandPlan", "No active records for current filter. Nothing to copy");
    const struct {
        Command command;
        const char* noPrinter;
        const char* file;
        const char* message;
    } printing[] = {
        {Command::Labels,
         QT_TRANSLATE_NOOP("CommandPlan",
                           "There are no installed printers.\r\nPrinting labels is not feasible"),
         "RVPLSU.DBF",
         QT_TRANSLATE_NOOP("CommandPlan", "Unable to Open RVPLSU.DBF (label setup file)")},
        {Command::Envelopes,
         QT_TRANSLATE_NOOP(
             "CommandPlan",
             "There are no installed printers.\r\nPrinting envelopes is not feasible"),
         "RVPESU.DBF",
         QT_TRANSLATE_NOOP("CommandPlan", "Unable to Open RVPESU.DBF (envelope setup file)")},
        {Command::Letters,
         QT_TRANSLATE_NOOP("CommandPlan",
                           "There are no installed printers.\r\nPrinting letters is not feasible"),
         "RVPLTRS.DBF", QT_TRANSLATE_NOOP("CommandPlan", "Unable to Open or Create RVPLTRS.DBF")},
        {Command::Reports,
         QT_TRANSLATE_NOOP("CommandPlan",
                           "There are no installed printers.\r\nPrinting reports is not feasible"),
         "", nullptr},
        {Command::CalibratePrinter,
         QT_TRANSLATE_NOOP(
             "CommandPlan",
             "There are no installed printers.\r\nPrinting calibration pages is not feasible"),
         "", nullptr},
    };
    for (const auto& p : printing) {
        CommandPlan& c = plan(p.command);
        c.noPrinterMessage = p.noPrinter;
        c.sideFile = QString::fromLatin1(p.file);
        c.sideFileMessage = p.message;
    }
    return plans;
}

}  // namespace

QString planText(const char* source) {
    return source ? QCoreApplication::translate("CommandPlan", source) : QString();
}

const std::vector<CommandPlan>& commandPlans() {
    static const std::vector<CommandPlan> plans = makePlans();
    return plans;
}

const CommandPlan& planFor(Command command) {
    for (const CommandPlan& p : commandPlans())
        if (p.command == command) return p;
    throw std::invalid_argument("no plan for the command");
}

bool followsFrom(Restore step, Prepare done) {
    switch (step) {
        case R::SharedAgain:
            return done == P::AloneWhenShared;
        case R::Reopen:
        case R::RecordPage:
        case R::DeleteWorkFile:
            return done == P::ExclusiveReopen;
        case R::SetButtons:
        case R::ApplyFilter:
            return done == P::ExclusiveReopen || done == P::UserQueryOnly;
        case R::FirstRecord:
            return done == P::UserQueryOnly;
        case R::RememberedQuery:
            return done == P::RememberQuery;
        case R::RememberedRecord:
            return done == P::RememberRecord;
        case R::Unfreeze:
            return done == P::Freeze;
        case R::ResumeReactions:
            return done == P::PauseReactions;
        case R::Printer:
            return done == P::PrinterCheck;
    }
    return false;
}

}  // namespace rp
