#include "labels/LabelStockDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/Messages.h"
#include "framework/PageLimits.h"
#include "labels/LabelFiles.h"

namespace rp {
namespace {

// Inch mode: 3 decimals, at most 6 digits; millimetres: whole, at most 3 digits.
constexpr double kMaxInches = 999.999;
constexpr double kMaxMillimetres = 999;

QDoubleSpinBox* lengthEdit(QWidget* parent, const QString& help) {
    auto* edit = new QDoubleSpinBox(parent);
    edit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    edit->setLocale(QLocale::c());
    edit->setDecimals(3);
    edit->setRange(0, kMaxInches);
    edit->setWhatsThis(help);
    return edit;
}

}  // namespace

LabelStockDialog::LabelStockDialog(QWidget* parent) : Dialog(parent, HelpTopic::LabelStockEdit) {
    setWindowTitle(tr("Add Label Definition"));
    setModal(true);

    description_ = new QLineEdit(this);
    description_->setMaxLength(kStockDescriptionWidth);
    description_->setWhatsThis(tr("The name of this label stock, as the label lists show it."));
    width_ = lengthEdit(this, tr("The width of one label."));
    height_ = lengthEdit(this, tr("The height of one label."));
    hPitch_ = lengthEdit(
        this, tr("From the left edge of one label to the left edge of the next in a row; "
                 "at least the label width."));
    vPitch_ =
        lengthEdit(this, tr("From the top edge of one row to the top edge of the next; at least "
                            "the label height."));
    left_ = lengthEdit(this,
                       tr("From the left edge of the sheet to the left edge of the first column."));
    top_ = lengthEdit(this, tr("From the top edge of the sheet to the top edge of the first row."));
    sheetWidth_ = lengthEdit(this, tr("The width of the sheet as it is fed."));
    sheetDepth_ = lengthEdit(this, tr("The height of the sheet as it is fed."));
    across_ = new QSpinBox(this);
    across_->setRange(1, 10);
    across_->setWhatsThis(tr("How many labels make one row (1 to 10)."));
    down_ = new QSpinBox(this);
    down_->setRange(1, 30);
    down_->setWhatsThis(tr("How many rows make one sheet (1 to 30)."));
    paper_ = new QComboBox(this);
    for (const PaperSize& p : paperSizes()) paper_->addItem(paperSizeCaption(p));
    paper_->setWhatsThis(
        tr("The paper the labels come on; a standard size fills in the paper width "
           "and height."));
    tractor_ = new QCheckBox(tr("Tractor Fed (Dot Matrix)"), this);
    tractor_->setWhatsThis(tr("Tick for continuous labels on a dot matrix printer."));

    auto* units = new QGroupBox(this);
    inches_ = new QRadioButton(tr("In 1000's of an inch"), units);
    millimetres_ = new QRadioButton(tr("In Millimeters"), units);
    inches_->setWhatsThis(tr("Shows and takes the lengths in inches, to a thousandth."));
    millimetres_->setWhatsThis(tr("Shows and takes the lengths in whole millimetres."));
    inches_->setChecked(true);
    auto* unitRow = new QHBoxLayout(units);
    unitRow->addWidget(inches_);
    unitRow->addWidget(millimetres_);
    connect(inches_, &QRadioButton::toggled, this, [this](bool on) { setInchMode(on); });

    connect(paper_, &QComboBox::activated, this, &LabelStockDialog::onPaperSizeChanged);
    connect(width_, &QDoubleSpinBox::editingFinished, this,
            &LabelStockDialog::onLabelWidthEditingFinished);
    connect(height_, &QDoubleSpinBox::editingFinished, this,
            &LabelStockDialog::onLabelHeightEditingFinished);

    auto* grid = new QGridLayout;
    const auto add = [this, grid](int row, int column, const QString& caption, QWidget* field,
                                  int span = 1) {
        if (auto* length = qobject_cast<QDoubleSpinBox*>(field))
            lengthCaptions_.emplace_back(length, caption);
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        grid->addWidget(label, row, column * 2);
        grid->addWidget(field, row, column * 2 + 1, 1, span);
    };
    add(0, 0, tr("Description"), description_, 3);
    add(1, 0, tr("Label Width"), width_);
    add(1, 1, tr("Label Height"), height_);
    add(2, 0, tr("Horizontal Pitch"), hPitch_);
    add(2, 1, tr("Vertical Pitch"), vPitch_);
    add(3, 0, tr("# across"), across_);
    add(3, 1, tr("# down"), down_);
    add(4, 0, tr("Left Margin"), left_);
    add(4, 1, tr("Top Margin"), top_);
    add(5, 0, tr("Paper size"), paper_, 3);
    add(6, 0, tr("Paper Width"), sheetWidth_);
    add(6, 1, tr("Paper Height"), sheetDepth_);
    grid->addWidget(tractor_, 7, 1, 1, 3);
    grid->addWidget(units, 8, 0, 1, 4);
    for (QWidget* w :
         std::initializer_list<QWidget*>{width_, height_, hPitch_, vPitch_, left_, top_,
                                         sheetWidth_, sheetDepth_, across_, down_})
        w->setMinimumWidth(90);

    auto* save = new QPushButton(tr("Save"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    save->setWhatsThis(tr("Checks the definition and keeps it."));
    cancel->setWhatsThis(tr("Closes this window without keeping anything."));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &LabelStockDialog::onSaveClicked);
    connect(cancel, &QPushButton::clicked, this, &LabelStockDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(makeHelpButton());
    buttons->addWidget(makePointerHelpButton());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setDefinition(definition_);
}

std::vector<QDoubleSpinBox*> LabelStockDialog::lengthEdits() const {
    return {width_, height_, hPitch_, vPitch_, left_, top_, sheetWidth_, sheetDepth_};
}

void LabelStockDialog::setDefinition(const LabelDefinition& d) {
    definition_ = d;
    if (!unitInches_) {
        const QSignalBlocker block(inches_);
        inches_->setChecked(true);
        applyUnit(true, false);
    }
    description_->setText(d.description);
    width_->setValue(d.labelWidth);
    height_->setValue(d.labelHeight);
    hPitch_->setValue(d.horizontalPitch);
    vPitch_->setValue(d.verticalPitch);
    left_->setValue(d.leftMargin);
    top_->setValue(d.topMargin);
    sheetWidth_->setValue(d.sheetWidth);
    sheetDepth_->setValue(d.sheetDepth);
    across_->setValue(d.across);
    down_->setValue(d.down);
    tractor_->setChecked(d.printerType != kLaserPrinter);
    paper_->setCurrentIndex(paperListIndex(d.paperSize));
}

bool LabelStockDialog::inchMode() const {
    return unitInches_;
}

void LabelStockDialog::setInchMode(bool inches) {
    if (inches == unitInches_) return;
    {
        const QSignalBlocker block(inches_);
        (inches ? inches_ : millimetres_)->setChecked(true);
    }
    applyUnit(inches, true);
}

void LabelStockDialog::applyUnit(bool inches, bool convert) {
    unitInches_ = inches;
    for (QDoubleSpinBox* edit : lengthEdits()) {
        const double shown = edit->value();
        const double value = !convert ? shown
                             : inches ? millimetresToInches(shown)
                                      : inchesToMillimetres(shown);
        edit->setDecimals(inches ? 3 : 0);
        edit->setRange(0, inches ? kMaxInches : kMaxMillimetres);
        edit->setValue(value);
    }
}

void LabelStockDialog::onPaperSizeChanged(int index) {
    if (paper_->currentIndex() != index) paper_->setCurrentIndex(index);
    if (index < 0 || index >= static_cast<int>(paperSizes().size())) return;
    const PaperSize& p = paperSizes()[static_cast<std::size_t>(index)];
    if (!p.width || !p.depth) return;
    const auto shown = [this](float inches) {
        return unitInches_ ? double(inches) : inchesToMillimetres(inches);
    };
    sheetWidth_->setValue(shown(*p.width));
    sheetDepth_->setValue(shown(*p.depth));
}

void LabelStockDialog::onLabelWidthEditingFinished() {
    if (hPitch_->value() < width_->value()) hPitch_->setValue(width_->value());
}

void LabelStockDialog::onLabelHeightEditingFinished() {
    if (vPitch_->value() < height_->value()) vPitch_->setValue(height_->value());
}

QString LabelStockDialog::tooLargeLength() const {
    for (const auto& [edit, caption] : lengthCaptions_) {
        const double inches = unitInches_ ? edit->value() : millimetresToInches(edit->value());
        if (inches > kLargestPageSideInches) return pageSideTooLargeText(caption);
    }
    return {};
}

LabelDefinition LabelStockDialog::displayedDefinition() const {
    LabelDefinition d = definition_;
    const auto inches = [this](const QDoubleSpinBox* edit) {
        return unitInches_ ? static_cast<float>(edit->value())
                           : millimetresToStoredInches(edit->value());
    };
    d.description = description_->text();
    d.across = across_->value();
    d.down = down_->value();
    d.labelWidth = inches(width_);
    d.labelHeight = inches(height_);
    d.horizontalPitch = inches(hPitch_);
    d.verticalPitch = inches(vPitch_);
    d.leftMargin = inches(left_);
    d.topMargin = inches(top_);
    d.sheetWidth = inches(sheetWidth_);
    d.sheetDepth = inches(sheetDepth_);
    d.printerType = tractor_->isChecked() ? kDotMatrixPrinter : kLaserPrinter;
    // An unknown code that the list could not show is kept as it was.
    if (paper_->currentIndex() >= 0) d.paperSize = paperCodeAt(paper_->currentIndex());
    return d;
}

void LabelStockDialog::onSaveClicked() {
    // A pending "leaving" of the width or height edit comes first, as when focus moves to Save.
    if (width_->hasFocus()) onLabelWidthEditingFinished();
    if (height_->hasFocus()) onLabelHeightEditingFinished();
    const LabelDefinition d = displayedDefinition();
    QString problem = validLabel(d);
    if (problem.isEmpty()) problem = tooLargeLength();
    if (!problem.isEmpty()) {
        showInformation(problem);
        return;
    }
    definition_ = d;
    accept();
}

}  // namespace rp
