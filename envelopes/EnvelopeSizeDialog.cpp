#include "envelopes/EnvelopeSizeDialog.h"

#include <QCoreApplication>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/Messages.h"

namespace rp {

EnvelopeSizeDialog::EnvelopeSizeDialog(const EnvelopeSize& initial, QWidget* parent)
    : Dialog(parent, HelpTopic::EnvelopeSizeEdit),
      form_(initial.width, initial.height),
      result_(initial) {
    setWindowTitle(tr("Add New Envelope Size"));

    name_ = new QLineEdit(initial.name, this);
    name_->setMaxLength(20);
    name_->setWhatsThis(
        tr("The short name of the envelope; it names the size in envelope setups."));
    description_ = new QLineEdit(initial.description, this);
    description_->setMaxLength(20);
    description_->setWhatsThis(tr("A description of the size, shown in the Size column."));
    width_ = new QLineEdit(this);
    width_->setWhatsThis(
        tr("The width of the envelope (its long side); at least 2 inches (50mm)."));
    height_ = new QLineEdit(this);
    height_->setWhatsThis(
        tr("The height of the envelope (its short side); at least 2 inches (50mm)."));

    auto* fields = new QFormLayout;
    fields->addRow(tr("Name"), name_);
    fields->addRow(tr("Description"), description_);
    fields->addRow(QCoreApplication::translate("EnvelopeSizeForm", kWidthCaption), width_);
    fields->addRow(QCoreApplication::translate("EnvelopeSizeForm", kHeightCaption), height_);

    auto* units = new QGroupBox(this);
    inches_ = new QRadioButton(tr("In inches"), units);
    millimetres_ = new QRadioButton(tr("In Millimeters"), units);
    inches_->setChecked(true);
    units->setWhatsThis(tr("The unit in which the width and height are shown and entered."));
    auto* unitsLayout = new QVBoxLayout(units);
    unitsLayout->addWidget(inches_);
    unitsLayout->addWidget(millimetres_);
    connect(inches_, &QRadioButton::toggled, this, [this] { onUnitsClicked(); });

    save_ = new QPushButton(tr("Save"), this);
    save_->setDefault(true);
    save_->setWhatsThis(tr("Checks the size and hands it back."));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(tr("Closes without changing anything."));
    connect(save_, &QPushButton::clicked, this, [this] { onSaveClicked(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makePointerHelpButton());
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    buttons->addWidget(makeHelpButton());

    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addWidget(units);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    setValidators();
    showLengths();
}

void EnvelopeSizeDialog::setEditing(bool editing) {
    setWindowTitle(editing ? tr("Edit Envelope Size") : tr("Add New Envelope Size"));
}

void EnvelopeSizeDialog::setValidators() {
    if (!inchValidator_) {
        auto* inches = new QDoubleValidator(0, 999, 3, this);
        inches->setLocale(QLocale::c());
        inches->setNotation(QDoubleValidator::StandardNotation);
        inchValidator_ = inches;
        // Whole millimetres, at most 3 digits.
        millimetreValidator_ = new QIntValidator(0, 999, this);
    }
    QValidator* v = form_.unit() == LengthUnit::Inches ? inchValidator_ : millimetreValidator_;
    width_->setValidator(v);
    height_->setValidator(v);
}

void EnvelopeSizeDialog::showLengths() {
    width_->setText(form_.widthText);
    height_->setText(form_.heightText);
}

void EnvelopeSizeDialog::onUnitsClicked() {
    const LengthUnit unit = inches_->isChecked() ? LengthUnit::Inches : LengthUnit::Millimeters;
    if (unit == form_.unit()) return;
    form_.widthText = width_->text();
    form_.heightText = height_->text();
    // Validators are swapped after the texts have been taken, before the new texts go in.
    form_.setUnit(unit);
    setValidators();
    showLengths();
}

void EnvelopeSizeDialog::onSaveClicked() {
    form_.widthText = width_->text();
    form_.heightText = height_->text();
    if (const std::optional<QString> refusal = form_.save(name_->text(), description_->text())) {
        showInformation(*refusal);
        return;
    }
    result_.width = form_.width();
    result_.height = form_.height();
    result_.name = name_->text();
    result_.description = description_->text();
    accept();
}

std::optional<EnvelopeSize> EnvelopeSizeDialog::run(const EnvelopeSize& initial, bool editing,
                                                    QWidget* parent) {
    EnvelopeSizeDialog dialog(initial, parent);
    dialog.setEditing(editing);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.saved();
}

}  // namespace rp
