#include "utilities/CalibratePrinterDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/IniFile.h"
#include "framework/CalibrationPage.h"
#include "framework/ErrorReport.h"
#include "framework/PrintDialogs.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "framework/PrinterSurface.h"
#include "framework/RecordedPages.h"
#include "utilities/CalibrationPositions.h"

namespace rp {
namespace {

constexpr double kLargestShift = 2.0;  // inches; more is not a printer's error but a wrong paper

const QPageSize::PageSizeId kPapers[] = {QPageSize::Letter, QPageSize::A4, QPageSize::A5};

}  // namespace

CalibratePrinterDialog::CalibratePrinterDialog(PrinterCatalog& catalog, QString iniPath,
                                               QWidget* parent)
    : Dialog(parent, HelpTopic::CalibratePrinter), catalog_(catalog), iniPath_(std::move(iniPath)) {
    setWindowTitle(tr("Calibrate Printer"));
    setModal(true);

    // The page: which printer, which paper.
    printers_ = new QComboBox(this);
    printers_->addItems(catalog_.names());
    printers_->setWhatsThis(tr("The printer to calibrate."));
    papers_ = new QComboBox(this);
    papers_->addItems({tr("Letter (8.5 x 11\")"), tr("A4 (210 x 297mm)"), tr("A5 (148 x 210mm)")});
    papers_->setWhatsThis(tr("The paper the calibration page is printed on."));
    auto* print = makeCommandButton(tr("Print Page"), tr("Prints the calibration page."), this);
    auto* preview =
        makeCommandButton(tr("Preview"), tr("Shows the calibration page on the screen."), this);
    auto* pageBox = new QGroupBox(tr("Calibration page"), this);
    auto* pageForm = new QFormLayout;
    pageForm->addRow(tr("Printer"), printers_);
    pageForm->addRow(tr("Paper"), papers_);
    auto* pageButtons = new QHBoxLayout;
    pageButtons->addStretch();
    pageButtons->addWidget(print);
    pageButtons->addWidget(preview);
    auto* pageLayout = new QVBoxLayout(pageBox);
    pageLayout->addLayout(pageForm);
    pageLayout->addLayout(pageButtons);

    // What was measured on it.
    inches_ = new QRadioButton(tr("Inches"), this);
    millimetres_ = new QRadioButton(tr("Millimeters"), this);
    inches_->setChecked(true);
    right_ = new QDoubleSpinBox(this);
    down_ = new QDoubleSpinBox(this);
    right_->setWhatsThis(
        tr("How far the marks landed to the right of where they should be; "
           "negative when they landed to the left."));
    down_->setWhatsThis(
        tr("How far the marks landed below where they should be; negative when they landed "
           "above."));
    for (QDoubleSpinBox* edit : {right_, down_}) {
        edit->setDecimals(2);
        edit->setRange(-kLargestShift, kLargestShift);
        edit->setSingleStep(0.01);
    }
    auto* units = new QHBoxLayout;
    units->addWidget(inches_);
    units->addWidget(millimetres_);
    units->addStretch();
    stored_ = new QLabel(this);
    stored_->setWordWrap(true);
    save_ = makeCommandButton(tr("Save"), tr("Keeps the correction for this printer."), this);
    clear_ = makeCommandButton(tr("Clear"), tr("Removes this printer's correction."), this);
    auto* measuredBox = new QGroupBox(tr("Measured on the page"), this);
    auto* measuredForm = new QFormLayout;
    measuredForm->addRow(tr("Unit"), units);
    measuredForm->addRow(tr("Marks landed right by"), right_);
    measuredForm->addRow(tr("Marks landed down by"), down_);
    auto* measuredButtons = new QHBoxLayout;
    measuredButtons->addWidget(stored_, 1);
    measuredButtons->addWidget(save_);
    measuredButtons->addWidget(clear_);
    auto* measuredLayout = new QVBoxLayout(measuredBox);
    measuredLayout->addLayout(measuredForm);
    measuredLayout->addLayout(measuredButtons);

    // Where the crosshairs should land and where they are drawn to land there.
    positions_ = new QTableWidget(0, 3, this);
    positions_->setTabKeyNavigation(false);
    positions_->setAccessibleName(tr("Crosshair positions"));
    positions_->setHorizontalHeaderLabels({tr("Crosshair"), tr("Expected"), tr("Corrected")});
    positions_->verticalHeader()->hide();
    positions_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    positions_->setSelectionMode(QAbstractItemView::NoSelection);
    positions_->horizontalHeader()->setStretchLastSection(true);
    positions_->setWhatsThis(
        tr("Where each crosshair should land, from the paper's left and top edges, and where "
           "it is drawn with the correction entered so that it lands there."));

    auto* close = makeCommandButton(tr("Close"), tr("Closes this window."), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(makeHelpButton());
    buttons->addWidget(makePointerHelpButton());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->addWidget(pageBox);
    layout->addWidget(measuredBox);
    layout->addWidget(positions_, 1);
    layout->addLayout(buttons);

    connect(printers_, &QComboBox::activated, this,
            guarded(this, &CalibratePrinterDialog::onPrinterChosen));
    connect(papers_, &QComboBox::activated, this, guarded([this] { showPositions(); }));
    connect(print, &QPushButton::clicked, this,
            guarded(this, &CalibratePrinterDialog::onPrintClicked));
    connect(preview, &QPushButton::clicked, this,
            guarded(this, &CalibratePrinterDialog::onPreviewClicked));
    connect(inches_, &QRadioButton::toggled, this,
            guarded(this, &CalibratePrinterDialog::onUnitChanged));
    for (QDoubleSpinBox* edit : {right_, down_})
        connect(edit, &QDoubleSpinBox::valueChanged, this, guarded([this] { showPositions(); }));
    connect(save_, &QPushButton::clicked, this,
            guarded(this, &CalibratePrinterDialog::onSaveClicked));
    connect(clear_, &QPushButton::clicked, this,
            guarded(this, &CalibratePrinterDialog::onClearClicked));
    connect(close, &QPushButton::clicked, this, &CalibratePrinterDialog::reject);

    printers_->setCurrentIndex(printers_->findText(catalog_.selected()));
    onUnitChanged();
    onPrinterChosen();
    resize(520, 560);
}

MeasureUnit CalibratePrinterDialog::unit() const {
    return millimetres_->isChecked() ? MeasureUnit::Millimetres : MeasureUnit::Inches;
}

PrinterCorrection CalibratePrinterDialog::enteredCorrection() const {
    return {measuredInches(right_->value(), shownUnit_),
            measuredInches(down_->value(), shownUnit_)};
}

void CalibratePrinterDialog::setFigures(PrinterCorrection correction) {
    const QSignalBlocker blockRight(right_);
    const QSignalBlocker blockDown(down_);
    right_->setValue(inUnit(correction.right, shownUnit_));
    down_->setValue(inUnit(correction.down, shownUnit_));
}

void CalibratePrinterDialog::onPrinterChosen() {
    catalog_.select(printers_->currentText());
    const bool correctable = calibratable(catalog_.selected());
    for (QWidget* w : std::initializer_list<QWidget*>{right_, down_, save_, clear_})
        w->setEnabled(correctable);
    setFigures(loadPrinterCorrection(IniFile(iniPath_), catalog_.selected()));
    showStored();
    showPositions();
}

void CalibratePrinterDialog::onUnitChanged() {
    const PrinterCorrection figures = enteredCorrection();
    shownUnit_ = unit();
    const bool mm = shownUnit_ == MeasureUnit::Millimetres;
    for (QDoubleSpinBox* edit : {right_, down_}) {
        const QSignalBlocker block(edit);
        edit->setRange(-inUnit(kLargestShift, shownUnit_), inUnit(kLargestShift, shownUnit_));
        edit->setSingleStep(mm ? 0.1 : 0.01);
        edit->setSuffix(mm ? tr(" mm") : tr(" in"));
    }
    setFigures(figures);
    showPositions();
}

void CalibratePrinterDialog::showStored() {
    const QString printer = catalog_.selected();
    if (!calibratable(printer)) {
        stored_->setText(
            tr("\"%1\" prints exactly what is drawn and is never corrected.").arg(printer));
        return;
    }
    const PrinterCorrection kept = loadPrinterCorrection(IniFile(iniPath_), printer);
    stored_->setText(kept.none() ? tr("No correction is kept for this printer.")
                                 : tr("Kept: %1 right, %2 down (inches).")
                                       .arg(QString::number(kept.right, 'f', 2),
                                            QString::number(kept.down, 'f', 2)));
}

void CalibratePrinterDialog::showPositions() {
    const QPageSize paper(kPapers[std::max(papers_->currentIndex(), 0)]);
    const QSizeF page = paper.size(QPageSize::Inch);
    const auto rows = calibrationPositions(page, enteredCorrection(), shownUnit_);
    positions_->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const CalibrationPosition& row = rows[std::size_t(i)];
        positions_->setItem(i, 0, new QTableWidgetItem(row.mark));
        positions_->setItem(i, 1, new QTableWidgetItem(row.expected));
        positions_->setItem(i, 2, new QTableWidgetItem(row.corrected));
    }
    positions_->resizeColumnsToContents();
}

void CalibratePrinterDialog::usePaper() {
    QPrinter& printer = catalog_.printer();
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageSize(QPageSize(kPapers[std::max(papers_->currentIndex(), 0)]));
}

void CalibratePrinterDialog::onPrintClicked() {
    usePaper();
    if (!catalog_.showPrintDialog(QStringLiteral("calibration.pdf"))) return;
    const auto surface = catalog_.jobSurface();
    PrintStatusDialog status(*surface, calibrationPageJob(catalog_.printer(), catalog_.selected()),
                             false, this, PrintStatusTexts{});
    status.exec();
}

void CalibratePrinterDialog::onPreviewClicked() {
    usePaper();
    QPrinter& printer = catalog_.printer();
    const PrinterSurface printerSide(printer);
    RecordedPages pages(printerSide.unprintableMargins(), printerSide.resolution());
    previewJob(pages, calibrationPageJob(printer, catalog_.selected()),
               tr("Preview Calibration Page"), PrintStatusTexts{}, this, previewHooks);
}

void CalibratePrinterDialog::onSaveClicked() {
    IniFile ini(iniPath_);
    storePrinterCorrection(ini, catalog_.selected(), enteredCorrection());
    showStored();
}

void CalibratePrinterDialog::onClearClicked() {
    IniFile ini(iniPath_);
    storePrinterCorrection(ini, catalog_.selected(), {});
    setFigures({});
    showStored();
    showPositions();
}

}  // namespace rp
