// The main window's record work: the command states, the record editor's buttons and signals,
// showing the current record, searching and dialling.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/BrowseGrid.h"
#include "app/BrowseModel.h"
#include "app/CommandStates.h"
#include "app/MainWindow.h"
#include "app/MemoWalk.h"
#include "app/OrderMenu.h"
#include "app/RecordPage.h"
#include "app/RecordSearch.h"
#include "framework/ErrorReport.h"

namespace rp {

void MainWindow::updateCommandStates() {
    const bool editing = editor_.editing();
    const CommandStates s = editor_.commandStates(!filterExpression_.isEmpty());
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
    record_->findNextButton->setVisible(!editing && memoSearch_.found());
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
    record_->setEditable(editing);
    record_->memo()->setReadOnly(!editing && !s.editDeleteShown);
    if (editing && !record_->isRecordControl(QApplication::focusWidget()))
        record_->field("LNAME")->setFocus();
}

// The record page's buttons and the record editor's signals. Add and Clone work on the record
// page only.
void MainWindow::bindRecordEditor() {
    connect(record_->addButton, &QPushButton::clicked, this, guarded([this] {
                if (currentPage() == 0) editor_.add();
            }));
    connect(record_->editButton, &QPushButton::clicked, this, guarded([this] { editor_.edit(); }));
    connect(record_->saveButton, &QPushButton::clicked, this,
            guarded([this] { editor_.save(record_->typedRecord()); }));
    connect(record_->cancelButton, &QPushButton::clicked, this,
            guarded([this] { editor_.cancel(); }));
    connect(record_->deleteButton, &QPushButton::clicked, this,
            guarded([this] { editor_.deleteRecord(); }));
    for (QPushButton* b : {record_->priorButton, browsePrior_})
        connect(b, &QPushButton::clicked, this, guarded([this] { editor_.prior(); }));
    for (QPushButton* b : {record_->nextButton, browseNext_})
        connect(b, &QPushButton::clicked, this, guarded([this] { editor_.next(); }));
    connect(record_, &RecordPage::fieldDoubleClicked, this, guarded([this] { editor_.edit(); }));
    connect(record_, &RecordPage::memoTyped, this, guarded([this] {
                if (!editor_.editing() && record_->editButton->isVisible() &&
                    record_->editButton->isEnabled())
                    editor_.edit();
            }));
    connect(record_, &RecordPage::spellingNoted, this,
            [this](const QString& note) { statusBar()->showMessage(note, 8000); });

    connect(&editor_, &RecordEditor::currentChanged, this, &MainWindow::showMovedRecord);
    connect(&editor_, &RecordEditor::recordsChanged, this, &MainWindow::reloadView);
    connect(&editor_, &RecordEditor::statesChanged, this, &MainWindow::updateCommandStates);
    connect(&editor_, &RecordEditor::focusRequested, this,
            [this](const QString& name) { record_->field(name)->setFocus(); });
    connect(&editor_, &RecordEditor::typingModeChanged, this,
            [this](bool insert) { typingMode_->setText(insert ? tr("Insert") : tr("Overwrite")); });

    connect(record_->searchButton, &QPushButton::clicked, this,
            guarded(this, &MainWindow::onSearchClicked));
    connect(record_->searchMemoButton, &QPushButton::clicked, this,
            guarded(this, &MainWindow::onSearchMemoClicked));
    connect(record_->findNextButton, &QPushButton::clicked, this,
            guarded(this, &MainWindow::onFindNextClicked));
    connect(record_->dialButton, &QPushButton::clicked, this,
            guarded(this, &MainWindow::onDialClicked));
}

void MainWindow::afterRecordChange() {
    record_->showRecord(table_.isOpen() ? &table_.table() : nullptr, prefs_.shortDateFmt);
}

// The current record again, and on the Browse page its row.
void MainWindow::showMovedRecord() {
    afterRecordChange();
    if (currentPage() == 1) grid_->selectRow(model_->rowOf(table_->recNo()));
}

// The grid is recounted only while it shows: counting a filtered million-record file reads
// every record, and the record page has no use for it.
void MainWindow::reloadView() {
    if (currentPage() == 1) model_->reset();
    afterRecordChange();
}

void MainWindow::followOthers() {
    // A dialog of another command works on the table meanwhile, or the user edits a record:
    // the changes are looked at on a later tick.
    if (!table_.isOpen() || editor_.editing() || frozen_ || !editor_.reactingToTableEvents() ||
        !table_->othersChanged())
        return;
    if (table_->eof())
        table_->goTop();
    else
        table_->go(table_->recNo());  // the record as the file now holds it
    reloadView();
    if (currentPage() == 1) grid_->selectRow(model_->rowOf(table_->recNo()));
    updateCommandStates();
}

void MainWindow::onSearchClicked() {
    if (!editor_.hasCurrentRecord() || editor_.editing()) return;
    const QString dateLine =
        orderMenu_->currentTag() == QLatin1String("DATE") ? prefs_.shortDateFmt : QString();
    const auto input = services_.searchPrompt(orderMenu_->currentCaption(), dateLine);
    if (input && searchFor(table_.table(), orderMenu_->currentTag(), *input, prefs_.shortDateFmt))
        afterRecordChange();
    updateCommandStates();
}

void MainWindow::onSearchMemoClicked() {
    if (!editor_.hasCurrentRecord() || editor_.editing()) return;
    const auto text = services_.memoSearchPrompt(memoSearch_.text());
    if (!text) return;
    memoSearch_.setText(*text);
    findTextInMemo(memoSearch_, table_.table(), MemoWalkStart::First, this, grid_);
    afterRecordChange();
    updateCommandStates();
}

void MainWindow::onFindNextClicked() {
    if (!editor_.hasCurrentRecord() || editor_.editing() || !memoSearch_.found()) return;
    findTextInMemo(memoSearch_, table_.table(), MemoWalkStart::AfterCurrent, this, grid_);
    afterRecordChange();
    updateCommandStates();
}

void MainWindow::onDialClicked() {
    if (services_.phoneDialer && editor_.hasCurrentRecord() && !editor_.editing())
        services_.phoneDialer(record_->field("PHONE")->text());
}

}  // namespace rp
