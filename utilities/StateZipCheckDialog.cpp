#include "utilities/StateZipCheckDialog.h"

#include <QCheckBox>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/AddressTable.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "utilities/GridEditRow.h"
#include "utilities/GridNavigator.h"
#include "utilities/StateZipCheck.h"
#include "xbase/Table.h"

namespace rp {
namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

StateZipCheckDialog::StateZipCheckDialog(xbase::Table& table, const QString& programFolder,
                                         QWidget* parent)
    : BulkDialog(parent, HelpTopic::StateZipCheck), table_(table), folder_(programFolder) {
    setWindowTitle(tr("Check State and Zip  Codes"));
    setup_ = makeSetupPanel();
    results_ = makeResultsPanel();
    tablePanel_ = makeTablePanel();
    results_->hide();
    tablePanel_->hide();

    count_ = new QLabel(this);
    count_->hide();
    progressBar()->hide();

    close_ = makeCommandButton(tr("Close"), tr("Closes the window."), this);
    connect(close_, &QPushButton::clicked, this,
            guarded(this, &StateZipCheckDialog::onCloseClicked));
    editTable_ = makeCommandButton(
        tr("Edit State/Province File"),
        tr("Shows the State/Province file for editing; click again to stop editing it."), this);
    connect(editTable_, &QPushButton::clicked, this,
            guarded(this, &StateZipCheckDialog::onEditStateFileClicked));
    // The base's Help and pointer help buttons.
    help_ = helpButtons()->findChild<QPushButton*>();
    pointerHelp_ = helpButtons()->findChild<QToolButton*>();
    cancel_ =
        makeCommandButton(tr("Cancel"), tr("Stops the check after the record in hand."), this);
    connect(cancel_, &QPushButton::clicked, this, &StateZipCheckDialog::cancelClicked);
    cancel_->hide();

    layOutParts({setup_, results_, tablePanel_, progressBar(), count_},
                {close_, editTable_, cancel_});
}

StateZipCheckDialog::~StateZipCheckDialog() {
    // The grids go before the tables they show.
    stateModel_.reset();
    resultsModel_.reset();
}

QWidget* StateZipCheckDialog::makeSetupPanel() {
    auto* panel = new QWidget(this);
    auto* heading =
        new QLabel(tr("Check For State/Province  & Zipcode/Postal Code Anomolies"), panel);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* explanation = wrappedLabel(
        tr("A check will be performed by comparing the records in the file against the "
           "State/Province "
           "file, which contains a list of State/Zip Province/Postcode combinations. This file "
           "may be "
           "edited or added bo by clicking the 'Edit State/Province File' button below."),
        panel);
    blanks_ = new QCheckBox(
        tr("Include records with blank State/Province or Zip/Postcode entries?"), panel);
    blanks_->setWhatsThis(tr("Ticked: records with an empty state or ZIP are checked too."));
    check_ = new QPushButton(tr("Perform Check Now"), panel);
    check_->setDefault(true);
    check_->setWhatsThis(tr("Checks every record of the file against the State/Province file."));
    connect(check_, &QPushButton::clicked, this,
            guarded(this, &StateZipCheckDialog::onPerformCheckNowClicked));

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(heading);
    column->addWidget(explanation);
    column->addWidget(blanks_);
    column->addWidget(check_, 0, Qt::AlignHCenter);
    panel->setFixedWidth(480);
    return panel;
}

QWidget* StateZipCheckDialog::makeResultsPanel() {
    auto* panel = new QWidget(this);
    auto* text =
        wrappedLabel(tr("These records have questionable state/zip or province/postcode "
                        "combinations. You may edit "
                        "the contents to make changes. When you are done, press the Close button."),
                     panel);
    resultsGrid_ = makeRecordGrid(tr("The records found by the check, by last and first name. "
                                     "Changes go into the records themselves."),
                                  panel);
    resultsGrid_->setMinimumWidth(720);
    resultsGrid_->setAccessibleName(tr("Records found"));
    auto* navigator = new GridNavigator(resultsGrid_, GridNavigator::PriorName::Previous, panel);
    auto* edit = makeCommandButton(tr("Edit"), tr("Starts editing the current record."), panel);
    connect(edit, &QPushButton::clicked, this, guarded(this, &StateZipCheckDialog::onEditClicked));
    auto* save = makeCommandButton(tr("Save"), tr("Keeps the changes to the record."), panel);
    connect(save, &QPushButton::clicked, this, guarded(this, &StateZipCheckDialog::onSaveClicked));
    auto* cancel =
        makeCommandButton(tr("Cancel"), tr("Discards the changes to the record."), panel);
    connect(cancel, &QPushButton::clicked, this,
            guarded(this, &StateZipCheckDialog::onCancelEditClicked));

    auto* row = new QHBoxLayout;
    row->addWidget(navigator);
    row->addStretch();
    row->addWidget(edit);
    row->addWidget(save);
    row->addWidget(cancel);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(text);
    column->addWidget(resultsGrid_);
    column->addLayout(row);
    return panel;
}

QWidget* StateZipCheckDialog::makeTablePanel() {
    auto* panel = new QWidget(this);
    auto* first = new QLabel(
        tr("Make changes to the State/Province file to best reflect your country"), panel);
    auto* second = new QLabel(tr("Click on field to begin editing"), panel);
    stateGrid_ =
        makeRecordGrid(tr("The State/Province file: one range of ZIP or postal codes per row. "
                          "Click a field to change it; Insert adds a row at the end."),
                       panel);
    stateGrid_->setAccessibleName(tr("State/Province ZIP ranges"));
    auto* insert = new QShortcut(QKeySequence(Qt::Key_Insert), stateGrid_, nullptr, nullptr,
                                 Qt::WidgetShortcut);
    connect(insert, &QShortcut::activated, this,
            guarded(this, &StateZipCheckDialog::appendStateRow));
    auto* navigator = new GridNavigator(stateGrid_, GridNavigator::PriorName::Previous, panel);
    auto* edits = new GridEditRow(navigator, GridEditRow::Line::Row, panel);

    connect(edits, &GridEditRow::deleteClicked, this,
            guarded(this, &StateZipCheckDialog::onDeleteClicked));
    connect(edits, &GridEditRow::saveClicked, this,
            guarded(this, &StateZipCheckDialog::onSaveClicked));
    connect(edits, &GridEditRow::undoClicked, this,
            guarded(this, &StateZipCheckDialog::onUndoClicked));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(first);
    column->addWidget(second);
    column->addWidget(stateGrid_);
    column->addWidget(edits);
    return panel;
}

void StateZipCheckDialog::showChecking(bool checking) {
    help_->setVisible(!checking);
    pointerHelp_->setVisible(!checking);
    close_->setVisible(!checking);
    editTable_->setVisible(!checking);
    cancel_->setVisible(checking);
}

void StateZipCheckDialog::onPerformCheckNowClicked() {
    if (busy()) return;
    showChecking(true);
    setup_->hide();
    const bool includeBlanks = blanks_->isChecked();
    QString cause;
    std::unique_ptr<xbase::Table> states =
        openStateZipTable(table_.engine(), folder_, false, &cause);
    if (!states) {
        showInformation(withCause(tr("Unable to open RVPSZCK.DBF"), cause));
        showChecking(false);
        setup_->show();
        return;
    }
    progressBar()->setValue(0);
    progressBar()->show();
    count_->clear();
    count_->show();
    const BulkHooks bulk = hooks();
    const StateZipHooks check{
        bulk.progress,
        [this](std::uint32_t found) {
            // The English text says "records" whatever the count.
            count_->setText(tr("Found %n records with questionable state or zipcodes", nullptr,
                               static_cast<int>(found)));
        },
        bulk.keepGoing};
    const bool done = runBusy([&] {
        checkStateZip(table_, *states,
                      enginePath(folder_ + QString::fromLatin1(kStateZipWorkIndex)), includeBlanks,
                      check);
    });
    states.reset();
    progressBar()->hide();
    count_->hide();
    showChecking(false);
    if (!done) {
        setup_->show();
        return;
    }
    resultsModel_ = std::make_unique<RecordGridModel>(
        table_, std::vector<RecordGridModel::Column>{{"ZIP", tr("Zip/Postal Code")},
                                                     {"STATE", tr("State/Province")},
                                                     {"LNAME", tr("Last")},
                                                     {"FNAME", tr("First")},
                                                     {"ORG", tr("Organization")},
                                                     {"STREET", tr("Street Address")},
                                                     {"CITY", tr("City")},
                                                     {"COUNTRY", tr("Country")}});
    resultsGrid_->setModel(resultsModel_.get());
    resultsGrid_->resizeColumnsToContents();
    if (resultsModel_->rowCount() > 0) resultsGrid_->setCurrentIndex(resultsModel_->index(0, 0));
    results_->show();
    checked_ = true;
}

bool StateZipCheckDialog::confirmCancel() {
    return messages().question(tr("Information"), tr("Cancel operation?"), true);
}

void StateZipCheckDialog::onEditStateFileClicked() {
    if (!editingTable_) {
        QString cause;
        states_ = openStateZipTable(table_.engine(), folder_, true, &cause);
        if (!states_) {
            showInformation(withCause(tr("Unable to open RVPSZCK.DBF"), cause));
            return;
        }
        stateModel_ = std::make_unique<RecordGridModel>(
            *states_, std::vector<RecordGridModel::Column>{{"NAME", tr("State or Province")},
                                                           {"STATE", tr("Abbreviation")},
                                                           {"LOW_ZIP", tr("Starting Zip/Post")},
                                                           {"HIGH_ZIP", tr("Ending Zip/Post")}});
        stateGrid_->setModel(stateModel_.get());
        stateGrid_->resizeColumnsToContents();
        if (stateModel_->rowCount() > 0) stateGrid_->setCurrentIndex(stateModel_->index(0, 0));
        restingPanel()->hide();
        cancel_->setEnabled(false);
        editingTable_ = true;
        editTable_->setText(tr("Stop Editing"));
        tablePanel_->show();
        return;
    }
    stateGrid_->setModel(nullptr);
    stateModel_.reset();
    states_.reset();  // closing posts an edit under way
    tablePanel_->hide();
    editTable_->setText(tr("Edit State/Province File"));
    cancel_->setEnabled(true);
    editingTable_ = false;
    restingPanel()->show();
}

void StateZipCheckDialog::onCloseClicked() {
    if (!busy()) accept();
}

void StateZipCheckDialog::onEditClicked() {
    if (!resultsModel_ || resultsModel_->rowCount() == 0) return;
    QModelIndex current = resultsGrid_->currentIndex();
    if (!current.isValid()) current = resultsModel_->index(0, 0);
    resultsGrid_->setCurrentIndex(current);
    resultsGrid_->setFocus();
    resultsGrid_->edit(current);
}

void StateZipCheckDialog::onSaveClicked() {
    RecordGridModel* model = editingTable_ ? stateModel_.get() : resultsModel_.get();
    if (model) model->post();
}

void StateZipCheckDialog::onCancelEditClicked() {
    if (resultsModel_) resultsModel_->cancel();
}

void StateZipCheckDialog::onDeleteClicked() {
    if (stateModel_) stateModel_->deleteRow(stateGrid_->currentIndex().row());
}

void StateZipCheckDialog::onUndoClicked() {
    if (stateModel_) stateModel_->cancel();
}

void StateZipCheckDialog::appendStateRow() {
    if (!stateModel_) return;
    const int row = stateModel_->appendRow();
    stateGrid_->setCurrentIndex(stateModel_->index(row, 0));
    stateGrid_->edit(stateGrid_->currentIndex());
}

}  // namespace rp
