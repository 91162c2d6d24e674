#include "envelopes/PrintEnvelopeDialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "envelopes/EnvelopeLayouts.h"
#include "envelopes/EnvelopeRun.h"
#include "envelopes/SideRows.h"
#include "framework/ErrorReport.h"
#include "framework/PrintDialogs.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordGrid.h"
#include "mailpiece/PostalBarcode.h"
#include "mailpiece/PrinterCalibration.h"
#include "xbase/Table.h"

namespace rp {
PrintEnvelopeDialog::PrintEnvelopeDialog(xbase::Table& setups, const xbase::Table& addresses,
                                         PrinterCatalog& catalog, PreferenceAccess preferences,
                                         QWidget* parent)
    : Dialog(parent, HelpTopic::PrintEnvelope),
      setups_(setups),
      addresses_(addresses),
      catalog_(catalog),
      printer_(catalog),
      preferences_(std::move(preferences)),
      list_(setups) {
    setWindowTitle(tr("Print Envelope"));
    list_.design = [this](EnvelopeSetup& copy) { return design && design(copy); };
    list_.showPrinterInformation = [this] { showPrinterInformation(); };
    list_.restorePrinterMemory = [this](const EnvelopeSetup& setup) { loadPreferences(setup); };
    list_.listChanged = [this] { refreshGrid(); };

    auto* setupBox = new QGroupBox(tr("Select Envelope Setup"), this);
    model_ = new SideGridModel(setups_, envelopeGridColumns(kEnvelopeSetupColumns),
                               kEnvelopeGridOptions, this);
    grid_ = makeRecordGrid(setupBox);
    grid_->setModel(model_);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    grid_->setWhatsThis(tr("Your envelope setups. Choose the one to print with."));
    grid_->setAccessibleName(tr("Envelope setups"));
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            guarded([this] { rowClicked(); }));

    modify_ = makeCommandButton(tr("Modify"), tr("Changes the selected envelope setup."), setupBox);
    new_ = makeCommandButton(tr("New"), tr("Makes a new envelope setup from the selected one."),
                             setupBox);
    delete_ = makeCommandButton(tr("Delete"), tr("Deletes the selected envelope setup."), setupBox);
    connect(modify_, &QPushButton::clicked, this, guarded([this] { onModifyClicked(); }));
    connect(new_, &QPushButton::clicked, this, guarded([this] { onNewClicked(); }));
    connect(delete_, &QPushButton::clicked, this, guarded([this] { onDeleteClicked(); }));
    auto* setupButtons = new QVBoxLayout;
    setupButtons->addWidget(modify_);
    setupButtons->addWidget(new_);
    setupButtons->addWidget(delete_);
    setupButtons->addStretch();
    auto* setupLayout = new QHBoxLayout(setupBox);
    setupLayout->addWidget(grid_, 1);
    setupLayout->addLayout(setupButtons);

    auto* printerBox = new QGroupBox(tr("Printer"), this);
    printerLine_ = new QLabel(tr("Printer:"), printerBox);
    sourceLine_ = new QLabel(tr("Source:"), printerBox);
    paperLine_ = new QLabel(tr("Paper:"), printerBox);
    for (QLabel* line : {printerLine_, sourceLine_, paperLine_})
        line->setWhatsThis(tr("The printer, paper source and paper the envelope goes to."));
    printerSetup_ = makeCommandButton(
        tr("Printer Setup"), tr("Chooses the printer's paper source, paper and orientation."),
        printerBox);
    connect(printerSetup_, &QPushButton::clicked, this,
            guarded([this] { onPrinterSetupClicked(); }));
    auto* printerLayout = new QGridLayout(printerBox);
    printerLayout->addWidget(printerLine_, 0, 0);
    printerLayout->addWidget(sourceLine_, 1, 0);
    printerLayout->addWidget(paperLine_, 2, 0);
    printerLayout->addWidget(printerSetup_, 0, 1, 3, 1, Qt::AlignVCenter);
    printerLayout->setColumnStretch(0, 1);

    printNow_ =
        makeCommandButton(tr("Print Now"), tr("Prints the envelope of the current record."), this);
    previewButton_ = makeCommandButton(
        tr("Preview"), tr("Shows the envelope of the current record on screen."), this);
    cancel_ = makeCommandButton(tr("Cancel"), tr("Closes this window."), this);
    connect(printNow_, &QPushButton::clicked, this, guarded([this] { onPrintNowClicked(); }));
    connect(previewButton_, &QPushButton::clicked, this, guarded([this] { onPreviewClicked(); }));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makePointerHelpButton());
    buttons->addWidget(printNow_);
    buttons->addWidget(previewButton_);
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addWidget(makeHelpButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(setupBox, 1);
    layout->addWidget(printerBox);
    layout->addLayout(buttons);
    resize(520, 420);

    selectGridRow(grid_, model_->currentRow());
}

PrintEnvelopeDialog::~PrintEnvelopeDialog() = default;

void PrintEnvelopeDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    reportErrors([this] { onFormActivated(); });
}

void PrintEnvelopeDialog::onFormActivated() {
    list_.activate();
    setEnvelopeButtons();
    showPrinterInformation();
    loadPreferences(list_.current());
}

void PrintEnvelopeDialog::setEnvelopeButtons() {
    list_.setEnvelopeButtons();
    const SetupButtonStates& states = list_.buttons();
    grid_->setEnabled(states.list);
    modify_->setEnabled(states.modify && design != nullptr);
    new_->setEnabled(states.add && design != nullptr);
    delete_->setEnabled(states.remove);
    printNow_->setEnabled(states.printNow);
    previewButton_->setEnabled(states.preview);
}

void PrintEnvelopeDialog::refreshGrid() {
    model_->refresh();
    selectGridRow(grid_, model_->currentRow());
}

void PrintEnvelopeDialog::rowClicked() {
    const QModelIndex current = grid_->selectionModel()->currentIndex();
    if (!current.isValid()) return;
    const std::uint32_t recno = model_->recordAt(current.row());
    if (recno != 0 && recno != setups_.recNo()) list_.moveTo(recno);
}

void PrintEnvelopeDialog::onModifyClicked() {
    list_.modify();
    setEnvelopeButtons();
}

void PrintEnvelopeDialog::onNewClicked() {
    list_.createNew();
    setEnvelopeButtons();
}

void PrintEnvelopeDialog::onDeleteClicked() {
    list_.deleteCurrent();
    setEnvelopeButtons();
}

void PrintEnvelopeDialog::onPrintNowClicked() {
    list_.readCurrent();
    requireDeliveryOnEnvelope(list_.current());  // before the printer is asked for
    const bool confirmed = catalog_.showPrintDialog(QStringLiteral("envelope.pdf"));
    savePreferences();
    showPrinterInformation();
    if (!confirmed) return;
    doPrint(true);
}

void PrintEnvelopeDialog::onPreviewClicked() {
    list_.readCurrent();
    requireDeliveryOnEnvelope(list_.current());
    doPrint(false);
}

void PrintEnvelopeDialog::doPrint(bool printMode) {
    const AddressValues address = readAddressValues(addresses_);
    PieceBarcoder barcoder(loadPostalBarcode(preferences_.read));
    if (!printMode) {
        previewEnvelope(catalog_.printer(), list_.current(), address, preview, this, &barcoder);
        return;
    }
    // The serial is used only by an envelope that printed.
    const PrinterCorrection correction =
        loadPrinterCorrection(preferences_.read, catalog_.selected());
    if (printEnvelopeOn(catalog_, list_.current(), address, correction, this, &barcoder) ==
            PrintOutcome::Completed &&
        barcoder.serialsUsed() > 0)
        saveNextSerial(preferences_.write, barcoder.nextSerial());
}

void PrintEnvelopeDialog::onPrinterSetupClicked() {
    printDialogs().setup(catalog_.printer());
    QCoreApplication::processEvents();
    savePreferences();
    showPrinterInformation();
}

void PrintEnvelopeDialog::loadPreferences(const EnvelopeSetup& setup) {
    printer_.recall(preferences_, setup);
    showPrinterInformation();
}

void PrintEnvelopeDialog::savePreferences() {
    storePrinterChoice(preferences_, list_.current(), printer_.current());
}

void PrintEnvelopeDialog::showPrinterInformation() {
    const PrinterChoice choice = printer_.current();
    printerLine_->setText(tr("Printer: %1").arg(choice.printer));
    sourceLine_->setText(tr("Source: %1").arg(choice.source));
    paperLine_->setText(tr("Paper: %1").arg(choice.paper));
}

}  // namespace rp
