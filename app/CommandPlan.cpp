#include "app/CommandPlan.h"

#include <QCoreApplication>
#include <algorithm>
#include <stdexcept>

namespace rp {
namespace {

using P = Prepare;
using R = Restore;

std::vector<CommandPlan> makePlans() {
    const QString needFile = QStringLiteral("You need to have a Ravenpost file open first");
    const std::vector<P> userQuery{P::PauseReactions, P::UserQueryOnly, P::Freeze, P::FilterChoice};
    const std::vector<R> afterUserQuery{R::ApplyFilter, R::FirstRecord, R::Unfreeze,
                                        R::ResumeReactions, R::SetButtons};
    const std::vector<R> afterPrinting{R::Unfreeze, R::ResumeReactions, R::Printer};
    std::vector<CommandPlan> plans{
        {Command::ImportDbf,
         CommandMenu::File,
         QStringLiteral("Import from &DBF File"),
         {P::RequireFile, P::ExclusiveReopen},
         {R::Reopen, R::RecordPage, R::SetButtons},
         needFile},
        {Command::ImportAscii,
         CommandMenu::File,
         QStringLiteral("Import from &ASCII File"),
         {P::RequireFile, P::ExclusiveReopen},
         {R::Reopen, R::RecordPage, R::SetButtons, R::ApplyFilter},
         needFile},
        {Command::ImportVcard,
         CommandMenu::File,
         QCoreApplication::translate("CommandPlan", "Import from &vCard File"),
         {P::RequireFile, P::ExclusiveReopen},
         {R::Reopen, R::RecordPage, R::SetButtons, R::ApplyFilter},
         needFile},
        {Command::CountZipCodes,
         CommandMenu::Utilities,
         QStringLiteral("Count &Zip Codes"),
         {P::Freeze},
         {R::Unfreeze}},
        {Command::CheckStateZip,
         CommandMenu::Utilities,
         QStringLiteral("Check && Repair &State and Zip Codes"),
         {P::PauseReactions, P::ExclusiveReopen, P::DialogQuery},
         {R::Reopen, R::ResumeReactions, R::RecordPage, R::DeleteWorkFile}},
        {Command::CheckDuplicates,
         CommandMenu::Utilities,
         QStringLiteral("Check && Repair &Duplicates"),
         {P::ExclusiveReopen, P::DialogQuery},
         {R::Reopen, R::RecordPage, R::DeleteWorkFile}},
        {Command::ConvertUppercase,
         CommandMenu::Utilities,
         QStringLiteral("Convert to &Uppercase"),
         {P::PauseReactions, P::RememberRecord, P::Freeze},
         {R::Unfreeze, R::RememberedRecord, R::ResumeReactions}},
        {Command::DeleteRecords, CommandMenu::Utilities, QStringLiteral("Delete &Records"),
         userQuery, afterUserQuery},
        {Command::CopyRecordsOut,
         CommandMenu::Utilities,
         QStringLiteral("Copy Records &Out"),
         {P::NoRecordsMessage, P::PauseReactions, P::Freeze, P::RememberRecord},
         {R::RememberedRecord, R::Unfreeze, R::ResumeReactions}},
        {Command::SearchReplace, CommandMenu::Utilities,
         QStringLiteral("&Search && Replace Field Values"), userQuery, afterUserQuery},
        {Command::CalibratePrinter,
         CommandMenu::Utilities,
         QCoreApplication::translate("CommandPlan", "Calibrate &Printer\u2026"),
         {P::PrinterCheck},
         {R::Printer}},
        {Command::Labels,
         CommandMenu::MenuBar,
         QStringLiteral("&Labels"),
         {P::PrinterCheck, P::RecordsCheck, P::Freeze, P::PauseReactions, P::RememberRecord,
          P::RememberQuery, P::FilterChoice, P::OpenSideFile},
         {R::RememberedQuery, R::RememberedRecord, R::Unfreeze, R::ResumeReactions, R::Printer}},
        {Command::Envelopes,
         CommandMenu::MenuBar,
         QStringLiteral("En&velopes"),
         {P::PrinterCheck, P::RecordsCheck, P::Freeze, P::PauseReactions, P::OpenSideFile},
         afterPrinting},
        {Command::Letters,
         CommandMenu::MenuBar,
         QStringLiteral("Le&tters"),
         {P::PrinterCheck, P::RecordsCheck, P::Freeze, P::PauseReactions, P::OpenOrCreateSideFile,
          P::FilterChoiceDisableOnly},
         afterPrinting},
        {Command::Reports,
         CommandMenu::MenuBar,
         QStringLiteral("&Reports"),
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
        QStringLiteral("No active records for current filter. Nothing to copy");
    const struct {
        Command command;
        const char* what;
        const char* file;
        const char* message;
    } printing[] = {
        {Command::Labels, "labels", "RVPLSU.DBF", "Unable to Open RVPLSU.DBF (label setup file)"},
        {Command::Envelopes, "envelopes", "RVPESU.DBF",
         "Unable to Open RVPESU.DBF (envelope setup file)"},
        {Command::Letters, "letters", "RVPLTRS.DBF", "Unable to Open or Create RVPLTRS.DBF"},
        {Command::Reports, "reports", "", ""},
        {Command::CalibratePrinter, "calibration pages", "", ""},
    };
    for (const auto& p : printing) {
        CommandPlan& c = plan(p.command);
        c.printingWhat = QString::fromLatin1(p.what);
        c.sideFile = QString::fromLatin1(p.file);
        c.sideFileMessage = QString::fromLatin1(p.message);
    }
    return plans;
}

}  // namespace

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
