#include "app/CommandRun.h"

#include <QFile>
#include <algorithm>

#include "app/ExclusiveReopen.h"
#include "data/AddressLayout.h"
#include "framework/Messages.h"
#include "framework/PrinterAccess.h"

namespace rp {

CommandRun::CommandRun(CommandHost& host, const CommandPlan& plan, const CommandDialog& dialog)
    : host_(host), plan_(plan), dialog_(dialog), own_(host.engine()) {
    context_.parent = host.dialogParent();
    context_.table = &host.addressTable();
    context_.programFolder = host.dataFolder();
    context_.userExpression = host.userExpression();
}

void CommandRun::run() {
    bool showDialog = true;
    try {
        for (Prepare step : plan_.prepare) {
            const Outcome outcome = prepare(step);
            if (outcome == Outcome::Stop) {  // the checks that stop come before any change
                done_.clear();
                showDialog = false;
                break;
            }
            done_.push_back(step);
            if (outcome == Outcome::SkipDialog) {
                showDialog = false;
                break;
            }
        }
        if (showDialog) dialog_.run(context_);
    } catch (const std::exception& e) {
        fail(e);
    }
    for (Restore step : plan_.restore) {
        if (std::none_of(done_.begin(), done_.end(),
                         [step](Prepare p) { return followsFrom(step, p); }))
            continue;
        try {
            restore(step);
        } catch (const std::exception& e) {
            fail(e);
        }
    }
    host_.updateCommandStates();
    if (!failure_.isEmpty())
        messages().error(QStringLiteral("Ravenpost"), failure_);  // the program's name
}

void CommandRun::fail(const std::exception& e) {
    if (failure_.isEmpty()) failure_ = errorText(e);
}

CommandRun::Outcome CommandRun::prepare(Prepare step) {
    AddressTable& table = host_.addressTable();
    switch (step) {
        case Prepare::RequireFile:
            if (table.isOpen()) return Outcome::Go;
            showInformation(planText(plan_.stopMessage));
            return Outcome::Stop;
        case Prepare::PrinterCheck:
            if (!host_.printers() || !host_.printers()->anyInstalled()) {
                showInformation(planText(plan_.noPrinterMessage));
                return Outcome::Stop;
            }
            host_.printers()->rememberSelection();
            return Outcome::Go;
        case Prepare::RecordsCheck:
            return table.isOpen() && table->visibleCount() > 0 ? Outcome::Go : Outcome::Stop;
        case Prepare::NoRecordsMessage:
            if (table.isOpen() && table->visibleCount() > 0) return Outcome::Go;
            showInformation(planText(plan_.stopMessage));
            return Outcome::Stop;
        case Prepare::PauseReactions:
            host_.setReactingToTableEvents(false);
            return Outcome::Go;
        case Prepare::RememberRecord:
            record_ = table->recNo();
            return Outcome::Go;
        case Prepare::RememberQuery:
            query_ = table->filter();
            return Outcome::Go;
        case Prepare::UserQueryOnly:
            table->setFilter(host_.userExpression().toStdString());
            return Outcome::Go;
        case Prepare::Freeze:
            host_.setFrozen(true);
            return Outcome::Go;
        case Prepare::FilterChoice:
        case Prepare::FilterChoiceDisableOnly:
            context_.filterChoice.filteredEnabled = !host_.userExpression().isEmpty();
            context_.filterChoice.allRecordsForced =
                step == Prepare::FilterChoice && host_.userExpression().isEmpty();
            return Outcome::Go;
        case Prepare::ExclusiveReopen:
            path_ = getDatabasePath(table) + table.fileName();
            table.close();
            if (!reopenExclusively(path_, own_)) return Outcome::SkipDialog;
            context_.table = &own_;
            return Outcome::Go;
        case Prepare::AloneWhenShared: {
            if (!table.isOpen() || table->mode() != xbase::OpenMode::Shared) return Outcome::Go;
            const int order = table->order();
            sharedPath_ = getDatabasePath(table) + table.fileName();
            table.close();
            if (!reopenExclusively(sharedPath_, table)) return Outcome::SkipDialog;
            table->setOrder(order);
            host_.applyFilter();
            return Outcome::Go;
        }
        case Prepare::DialogQuery:
            context_.table->table().setFilter(kStandingCondition.toStdString());
            return Outcome::Go;
        case Prepare::OpenSideFile:
        case Prepare::OpenOrCreateSideFile:
            if (openSideFile(step == Prepare::OpenOrCreateSideFile)) return Outcome::Go;
            showInformation(withCause(planText(plan_.sideFileMessage), sideFileCause_));
            return Outcome::SkipDialog;
    }
    return Outcome::Go;
}

bool CommandRun::openSideFile(bool mayCreate) {
    // A side file is created only where none exists in any letter case: one that is there but
    // cannot be opened (in use, damaged, unreadable) is left as it is and the cause told.
    const QString wanted = host_.dataFolder() + plan_.sideFile;
    const QString existing = existingFileInAnyCase(wanted);
    try {
        if (existing.isEmpty() && mayCreate && dialog_.createSideFile) {
            dialog_.createSideFile(host_.engine(), wanted);
            context_.sideTable =
                host_.engine().open(enginePath(wanted), xbase::OpenMode::Exclusive);
        } else {
            const QString path = existing.isEmpty() ? wanted : existing;
            context_.sideTable = openSideTable(host_.engine(), path);
            if (const auto notice = indexRebuiltNotice(*context_.sideTable, path))
                showInformation(*notice);
        }
        context_.sideTable->goTop();
        return true;
    } catch (const std::exception& e) {
        context_.sideTable.reset();
        sideFileCause_ = errorText(e);
        return false;
    }
}

void CommandRun::restore(Restore step) {
    AddressTable& table = host_.addressTable();
    switch (step) {
        case Restore::Reopen:
            own_.close();
            host_.reopenAddressFile(path_);
            break;
        case Restore::SharedAgain:
            if (!sharedPath_.isEmpty()) host_.reopenAddressFile(sharedPath_);
            break;
        case Restore::RecordPage:
            host_.showRecordPage();
            break;
        case Restore::SetButtons:
            host_.updateCommandStates();
            break;
        case Restore::ApplyFilter:
            if (table.isOpen()) host_.applyFilter();
            break;
        case Restore::FirstRecord:
            if (table.isOpen()) table->goTop();
            host_.showCurrentRecord();
            break;
        case Restore::RememberedQuery:
            if (!table.isOpen()) break;
            table->setFilter(query_);
            table->setScope({}, {});
            break;
        case Restore::RememberedRecord:
            if (table.isOpen() && record_ >= 1 && record_ <= table->recordCount())
                table->go(record_);
            host_.showCurrentRecord();
            break;
        case Restore::Unfreeze:
            host_.setFrozen(false);
            break;
        case Restore::ResumeReactions:
            host_.setReactingToTableEvents(true);
            break;
        case Restore::DeleteWorkFile:
            QFile::remove(host_.dataFolder() + plan_.workFile);
            break;
        case Restore::Printer:
            host_.printers()->restoreSelection();
            break;
    }
}

}  // namespace rp
