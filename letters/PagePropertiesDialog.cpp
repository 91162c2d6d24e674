#include "letters/PagePropertiesDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/Messages.h"

namespace rp {

namespace {

// The unit accepted last with OK; lives as long as the program runs.
PageUnit gRememberedUnit = PageUnit::Inch;

constexpr std::array<PageUnit, 3> kUnitsInList = {PageUnit::Inch, PageUnit::Cm, PageUnit::Twips};

int indexOfUnit(PageUnit unit) {
    for (size_t i = 0; i < kUnitsInList.size(); ++i)
        if (kUnitsInList[i] == unit) return static_cast<int>(i);
    return 0;
}

}  // namespace

PageUnit PagePropertiesDialog::rememberedUnit() {
    return gRememberedUnit;
}

void PagePropertiesDialog::resetRememberedUnit() {
    gRememberedUnit = PageUnit::Inch;
}

PagePropertiesDialog::PagePropertiesDialog(const PageLayout& layout, QWidget* parent)
    : Dialog(parent, HelpTopic::None), layout_(layout), unit_(gRememberedUnit) {
    setWindowTitle(tr("Page Properties"));

    units_ = new QComboBox(this);
    units_->setObjectName(QStringLiteral("unit"));
    units_->addItems({tr("Inch"), tr("Cm"), tr("Twips")});
    units_->setCurrentIndex(indexOfUnit(unit_));
    units_->setWhatsThis(
        tr("The unit in which the paper size and the margins are shown and typed."));
    auto* unitRow = new QFormLayout;
    unitRow->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    unitRow->addRow(tr("Unit"), units_);

    auto* paper = new QGroupBox(tr(" Paper Size "), this);
    auto* paperFields = new QFormLayout(paper);
    paperFields->addRow(tr("Width"), makeEdit(PageField::Width, QStringLiteral("width"),
                                              tr("The width of the paper.")));
    paperFields->addRow(tr("Height"), makeEdit(PageField::Height, QStringLiteral("height"),
                                               tr("The height of the paper.")));

    auto* margins = new QGroupBox(tr(" Margins "), this);
    auto* marginFields = new QFormLayout(margins);
    marginFields->addRow(tr("Top"), makeEdit(PageField::Top, QStringLiteral("top"),
                                             tr("The space above the text.")));
    marginFields->addRow(tr("Bottom"), makeEdit(PageField::Bottom, QStringLiteral("bottom"),
                                                tr("The space below the text.")));
    marginFields->addRow(tr("Left"), makeEdit(PageField::Left, QStringLiteral("left"),
                                              tr("The space left of the text.")));
    marginFields->addRow(tr("Right"), makeEdit(PageField::Right, QStringLiteral("right"),
                                               tr("The space right of the text.")));

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    ok_->setWhatsThis(tr("Checks the page and hands it to the letter."));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(tr("Closes without changing anything."));
    connect(ok_, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makePointerHelpButton());
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* groups = new QHBoxLayout;
    groups->addWidget(paper, 0, Qt::AlignTop);
    groups->addWidget(margins, 0, Qt::AlignTop);

    auto* top = new QVBoxLayout(this);
    top->addLayout(unitRow);
    top->addLayout(groups);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);

    showValues();
    connect(units_, &QComboBox::currentIndexChanged, this,
            [this](int index) { onUnitChosen(index); });
}

QLineEdit* PagePropertiesDialog::makeEdit(PageField field, const QString& name,
                                          const QString& help) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setWhatsThis(help);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(tr("0000000000")));
    edits_[static_cast<size_t>(field)] = edit;
    // textEdited, not textChanged: showing a rounded value must not replace the kept twips.
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { onTextEdited(field, text); });
    connect(edit, &QLineEdit::editingFinished, this, [this, field] { onEditingFinished(field); });
    return edit;
}

int& PagePropertiesDialog::kept(PageField field) {
    switch (field) {
        case PageField::Width:
            return layout_.paperWidth;
        case PageField::Height:
            return layout_.paperHeight;
        case PageField::Top:
            return layout_.topMargin;
        case PageField::Bottom:
            return layout_.bottomMargin;
        case PageField::Left:
            return layout_.leftMargin;
        case PageField::Right:
            break;
    }
    return layout_.rightMargin;
}

void PagePropertiesDialog::showValues() {
    for (PageField field : {PageField::Width, PageField::Height, PageField::Top, PageField::Bottom,
                            PageField::Left, PageField::Right})
        edit(field)->setText(formatTwips(kept(field), unit_));
}

void PagePropertiesDialog::onUnitChosen(int index) {
    if (index < 0 || index >= static_cast<int>(kUnitsInList.size())) return;
    unit_ = kUnitsInList[static_cast<size_t>(index)];
    showValues();
}

void PagePropertiesDialog::onTextEdited(PageField field, const QString& text) {
    // A text on its way to a number ("-", ".") leaves the kept value as it was.
    if (const std::optional<int> twips = parseToTwips(text, unit_)) kept(field) = *twips;
}

void PagePropertiesDialog::onEditingFinished(PageField field) {
    QLineEdit* box = edit(field);
    const QString text = box->text();
    if (reporting_ || parseToTwips(text, unit_)) return;
    // The shown value goes back first, so that the box losing the focus to the message box
    // finds a number in it and does not report a second time.
    reporting_ = true;
    box->setText(formatTwips(kept(field), unit_));
    showInformation(tr("'%1' is not a valid floating point value").arg(text));
    reporting_ = false;
}

void PagePropertiesDialog::onOkClicked() {
    if (const std::optional<PageLayoutFault> fault = findPageLayoutFault(layout_)) {
        showInformation(fault->message);
        QLineEdit* box = edit(fault->field);
        box->setFocus();
        box->selectAll();
        return;
    }
    gRememberedUnit = unit_;
    accept();
}

}  // namespace rp
