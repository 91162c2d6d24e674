#include "labels/LabelDesignerDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/DataFolder.h"
#include "data/IniFile.h"
#include "framework/Messages.h"
#include "labels/LabelDesignerPreview.h"
#include "labels/LabelFontDialog.h"
#include "labels/SelectLabelStockDialog.h"
#include "mailpiece/AddressBlock.h"
#include "xbase/Table.h"

namespace rp {

// The life-size label: drawn from the dialog's working values unless drawing is suspended;
// read out line by line.
class LabelPreviewWidget : public QWidget, public AccessibleView {
  public:
    explicit LabelPreviewWidget(LabelDesignerDialog& dialog) : QWidget(nullptr), dialog_(dialog) {
        setAccessibleName(LabelDesignerDialog::tr("Label"));
    }

    QList<AccessibleItem> accessibleItems() const override {
        return labelPreviewItems(dialog_.model(), dialog_.addressLines());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (dialog_.drawingSuspended()) return;
        QPainter painter(this);
        drawLabelPreview(painter, dialog_.model(), dialog_.addressLines());
        // The focus, where the arrow keys move the text: a dashed frame round the picture.
        const auto* area = parentWidget() ? parentWidget()->parentWidget() : nullptr;
        if (area && area->hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

  private:
    LabelDesignerDialog& dialog_;
};

namespace {

constexpr int kDescriptionLength = 50;
// Hold-to-repeat timings in milliseconds: first repeat, then every.
constexpr int kFontRepeatDelay = 500, kFontRepeatInterval = 50;
constexpr int kUpDownRepeatDelay = 50, kUpDownRepeatInterval = 25;
constexpr int kSideRepeatDelay = 100, kSideRepeatInterval = 5;

QToolButton* makeToolButton(const QString& text, Qt::ArrowType arrow, const QString& help,
                            QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    if (arrow != Qt::NoArrow) button->setArrowType(arrow);
    button->setWhatsThis(help);
    button->setToolTip(help);
    return button;
}

void setRepeat(QAbstractButton* button, int delay, int interval) {
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(delay);
    button->setAutoRepeatInterval(interval);
}

}  // namespace

LabelDesignerDialog::LabelDesignerDialog(const LabelSetup& setup, xbase::Table* addresses, int ppi,
                                         QWidget* parent)
    : Dialog(parent, HelpTopic::LabelDesigner),
      model_(setup, ppi > 0 ? ppi : logicalDpiX()),
      addresses_(addresses) {
    setWindowTitle(tr("Label Setup "));
    chooseFont = [this](LabelFont& font) { return LabelFontDialog::choose(this, font); };

    // Description.
    auto* descriptionLabel = new QLabel(tr("Label Setup Description"), this);
    description_ = new QLineEdit(this);
    description_->setMaxLength(kDescriptionLength);
    description_->setWhatsThis(tr("The name the Print Labels list shows."));
    descriptionLabel->setBuddy(description_);

    // Label Definition.
    auto* definition = new QGroupBox(tr("Label Definition"), this);
    labelType_ = new QLabel(definition);
    labelType_->setWordWrap(true);
    chooseLabel_ = makeCommandButton(tr("Choose or Define Label"),
                                     tr("Pick the label sheet or describe a new one."), definition);
    auto* definitionLayout = new QVBoxLayout(definition);
    definitionLayout->addWidget(labelType_);
    definitionLayout->addWidget(chooseLabel_);

    // Font.
    auto* fontBox = new QGroupBox(tr("Font"), this);
    fontInfo_ = new QLabel(fontBox);
    chooseFontButton_ =
        makeCommandButton(tr("Choose Font"), tr("Pick the font of the label text."), fontBox);
    smaller_ = makeToolButton(tr("-"), Qt::NoArrow, tr("A smaller font size; hold to keep going."),
                              fontBox);
    bigger_ = makeToolButton(tr("+"), Qt::NoArrow, tr("A bigger font size; hold to keep going."),
                             fontBox);
    smaller_->setAccessibleName(tr("Smaller font"));
    bigger_->setAccessibleName(tr("Bigger font"));
    setRepeat(smaller_, kFontRepeatDelay, kFontRepeatInterval);
    setRepeat(bigger_, kFontRepeatDelay, kFontRepeatInterval);
    auto* fontLayout = new QGridLayout(fontBox);
    fontLayout->addWidget(fontInfo_, 0, 0, 1, 3);
    fontLayout->addWidget(chooseFontButton_, 1, 0);
    fontLayout->addWidget(smaller_, 1, 1);
    fontLayout->addWidget(bigger_, 1, 2);

    // Text Position.
    auto* position = new QGroupBox(tr("Text Position"), this);
    up_ = makeToolButton(tr("Up"), Qt::UpArrow, tr("Move the text up."), position);
    down_ = makeToolButton(tr("Down"), Qt::DownArrow, tr("Move the text down."), position);
    left_ = makeToolButton(tr("Left"), Qt::LeftArrow, tr("Move the text left."), position);
    right_ = makeToolButton(tr("Right"), Qt::RightArrow, tr("Move the text right."), position);
    home_ = makeToolButton(tr("Home"), Qt::NoArrow,
                           tr("Put the text back near the top left corner."), position);
    setRepeat(up_, kUpDownRepeatDelay, kUpDownRepeatInterval);
    setRepeat(down_, kUpDownRepeatDelay, kUpDownRepeatInterval);
    setRepeat(left_, kSideRepeatDelay, kSideRepeatInterval);
    setRepeat(right_, kSideRepeatDelay, kSideRepeatInterval);
    auto* positionLayout = new QGridLayout(position);
    positionLayout->addWidget(up_, 0, 1);
    positionLayout->addWidget(left_, 1, 0);
    positionLayout->addWidget(home_, 1, 1);
    positionLayout->addWidget(right_, 1, 2);
    positionLayout->addWidget(down_, 2, 1);

    // Label Contents.
    auto* contents = new QGroupBox(tr("Label Contents"), this);
    auto box = [contents](const QString& caption) { return new QCheckBox(caption, contents); };
    name_ = box(tr("Name"));
    title_ = box(tr("Title"));
    organization_ = box(tr("Organization"));
    street_ = box(tr("Street"));
    cityState_ = box(tr("City + State"));
    country_ = box(tr("Country"));
    phone_ = box(tr("Phone"));
    zip_ = box(tr("Zip/Postal code"));
    barcode_ = box(tr("US Postnet Barcode"));
    uppercase_ = box(tr("Uppercase"));
    trim_ = box(tr("Trim text to fit label"));
    placement_ = new QButtonGroup(this);
    auto* contentsLayout = new QVBoxLayout(contents);
    for (QCheckBox* b : {name_, title_, organization_, street_, cityState_, country_, phone_, zip_})
        contentsLayout->addWidget(b);
    const std::pair<ZipPlacement, const char*> placements[] = {
        {ZipPlacement::AfterState, QT_TR_NOOP("After state")},
        {ZipPlacement::BeforeCity, QT_TR_NOOP("Before city")},
        {ZipPlacement::AfterCountry, QT_TR_NOOP("After country")},
        {ZipPlacement::BeforeCountry, QT_TR_NOOP("Before country")}};
    for (const auto& [placement, caption] : placements) {
        auto* radio = new QRadioButton(tr(caption), contents);
        placement_->addButton(radio, static_cast<int>(placement));
        auto* indented = new QHBoxLayout;
        indented->addSpacing(20);
        indented->addWidget(radio);
        contentsLayout->addLayout(indented);
    }
    for (QCheckBox* b : {barcode_, uppercase_, trim_}) contentsLayout->addWidget(b);

    // Preview and Record navigator.
    preview_ = new LabelPreviewWidget(*this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(preview_);
    scroll->setMinimumSize(420, 180);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setAccessibleName(tr("Label picture"));
    scroll->installEventFilter(this);
    picture_ = scroll;
    auto* record = new QGroupBox(tr("Record"), this);
    first_ =
        makeToolButton(tr("|<"), Qt::NoArrow, tr("The first record of the address file."), record);
    prior_ = makeToolButton(tr("<"), Qt::NoArrow, tr("The previous record."), record);
    next_ = makeToolButton(tr(">"), Qt::NoArrow, tr("The next record."), record);
    last_ =
        makeToolButton(tr(">|"), Qt::NoArrow, tr("The last record of the address file."), record);
    first_->setAccessibleName(tr("First record"));
    prior_->setAccessibleName(tr("Previous record"));
    next_->setAccessibleName(tr("Next record"));
    last_->setAccessibleName(tr("Last record"));
    auto* recordLayout = new QHBoxLayout(record);
    for (QAbstractButton* b : {first_, prior_, next_, last_}) recordLayout->addWidget(b);
    for (QAbstractButton* b : {first_, prior_, next_, last_}) b->setEnabled(addresses_ != nullptr);

    // Save, Help, Cancel.
    auto* save = makeCommandButton(tr("Save"), tr("Keep this label setup and close."), this);
    auto* cancel = makeCommandButton(tr("Cancel"), tr("Close without keeping the changes."), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(makeHelpButton());
    buttons->addWidget(cancel);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(descriptionLabel);
    leftColumn->addWidget(description_);
    leftColumn->addWidget(definition);
    leftColumn->addWidget(fontBox);
    leftColumn->addWidget(position);
    leftColumn->addStretch();
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(scroll, 1);
    rightColumn->addWidget(record, 0, Qt::AlignHCenter);
    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn);
    columns->addWidget(contents);
    columns->addLayout(rightColumn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(save, &QPushButton::clicked, this, &LabelDesignerDialog::onSaveClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(chooseLabel_, &QAbstractButton::clicked, this,
            &LabelDesignerDialog::onChooseLabelClicked);
    connect(chooseFontButton_, &QAbstractButton::clicked, this,
            &LabelDesignerDialog::onChooseFontClicked);
    connect(smaller_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onSmallerClicked);
    connect(bigger_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onBiggerClicked);
    connect(up_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onUpClicked);
    connect(down_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onDownClicked);
    connect(left_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onLeftClicked);
    connect(right_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onRightClicked);
    connect(home_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onHomeClicked);
    connect(barcode_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onBarcodeClicked);
    for (QCheckBox* b : {name_, title_, organization_, street_, cityState_, country_, phone_, zip_,
                         uppercase_, trim_})
        connect(b, &QAbstractButton::clicked, this, &LabelDesignerDialog::onContentsClicked);
    connect(placement_, &QButtonGroup::idClicked, this, &LabelDesignerDialog::onContentsClicked);
    connect(first_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onFirstClicked);
    connect(prior_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onPriorClicked);
    connect(next_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onNextClicked);
    connect(last_, &QAbstractButton::clicked, this, &LabelDesignerDialog::onLastClicked);
}

LabelDesignerDialog::~LabelDesignerDialog() = default;

LabelSetup LabelDesignerDialog::editedSetup() const {
    return model_.saved();
}

QWidget* LabelDesignerDialog::preview() const {
    return preview_;
}

QRadioButton* LabelDesignerDialog::placementButton(ZipPlacement placement) const {
    return static_cast<QRadioButton*>(placement_->button(static_cast<int>(placement)));
}

QStringList LabelDesignerDialog::addressLines() const {
    QStringList lines;
    if (addresses_ && !addresses_->eof())
        composeAddressBlock(lines, *addresses_, model_.contents());
    return lines;
}

QImage LabelDesignerDialog::previewImage() const {
    return labelPreviewImage(model_, addressLines());
}

void LabelDesignerDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (!activated_) activate();
}

void LabelDesignerDialog::activate() {
    activated_ = true;
    suspended_ = true;
    description_->setText(model_.description());
    showContents();
    showFontInfo();
    suspended_ = false;
    resizeLabel();
    labelType_->setText(model_.setup().labelTypeName);
}

void LabelDesignerDialog::showContents() {
    const AddressContents& c = model_.contents();
    name_->setChecked(c.name);
    title_->setChecked(c.title);
    organization_->setChecked(c.company);
    street_->setChecked(c.street);
    cityState_->setChecked(c.cityState);
    country_->setChecked(c.country);
    phone_->setChecked(c.phone);
    zip_->setChecked(c.zip);
    placementButton(c.zipPlacement)->setChecked(true);
    for (QAbstractButton* b : placement_->buttons()) b->setEnabled(c.zip);
    uppercase_->setChecked(c.uppercase);
    trim_->setChecked(model_.trimText());
    showBarcodeChoice();
}

void LabelDesignerDialog::showBarcodeChoice() {
    barcode_->setEnabled(model_.barcodeAvailable());
    barcode_->setChecked(model_.barcode());
}

void LabelDesignerDialog::showFontInfo() {
    fontInfo_->setText(model_.fontInfo());
}

void LabelDesignerDialog::resizeLabel() {
    preview_->setFixedSize(model_.labelSize());
    showBarcodeChoice();
    drawLabel();
}

void LabelDesignerDialog::drawLabel() {
    if (suspended_) return;
    ++redraws_;
    preview_->update();
    announceViewChanged(*preview_);
}

void LabelDesignerDialog::onSaveClicked() {
    model_.setDescription(description_->text());
    if (model_.descriptionMissing()) {
        showInformation(tr("Please enter a description for this Label Setup record"));
        return;
    }
    accept();
}

void LabelDesignerDialog::onChooseLabelClicked() {
    if (!chooseStock) return;
    LabelSetup chosen = model_.setup();
    if (!chooseStock(chosen)) return;
    model_.takeStock(chosen);
    resizeLabel();
    labelType_->setText(model_.setup().labelTypeName);
}

void LabelDesignerDialog::onChooseFontClicked() {
    LabelFont font = model_.font();
    if (!chooseFont || !chooseFont(font)) return;
    model_.setFont(font);
    showFontInfo();
    drawLabel();
}

void LabelDesignerDialog::onSmallerClicked() {
    if (!model_.smaller()) {
        beep();
        return;
    }
    showFontInfo();
    drawLabel();
}

void LabelDesignerDialog::onBiggerClicked() {
    if (!model_.bigger()) {
        beep();
        return;
    }
    showFontInfo();
    drawLabel();
}

bool LabelDesignerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picture_) return false;
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) preview_->update();
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) return false;
    QToolButton* button = nullptr;
    switch (key->key()) {
        case Qt::Key_Up:
            button = up_;
            break;
        case Qt::Key_Down:
            button = down_;
            break;
        case Qt::Key_Left:
            button = left_;
            break;
        case Qt::Key_Right:
            button = right_;
            break;
        case Qt::Key_Home:
            button = home_;
            break;
        default:
            return false;
    }
    button->click();
    return true;
}

void LabelDesignerDialog::onUpClicked() {
    model_.moveUp();
    drawLabel();
}

void LabelDesignerDialog::onDownClicked() {
    model_.moveDown();
    drawLabel();
}

// A click while the button is still down comes from its repeat: the text moves faster.
void LabelDesignerDialog::onLeftClicked() {
    model_.moveLeft(left_->isDown());
    drawLabel();
}

void LabelDesignerDialog::onRightClicked() {
    model_.moveRight(right_->isDown());
    drawLabel();
}

void LabelDesignerDialog::onHomeClicked() {
    model_.moveHome();
    drawLabel();
}

void LabelDesignerDialog::onBarcodeClicked() {
    model_.setBarcode(barcode_->isChecked());
    onContentsClicked();
}

void LabelDesignerDialog::onContentsClicked() {
    AddressContents c;
    c.name = name_->isChecked();
    c.title = title_->isChecked();
    c.company = organization_->isChecked();
    c.street = street_->isChecked();
    c.cityState = cityState_->isChecked();
    c.country = country_->isChecked();
    c.phone = phone_->isChecked();
    c.zip = zip_->isChecked();
    const int placement = placement_->checkedId();
    c.zipPlacement = placement >= 1 && placement <= 4 ? static_cast<ZipPlacement>(placement)
                                                      : ZipPlacement::AfterState;
    c.uppercase = uppercase_->isChecked();
    model_.setContents(c, trim_->isChecked());
    for (QAbstractButton* b : placement_->buttons()) b->setEnabled(c.zip);
    drawLabel();
}

void LabelDesignerDialog::onFirstClicked() {
    if (!addresses_) return;
    addresses_->goTop();
    drawLabel();
}

void LabelDesignerDialog::onPriorClicked() {
    if (!addresses_) return;
    addresses_->skip(-1);
    if (addresses_->bof()) addresses_->goTop();
    drawLabel();
}

void LabelDesignerDialog::onNextClicked() {
    if (!addresses_) return;
    addresses_->skip(1);
    if (addresses_->eof()) addresses_->goBottom();
    drawLabel();
}

void LabelDesignerDialog::onLastClicked() {
    if (!addresses_) return;
    addresses_->goBottom();
    drawLabel();
}

bool runLabelDesigner(LabelSetup& setup, xbase::Table& addresses, const QString& programFolder,
                      QWidget* parent) {
    LabelDesignerDialog dialog(setup, &addresses, 0, parent);
    dialog.model().setSymbology(
        loadPostalBarcode(IniFile(programFolder + QLatin1String(kIniFileName))).symbology);
    dialog.chooseStock = [&dialog, &addresses, &programFolder](LabelSetup& chosen) {
        return chooseLabelDefinition(&dialog, addresses.engine(), programFolder, chosen);
    };
    if (dialog.exec() != QDialog::Accepted) return false;
    setup = dialog.editedSetup();
    return true;
}

}  // namespace rp
