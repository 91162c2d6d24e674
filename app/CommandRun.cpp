#include "app/CommandRun.h"

#include <QFile>
#include <algorithm>

#include "app/FilterBuilder.h"
#include "app/FilterPage.h"
#include "app/MainWindow.h"
#include "data/AddressFile.h"
#include "data/AddressLayout.h"
#include "framework/Messages.h"
#include "framework/PrinterAccess.h"

namespace rp {

CommandRun::CommandRun(MainWindow& main, const CommandPlan& plan, const CommandDialog& dialog)
    : main_(main), plan_(plan), dialog_(dialog), own_(main.engine_) {
    context_.parent = &main;
    context_.table = &main.table_;
    context_.programFolder = main.dataFolder_;
    context_.userExpression = main.filterExpression;
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
    main_.updateCommandStates();
    if (!failure_.isEmpty()) messages().error(QStringLiteral("Ravenpost"), failure_);
}

void CommandRun::fail(const std::exception& e) {
    if (failure_.isEmpty()) failure_ = QString::fromLocal8Bit(e.what());
}

CommandRun::Outcome CommandRun::prepare(Prepare step) {
    AddressTable& table = main_.table_;
    switch (step) {
        case Prepare::RequireFile:
            if (table.isOpen()) return Outcome::Go;
            showInformation(plan_.stopMessage);
            return Outcome::Stop;
        case Prepare::PrinterCheck:
            if (!main_.printers || !main_.printers->anyInstalled()) {
                showInformation(QStringLiteral("There are no installed printers.\r\nPrinting ") +
                                plan_.printingWhat + QStringLiteral(" is not feasible"));
                return Outcome::Stop;
            }
            main_.printers->rememberSelection();
            return Outcome::Go;
        case Prepare::RecordsCheck:
            return table.isOpen() && table->visibleCount() > 0 ? Outcome::Go : Outcome::Stop;
        case Prepare::NoRecordsMessage:
            if (table.isOpen() && table->visibleCount() > 0) return Outcome::Go;
            showInformation(plan_.stopMessage);
            return Outcome::Stop;
        case Prepare::PauseReactions:
            main_.reactingToTableEvents = false;
            return Outcome::Go;
        case Prepare::RememberRecord:
            record_ = table->recNo();
            return Outcome::Go;
        case Prepare::RememberQuery:
            query_ = table->filter();
            return Outcome::Go;
        case Prepare::UserQueryOnly:
            table->setFilter(main_.filterExpression.toStdString());
            return Outcome::Go;
        case Prepare::Freeze:
            main_.setFrozen(true);
            return Outcome::Go;
        case Prepare::FilterChoice:
        case Prepare::FilterChoiceDisableOnly:
            context_.filterChoice.filteredEnabled = !main_.filterExpression.isEmpty();
            context_.filterChoice.allRecordsForced =
                step == Prepare::FilterChoice && main_.filterExpression.isEmpty();
            return Outcome::Go;
        case Prepare::ExclusiveReopen:
            path_ = getDatabasePath(table) + table.fileName();
            table.close();
            if (QString cause; !openAddressTable(path_, own_, {}, &cause)) {
                showInformation(
                    withCause(QStringLiteral("Unable to open this file exclusively. Possibly in "
                                             "use by another program or user"),
                              cause));
                return Outcome::SkipDialog;
            }
            context_.table = &own_;
            return Outcome::Go;
        case Prepare::DialogQuery:
            context_.table->table().setFilter(kStandingCondition.toStdString());
            return Outcome::Go;
        case Prepare::OpenSideFile:
        case Prepare::OpenOrCreateSideFile:
            if (openSideFile(step == Prepare::OpenOrCreateSideFile)) return Outcome::Go;
            showInformation(withCause(plan_.sideFileMessage, sideFileCause_));
            return Outcome::SkipDialog;
    }
    return Outcome::Go;
}

bool CommandRun::openSideFile(bool mayCreate) {
    const QString path = main_.dataFolder_ + plan_.sideFile;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            context_.sideTable = openSideTable(main_.engine_, path);
            context_.sideTable->goTop();
            return true;
        } catch (const std::exception& e) {
            context_.sideTable.reset();
            sideFileCause_ = errorText(e);
            if (!mayCreate || !dialog_.createSideFile || attempt > 0) return false;
        }
        try {
            dialog_.createSideFile(path);
        } catch (const std::exception& e) {
            sideFileCause_ = errorText(e);
            return false;
        }
    }
    return false;
}

void CommandRun::restore(Restore step) {
    AddressTable& table = main_.table_;
    switch (step) {
        case Restore::Reopen:
            own_.close();
            main_.openAddressFile(path_);
            break;
        case Restore::RecordPage:
            main_.showPage(0);
            main_.afterRecordChange();
            break;
        case Restore::SetButtons:
            main_.updateCommandStates();
            break;
        case Restore::ApplyFilter:
            if (table.isOpen())
                applyAddressFilter(table.table(), main_.filter_->lines(), main_.prefs_.shortDateFmt,
                                   main_.filterExpression);
            break;
        case Restore::FirstRecord:
            if (table.isOpen()) table->goTop();
            main_.afterRecordChange();
            break;
        case Restore::RememberedQuery:
            if (!table.isOpen()) break;
            table->setFilter(query_);
            table->setScope({}, {});
            break;
        case Restore::RememberedRecord:
            if (table.isOpen() && record_ >= 1 && record_ <= table->recordCount())
                table->go(record_);
            main_.afterRecordChange();
            break;
        case Restore::Unfreeze:
            main_.setFrozen(false);
            break;
        case Restore::ResumeReactions:
            main_.reactingToTableEvents = true;
            break;
        case Restore::DeleteWorkFile:
            QFile::remove(main_.dataFolder_ + plan_.workFile);
            break;
        case Restore::Printer:
            main_.printers->restoreSelection();
            break;
    }
}

}  // namespace rp
