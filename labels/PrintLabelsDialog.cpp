#include "labels/PrintLabelsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/SideGridModel.h"
#include "framework/ErrorReport.h"
#include "framework/PrintDialogs.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordGrid.h"
#include "labels/LabelSheet.h"
#include "labels/LabelSheetPicker.h"
#include "xbase/Table.h"

namespace rp {
PrintLabelsDialog::PrintLabelsDialog(xbase::Table& addresses, xbase::Table& setups,
                                     const QString& programFolder, PrinterCatalog& catalog,
                                     PresortRunner presort, bool filteredEnabled, QWidget* parent)
    : Dialog(parent, HelpTopic::PrintLabels),
      setups_(setups),
      catalog_(catalog),
      list_(setups),
      job_(addresses, programFolder, catalog, std::move(presort), this) {
    setWindowTitle(tr("Print Labels"));
    setModal(true);

    // The label setups.
    model_ = new SideGridModel(
        setups_, {{"DESCRIPT", tr("Description")}, {"USERLABELN", tr("Label Type")}}, {}, this);
    grid_ = makeRecordGrid(this);
    grid_->setModel(model_);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setWordWrap(false);
    grid_->setMinimumSize(520, 180);
    grid_->setWhatsThis(tr("Your label setups; the one chosen prints."));
    grid_->setAccessibleName(tr("Label setups"));
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            guarded([this] { showTableRow(); }));
    new_ = makeCommandButton(tr("New"),
                             tr("Designs a new label setup, starting from the one chosen."), this);
    modify_ = makeCommandButton(tr("Modify"), tr("Changes the chosen label setup in the designer."),
                                this);
    delete_ =
        makeCommandButton(tr("Delete"), tr("Removes the chosen label setup, after asking."), this);
    connect(new_, &QPushButton::clicked, this, guarded(this, &PrintLabelsDialog::onNewClicked));
    connect(modify_, &QPushButton::clicked, this,
            guarded(this, &PrintLabelsDialog::onModifyClicked));
    connect(delete_, &QPushButton::clicked, this,
            guarded(this, &PrintLabelsDialog::onDeleteClicked));
    auto* setupBox = new QGroupBox(tr("Select Label Setup"), this);
    auto* setupButtons = new QHBoxLayout;
    for (QPushButton* b : {new_, modify_, delete_}) setupButtons->addWidget(b);
    setupButtons->addStretch();
    auto* setupLayout = new QVBoxLayout(setupBox);
    setupLayout->addWidget(grid_, 1);
    setupLayout->addLayout(setupButtons);

    // What to print.
    all_ = new QRadioButton(tr("All records"), this);
    filtered_ = new QRadioButton(tr("Records matching filter"), this);
    current_ = new QRadioButton(tr("Only current record"), this);
    all_->setWhatsThis(tr("Prints a label for every record of the file."));
    filtered_->setWhatsThis(tr("Prints labels for the records of the filter in force."));
    current_->setWhatsThis(tr("Prints labels for the record shown in the main window only."));
    startFromCurrent_ = new QCheckBox(tr("Start from current record"), this);
    startFromCurrent_->setWhatsThis(
        tr("Starts with the record shown in the main window instead of the first record."));
    presort_ = new QCheckBox(tr("Presort for Bulk Mail"), this);
    presort_->setWhatsThis(
        tr("Prints the labels in bulk-mail presort order, each group after a label naming it."));
    households_ = new QCheckBox(tr("One per household"), this);
    households_->setWhatsThis(
        tr("Prints one label for the records with the same street and ZIP code, addressed to "
           "the household (\"The Smith Family\" when their last names agree)."));
    copies_ = new QSpinBox(this);
    copies_->setRange(1, kMaxCopies);
    copies_->setValue(1);
    copies_->setWhatsThis(tr("How many labels to print for each record, side by side."));
    auto* copiesLabel = new QLabel(tr("# copies of each label"), this);
    copiesLabel->setBuddy(copies_);
    if (filteredEnabled)
        filtered_->setChecked(true);
    else {
        filtered_->setEnabled(false);
        all_->setChecked(true);
    }
    for (QRadioButton* b : {all_, filtered_, current_})
        connect(b, &QRadioButton::clicked, this,
                guarded(this, &PrintLabelsDialog::onRecordsChoiceClicked));
    connect(startFromCurrent_, &QCheckBox::toggled, this, [this] { job_.clearPresort(); });
    auto* printBox = new QGroupBox(tr("Print"), this);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(copies_);
    copiesRow->addWidget(copiesLabel);
    copiesRow->addStretch();
    auto* printLayout = new QVBoxLayout(printBox);
    for (QWidget* w : std::initializer_list<QWidget*>{all_, filtered_, current_, startFromCurrent_,
                                                      presort_, households_})
        printLayout->addWidget(w);
    printLayout->addLayout(copiesRow);
    printLayout->addStretch();

    // The printer.
    printers_ = new QComboBox(this);
    printers_->addItems(catalog_.names());
    printers_->setWhatsThis(tr("The printer the labels go to."));
    connect(printers_, &QComboBox::activated, this,
            [this](int index) { catalog_.select(printers_->itemText(index)); });
    auto* printerSetup =
        makeCommandButton(tr("Printer Setup"), tr("Sets up the chosen printer."), this);
    connect(printerSetup, &QPushButton::clicked, this,
            guarded(this, &PrintLabelsDialog::onPrinterSetupClicked));
    auto* printerBox = new QGroupBox(tr("Printer"), this);
    auto* printerLayout = new QHBoxLayout(printerBox);
    printerLayout->addWidget(printers_, 1);
    printerLayout->addWidget(printerSetup);

    printNow_ = makeCommandButton(tr("Print Now"), tr("Prints the labels."), this);
    preview_ = makeCommandButton(tr("Preview"), tr("Shows the labels as they will print."), this);
    auto* cancel = makeCommandButton(tr("Cancel"), tr("Closes this window."), this);
    connect(printNow_, &QPushButton::clicked, this,
            guarded(this, &PrintLabelsDialog::onPrintNowClicked));
    connect(preview_, &QPushButton::clicked, this,
            guarded(this, &PrintLabelsDialog::onPreviewClicked));
    connect(cancel, &QPushButton::clicked, this, &PrintLabelsDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {printNow_, preview_, cancel}) buttons->addWidget(b);
    buttons->addWidget(makeHelpButton());
    buttons->addWidget(makePointerHelpButton());

    // The first free label of a partly used sheet, typed or clicked on the sheet's picture.
    startBox_ = new QGroupBox(tr("Start at label"), this);
    startLabel_ = new QSpinBox(startBox_);
    startLabel_->setRange(1, 1);
    startLabel_->setWhatsThis(
        tr("The first free label of the first sheet, counted across, then "
           "down; the labels before it stay empty."));
    sheetPicker_ = new LabelSheetPicker(startBox_);
    sheetPicker_->setWhatsThis(tr("Click the first free label of a partly used sheet."));
    connect(startLabel_, &QSpinBox::valueChanged, sheetPicker_, &LabelSheetPicker::setStartLabel);
    connect(sheetPicker_, &LabelSheetPicker::labelPicked, startLabel_, &QSpinBox::setValue);
    auto* startLayout = new QHBoxLayout(startBox_);
    startLayout->addWidget(startLabel_, 0, Qt::AlignTop);
    startLayout->addWidget(sheetPicker_);
    startLayout->addStretch();
    auto* printerColumn = new QVBoxLayout;
    printerColumn->addWidget(printerBox);
    printerColumn->addWidget(startBox_);
    printerColumn->addStretch();

    auto* choices = new QHBoxLayout;
    choices->addWidget(printBox, 1);
    choices->addLayout(printerColumn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->addWidget(setupBox, 1);
    layout->addLayout(choices);
    layout->addLayout(buttons);

    showCurrentRecord();
}

PrintLabelsDialog::~PrintLabelsDialog() = default;

void PrintLabelsDialog::setDesigner(LabelDesignerFn designer) {
    designer_ = std::move(designer);
    setLabelButtons();
}

void PrintLabelsDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    reportErrors([this] { onFormActivated(); });
}

void PrintLabelsDialog::onFormActivated() {
    showSetup();
    setLabelButtons();
}

// The printer of this dialog, selected in the printer list.
void PrintLabelsDialog::showSetup() {
    printers_->setCurrentIndex(printers_->findText(catalog_.selected()));
}

void PrintLabelsDialog::setLabelButtons() {
    const LabelSetupButtons states = list_.setLabelButtons();
    modify_->setEnabled(states.modify && designer_);
    new_->setEnabled(states.add && designer_);
    delete_->setEnabled(states.remove);
    printNow_->setEnabled(states.printNow);
    preview_->setEnabled(states.preview);
    grid_->setEnabled(states.list);
}

LabelPrintRequest PrintLabelsDialog::request() const {
    LabelPrintRequest r;
    r.setup = list_.currentSetup();
    r.records = current_->isChecked() ? LabelRecords::Current
                : all_->isChecked()   ? LabelRecords::All
                                      : LabelRecords::Filtered;
    r.startFromCurrent = startFromCurrent_->isChecked();
    r.presort = presort_->isChecked() && r.records != LabelRecords::Current;
    r.copies = copies_->value();
    r.households = households_->isChecked();
    r.startLabel = startBox_->isHidden() ? 1 : startLabel_->value();
    return r;
}

void PrintLabelsDialog::onRecordsChoiceClicked() {
    job_.clearPresort();
    const bool single = current_->isChecked();
    if (single) presort_->setChecked(false);
    presort_->setEnabled(!single);
}

void PrintLabelsDialog::onNewClicked() {
    if (!designer_) return;
    list_.createNew(designer_);
    showCurrentRecord();
    showSetup();
    setLabelButtons();
}

void PrintLabelsDialog::onModifyClicked() {
    if (!designer_) return;
    list_.modify(designer_);
    showCurrentRecord();
    showSetup();
    setLabelButtons();
}

void PrintLabelsDialog::onDeleteClicked() {
    list_.deleteCurrent();
    showCurrentRecord();
    setLabelButtons();
}

void PrintLabelsDialog::onPrintNowClicked() {
    if (!list_.hasCurrent()) return;
    job_.printNow(request());
}

void PrintLabelsDialog::onPreviewClicked() {
    if (!list_.hasCurrent()) return;
    job_.preview(request());
}

void PrintLabelsDialog::onPrinterSetupClicked() {
    printDialogs().setup(catalog_.printer());
    showSetup();
}

// The setup file follows the list's current row.
void PrintLabelsDialog::showTableRow() {
    const QModelIndex index = grid_->currentIndex();
    const std::uint32_t recno = index.isValid() ? model_->recordAt(index.row()) : 0;
    if (recno != 0 && (setups_.eof() || setups_.recNo() != recno)) setups_.go(recno);
    showSheet();
}

// The sheet of the chosen setup's stock; a start beyond its last label goes back to label 1.
// Only a sheet of more than one label has a start to choose.
void PrintLabelsDialog::showSheet() {
    const LabelSetup setup = list_.currentSetup();
    const int labels = labelsPerSheet(setup);
    startBox_->setVisible(labels > 1);
    if (startLabel_->value() > labels) startLabel_->setValue(1);
    startLabel_->setRange(1, std::max(labels, 1));
    sheetPicker_->setSheet(setup);
    sheetPicker_->setStartLabel(startLabel_->value());
}

// The list walked again and its row put on the setup file's current record.
void PrintLabelsDialog::showCurrentRecord() {
    const std::uint32_t recno = setups_.eof() ? 0 : setups_.recNo();
    model_->refresh();
    grid_->resizeColumnsToContents();
    showSheet();
    const int row = model_->rowOfRecord(recno);
    if (row < 0) return;
    const QSignalBlocker block(grid_->selectionModel());
    grid_->setCurrentIndex(model_->index(row, 0));
    grid_->selectRow(row);
}

}  // namespace rp
