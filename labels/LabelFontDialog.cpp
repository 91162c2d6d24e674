#include "labels/LabelFontDialog.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace rp {

LabelFontDialog::LabelFontDialog(const LabelFont& font, QWidget* parent)
    : Dialog(parent, HelpTopic::LabelDesigner) {
    setWindowTitle(tr("Font"));
    family_ = new QFontComboBox(this);
    family_->setEditable(true);
    family_->setCurrentFont(QFont(font.name));
    family_->setEditText(font.name);
    size_ = new QSpinBox(this);
    size_->setRange(kMinSize, kMaxSize);
    size_->setValue(font.size);
    size_->setSuffix(tr(" pt."));
    bold_ = new QCheckBox(tr("Bold"), this);
    bold_->setChecked(font.bold);
    italic_ = new QCheckBox(tr("Italic"), this);
    italic_->setChecked(font.italic);

    auto* form = new QFormLayout;
    form->addRow(tr("Font:"), family_);
    form->addRow(tr("Size:"), size_);
    auto* styles = new QHBoxLayout;
    styles->addWidget(bold_);
    styles->addWidget(italic_);
    styles->addStretch();
    form->addRow(tr("Style:"), styles);

    auto* ok = makeCommandButton(tr("OK"), tr("Use this font."), this);
    ok->setDefault(true);
    auto* cancel = makeCommandButton(tr("Cancel"), tr("Close, keeping the font as it was."), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

LabelFont LabelFontDialog::chosen() const {
    return {family_->currentText().trimmed(), size_->value(), bold_->isChecked(),
            italic_->isChecked()};
}

bool LabelFontDialog::choose(QWidget* parent, LabelFont& font) {
    LabelFontDialog dialog(font, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    font = dialog.chosen();
    return true;
}

}  // namespace rp
