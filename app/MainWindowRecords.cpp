// The main window's record work: command states, add, edit, save, cancel, delete and moving
// between records.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/BrowseGrid.h"
#include "app/BrowseModel.h"
#include "app/CommandStates.h"
#include "app/MainWindow.h"
#include "app/MemoWalk.h"
#include "app/OrderMenu.h"
#include "app/RecordPage.h"
#include "app/RecordSearch.h"
#include "data/DateText.h"
#include "data/RecordText.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "xbase/Error.h"

namespace rp {

bool MainWindow::hasCurrentRecord() const {
    return table_.isOpen() && table_->recNo() >= 1 && table_->recNo() <= table_->recordCount() &&
           !table_->eof();
}

void MainWindow::updateCommandStates() {
    const CommandStates s = computeCommandStates(table_.isOpen(), editing_, hasCurrentRecord(),
                                                 !filterExpression_.isEmpty(), readOnly_);
    fileMenu_->menuAction()->setEnabled(s.fileMenu);
    utilitiesMenu_->menuAction()->setEnabled(s.recordMenus);
    orderMenu_->menu()->menuAction()->setEnabled(s.recordMenus);
    rebuildIndexes_->setEnabled(s.openCommands && s.changeCommands);
    clone_->setEnabled(s.recordMenus && s.changeCommands);
    for (const auto& [command, action] : commandActions_) {
        const CommandPlan& plan = planFor(command);
        const bool allowed = (plan.menu == CommandMenu::File ? s.openCommands : s.recordMenus) &&
                             (!plan.changesRecords || s.changeCommands);
        action->setEnabled(allowed && commandDialogs_.count(command) > 0);
    }
    record_->searchButton->setVisible(s.recordCommandsShown);
    record_->searchButton->setText(s.searchCaption);
    record_->searchMemoButton->setVisible(s.recordCommandsShown);
    record_->dialButton->setVisible(s.recordCommandsShown);
    record_->dialButton->setEnabled(static_cast<bool>(services_.phoneDialer));
    record_->findNextButton->setVisible(!editing_ && memoSearch_.found());
    record_->saveButton->setVisible(s.saveCancelShown);
    record_->cancelButton->setVisible(s.saveCancelShown);
    record_->saveButton->setText(s.saveCaption);
    record_->cancelButton->setText(s.cancelCaption);
    record_->addButton->setVisible(s.addShown);
    record_->addButton->setEnabled(s.addShown);
    record_->addButton->setText(s.addCaption);
    for (QPushButton* b : {record_->editButton, record_->deleteButton}) {
        b->setVisible(s.editDeleteShown);
        b->setEnabled(s.editDeleteShown);
    }
    record_->editButton->setText(s.editCaption);
    record_->deleteButton->setText(s.deleteCaption);
    for (QPushButton* b : {record_->priorButton, record_->nextButton, browsePrior_, browseNext_})
        b->setVisible(s.recordCommandsShown);
    filterPicture_->setVisible(s.filterPicture);
    record_->setEditable(editing_);
    record_->memo()->setReadOnly(!editing_ && !s.editDeleteShown);
    if (editing_ && !record_->isRecordControl(QApplication::focusWidget()))
        record_->field("LNAME")->setFocus();
}

void MainWindow::afterRecordChange() {
    record_->showRecord(table_.isOpen() ? &table_.table() : nullptr, prefs_.shortDateFmt);
}

// The grid is recounted only while it shows: counting a filtered million-record file reads
// every record, and the record page has no use for it.
void MainWindow::reloadView() {
    if (currentPage() == 1) model_->reset();
    afterRecordChange();
}

void MainWindow::onEditClicked() {
    if (!hasCurrentRecord() || editing_) return;
    editing_ = true;
    if (reactingToTableEvents_) updateCommandStates();
}

void MainWindow::insertRecord() {
    carry_ = readCarryValues(table_.table());
    table_->appendBlank();
    editing_ = true;
    if (!reactingToTableEvents_) return;
    applyInsertReactions(table_.table(), carry_, prefs_);
    afterRecordChange();
    updateCommandStates();
    record_->field("LNAME")->setFocus();
}

void MainWindow::onAddClicked() {
    if (!table_.isOpen() || editing_ || currentPage() != 0) return;
    carry_ = readCarryValues(table_.table());
    NewRecordValues values;
    if (prefs_.plugCityState || prefs_.autoDupCheck) {
        const auto answer = services_.newRecordPrompt(prefs_.plugCityState, prefs_.autoDupCheck);
        if (!answer) return;
        values = *answer;
    }
    if (!values.zip.isEmpty() && prefs_.plugCityState)
        fillCityState(table_.table(), values.zip, values.city, values.state);
    if (!checkDupName(table_.table(), values.firstName, values.lastName)) {
        afterRecordChange();
        updateCommandStates();
        return;
    }
    record_->memo()->clear();
    insertRecord();
    fillNewRecord(table_.table(), values);
    afterRecordChange();
    updateCommandStates();
    const char* focus = fieldText(table_.table(), "LNAME").isEmpty()   ? "LNAME"
                        : fieldText(table_.table(), "FNAME").isEmpty() ? "FNAME"
                                                                       : "MIDDLE";
    record_->field(focus)->setFocus();
}

bool MainWindow::storeRecord() {
    xbase::Table& t = table_.table();
    for (const QString& name : RecordPage::fieldOrder()) {
        const QByteArray field = name.toLatin1();
        if (name == QLatin1String("DATE")) continue;
        const QString typed = record_->field(name)->text();
        if (typed != fieldText(t, field.constData())) setFieldText(t, field.constData(), typed);
    }
    const auto day = parseDate(record_->dateText(), prefs_.shortDateFmt);
    if (!day) {
        showInformation(record_->dateText() + QStringLiteral(" is not a valid date"));
        record_->field("DATE")->setFocus();
        return false;
    }
    if (*day != t.date("DATE")) {
        if (*day == 0)
            t.setEmpty(t.fieldNumber("DATE"));
        else
            t.setDate("DATE", *day);
    }
    const QString memo = memoForSave(record_->memo()->toPlainText());
    if (memo != memoText(t, "MEMO")) setMemoText(t, "MEMO", memo);
    return true;
}

void MainWindow::onSaveClicked() {
    if (!editing_) return;
    try {
        if (!storeRecord()) return;
        table_->post();
        table_->commit();
    } catch (const UnstorableText& e) {
        showInformation(errorText(e));
        return;
    } catch (const xbase::Error& e) {
        showError(e);
        return;
    }
    editing_ = false;
    reloadView();
    updateCommandStates();
}

void MainWindow::onCancelClicked() {
    if (!editing_) return;
    table_->cancel();
    editing_ = false;
    reloadView();
    updateCommandStates();
}

void MainWindow::onDeleteClicked() {
    if (!hasCurrentRecord() || editing_) return;
    if (!askYesNo(QStringLiteral("Delete this record?"))) return;
    engine_.settings.hideDeleted = false;
    QApplication::processEvents();
    try {
        table_->deleteRecord();
        table_->setText("PREFIX", "DELETED");
        table_->post();
        table_->commit();
    } catch (const xbase::Error& e) {
        table_->cancel();
        showError(e);
    }
    engine_.settings.hideDeleted = true;
    table_->skip(1);
    if (table_->eof()) table_->goBottom();
    reloadView();
    updateCommandStates();
}

void MainWindow::moveRecord(int direction) {
    if (!hasCurrentRecord() || editing_) return;
    table_->skip(direction);
    if (direction > 0 && table_->eof()) {
        table_->goBottom();
        beep();
    } else if (direction < 0 && table_->bof()) {
        beep();
    }
    afterRecordChange();
    if (currentPage() == 1) grid_->selectRow(model_->rowOf(table_->recNo()));
    updateCommandStates();
}

void MainWindow::onPriorClicked() {
    moveRecord(-1);
}

void MainWindow::onNextClicked() {
    moveRecord(1);
}

}  // namespace rp

namespace rp {

void MainWindow::onSearchClicked() {
    if (!hasCurrentRecord() || editing_) return;
    const QString dateLine =
        orderMenu_->currentTag() == QLatin1String("DATE") ? prefs_.shortDateFmt : QString();
    const auto input = services_.searchPrompt(orderMenu_->currentCaption(), dateLine);
    if (input && searchFor(table_.table(), orderMenu_->currentTag(), *input, prefs_.shortDateFmt))
        afterRecordChange();
    updateCommandStates();
}

void MainWindow::onSearchMemoClicked() {
    if (!hasCurrentRecord() || editing_) return;
    const auto text = services_.memoSearchPrompt(memoSearch_.text());
    if (!text) return;
    memoSearch_.setText(*text);
    findTextInMemo(memoSearch_, table_.table(), MemoWalkStart::First, this, grid_);
    afterRecordChange();
    updateCommandStates();
}

void MainWindow::onFindNextClicked() {
    if (!hasCurrentRecord() || editing_ || !memoSearch_.found()) return;
    findTextInMemo(memoSearch_, table_.table(), MemoWalkStart::AfterCurrent, this, grid_);
    afterRecordChange();
    updateCommandStates();
}

}  // namespace rp
