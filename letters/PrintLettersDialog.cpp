#include "letters/PrintLettersDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include "data/ListedRecords.h"
#include "data/SideGridModel.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "framework/PrintDialogs.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordGrid.h"
#include "letters/LetterDesignerDialog.h"
#include "letters/LettersFile.h"
#include "xbase/Table.h"

namespace rp {
namespace {

std::unique_ptr<QTextDocument> runDesigner(QWidget* parent, QString& description,
                                           const QTextDocument* letter,
                                           std::function<void(const QTextDocument&)> preview) {
    LetterDesignerDialog designer(description, letter, parent);
    designer.preview = std::move(preview);
    if (designer.exec() != QDialog::Accepted) return nullptr;
    description = designer.description();
    return designer.takeDocument();
}

}  // namespace

PrintLettersDialog::PrintLettersDialog(xbase::Table& letters, PrinterCatalog& catalog,
                                       bool filteredEnabled, QWidget* parent)
    : Dialog(parent, HelpTopic::PrintLetters), letters_(letters), catalog_(catalog) {
    setWindowTitle(tr("Print Letters"));
    design = [this](QString& description, const QTextDocument* letter) {
        return runDesigner(this, description, letter, preview);
    };

    model_ = new SideGridModel(letters_, {{"DESCRIPT", tr("Letter Description")}},
                               {.hideDeleted = true}, this);
    list_ = makeRecordGrid(this);
    list_->setModel(model_);
    list_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->setWhatsThis(tr("Your letters. Choose the one to print."));
    list_->setAccessibleName(tr("Letters"));
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            guarded([this] { rowClicked(); }));
    new_ = makeCommandButton(tr("New"), tr("Writes a new letter."), this);
    modify_ = makeCommandButton(tr("Modify"), tr("Changes the selected letter."), this);
    delete_ = makeCommandButton(tr("Delete"), tr("Deletes the selected letter."), this);
    connect(new_, &QPushButton::clicked, this, guarded([this] { onNewClicked(); }));
    connect(modify_, &QPushButton::clicked, this, guarded([this] { onModifyClicked(); }));
    connect(delete_, &QPushButton::clicked, this, guarded([this] { onDeleteClicked(); }));
    auto* letterButtons = new QVBoxLayout;
    for (QPushButton* b : {new_, modify_, delete_}) letterButtons->addWidget(b);
    letterButtons->addStretch();
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addLayout(letterButtons);

    auto* whatBox = new QGroupBox(tr("What to print"), this);
    all_ = new QRadioButton(tr("All records"), whatBox);
    filtered_ = new QRadioButton(tr("Records matching filter"), whatBox);
    current_ = new QRadioButton(tr("Only current record"), whatBox);
    all_->setWhatsThis(tr("A letter for every record of the address file."));
    filtered_->setWhatsThis(tr("A letter for every record your filter shows."));
    current_->setWhatsThis(tr("One letter, for the current record."));
    current_->setChecked(true);
    filtered_->setEnabled(filteredEnabled);
    startFromCurrent_ = new QCheckBox(tr("Start from current record"), whatBox);
    startFromCurrent_->setWhatsThis(tr("Begins with the current record instead of the first one."));
    auto* whatLayout = new QVBoxLayout(whatBox);
    for (QWidget* w : std::initializer_list<QWidget*>{all_, filtered_, current_, startFromCurrent_})
        whatLayout->addWidget(w);

    copies_ = new QSpinBox(this);
    copies_->setRange(1, 999);
    copies_->setValue(1);
    copies_->setWhatsThis(tr("How many copies of each record's letter to print."));
    auto* copiesLabel = new QLabel(tr("# copies of each letter"), this);
    copiesLabel->setBuddy(copies_);
    auto* copiesRow = new QHBoxLayout;
    copiesRow->addWidget(copiesLabel);
    copiesRow->addWidget(copies_);
    copiesRow->addStretch();

    auto* printerBox = new QGroupBox(tr("Printer"), this);
    printerName_ = new QLabel(printerBox);
    printerName_->setWhatsThis(tr("The printer the letters go to."));
    auto* printerSetup =
        makeCommandButton(tr("Printer Setup"), tr("Chooses the printer's settings."), printerBox);
    connect(printerSetup, &QPushButton::clicked, this,
            guarded([this] { onPrinterSetupClicked(); }));
    auto* printerLayout = new QVBoxLayout(printerBox);
    printerLayout->addWidget(printerName_);
    printerLayout->addWidget(printerSetup, 0, Qt::AlignLeft);

    auto* choices = new QGridLayout;
    choices->addWidget(whatBox, 0, 0, 2, 1);
    choices->addWidget(printerBox, 0, 1);
    choices->addLayout(copiesRow, 1, 1);

    printNow_ = makeCommandButton(tr("Print Now"),
                                  tr("Prints the selected letter for the chosen records."), this);
    preview_ = makeCommandButton(tr("Preview"),
                                 tr("Shows the selected letter for the chosen records."), this);
    auto* cancel = makeCommandButton(tr("Cancel"), tr("Closes this window."), this);
    connect(printNow_, &QPushButton::clicked, this, guarded([this] { onPrintNowClicked(); }));
    connect(preview_, &QPushButton::clicked, this, guarded([this] { onPreviewClicked(); }));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makePointerHelpButton());
    buttons->addWidget(printNow_);
    buttons->addWidget(preview_);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(makeHelpButton());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(listRow, 1);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    resize(560, 440);

    letters_.setOrder(0);  // letters are listed in record order
    goFirstListed(letters_);
    refreshList();
    showPrinterName();
}

PrintLettersDialog::~PrintLettersDialog() = default;

void PrintLettersDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    setLetterButtons();
}

void PrintLettersDialog::setLetterButtons() {
    const bool any = hasCurrentRecord(letters_);
    list_->setEnabled(any);
    modify_->setEnabled(any);
    delete_->setEnabled(any);
    printNow_->setEnabled(any && printNow != nullptr);
    preview_->setEnabled(any && preview != nullptr);
}

LetterPrintRequest PrintLettersDialog::request() const {
    LetterPrintRequest r;
    r.records = all_->isChecked()        ? LetterRecords::All
                : filtered_->isChecked() ? LetterRecords::Filtered
                                         : LetterRecords::Current;
    r.startFromCurrent = startFromCurrent_->isChecked();
    r.copies = copies_->value();
    return r;
}

void PrintLettersDialog::refreshList() {
    model_->refresh();
    selectGridRow(list_, model_->currentRow());
}

void PrintLettersDialog::rowClicked() {
    const QModelIndex current = list_->selectionModel()->currentIndex();
    if (!current.isValid()) return;
    const std::uint32_t recno = model_->recordAt(current.row());
    if (recno != 0 && recno != letters_.recNo()) letters_.go(recno);
}

void PrintLettersDialog::onNewClicked() {
    editLetter(true);
}

void PrintLettersDialog::onModifyClicked() {
    if (hasCurrentRecord(letters_)) editLetter(false);
}

void PrintLettersDialog::editLetter(bool isNew) {
    std::unique_ptr<QTextDocument> letter;
    QString description = QString::fromLatin1(kUntitledLetter);
    if (!isNew) {
        letter = std::make_unique<QTextDocument>();
        readCurrentLetter(*letter);  // what could be read is offered for repair
        description = letterDescription(letters_);
    }
    const std::unique_ptr<QTextDocument> saved = design(description, letter.get());
    if (saved) {
        try {
            storeLetter(letters_, isNew ? LetterStore::Append : LetterStore::Current, description,
                        *saved);
        } catch (const std::exception& e) {
            showInformation(errorText(e));
        }
        refreshList();
    }
    setLetterButtons();
}

void PrintLettersDialog::onDeleteClicked() {
    if (!hasCurrentRecord(letters_)) return;
    if (!askYesNo(tr("Delete this record?"))) return;
    try {
        deleteCurrentRecord(letters_);
    } catch (const std::exception& e) {
        showInformation(errorText(e));
    }
    refreshList();
    setLetterButtons();
}

bool PrintLettersDialog::readCurrentLetter(QTextDocument& letter) {
    const auto fault = readLetter(letters_, letter);
    if (fault) showInformation(withCause(tr("The letter could not be read whole."), *fault));
    return !fault;
}

void PrintLettersDialog::onPrintNowClicked() {
    QTextDocument letter;
    if (printNow && hasCurrentRecord(letters_) && readCurrentLetter(letter))
        printNow(letter, request());
}

void PrintLettersDialog::onPreviewClicked() {
    QTextDocument letter;
    if (preview && hasCurrentRecord(letters_) && readCurrentLetter(letter)) preview(letter);
}

void PrintLettersDialog::onPrinterSetupClicked() {
    printDialogs().setup(catalog_.printer());
    QCoreApplication::processEvents();
    showPrinterName();
}

void PrintLettersDialog::showPrinterName() {
    const QString name = catalog_.selected();
    printerName_->setText(name.isEmpty() ? tr("Printer:") : name);
}

}  // namespace rp
