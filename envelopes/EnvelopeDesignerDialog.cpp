#include "envelopes/EnvelopeDesignerDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "data/DataFolder.h"
#include "data/IniFile.h"
#include "envelopes/EnvelopeDesignView.h"
#include "envelopes/ReturnAddressDialog.h"
#include "envelopes/SelectEnvelopeSizeDialog.h"
#include "framework/Background.h"
#include "framework/Messages.h"
#include "xbase/Table.h"

namespace rp {
namespace {

const char* const kContentsCaptions[] = {
    QT_TRANSLATE_NOOP("rp::EnvelopeDesignerDialog", "Name"),
    QT_TRANSLATE_NOOP("rp::EnvelopeDesignerDialog", "Title"),
    QT_TRANSLATE_NOOP("rp::EnvelopeDesignerDialog", "Organization"),
    QT_TRANSLATE_NOOP("rp::EnvelopeDesignerDialog", "Street"),
    QT_TRANSLATE_NOOP("rp::EnvelopeDesignerDialog", "City + State"),
    QT_TRANSLATE_NOOP("rp::EnvelopeDesignerDialog", "Country"),
    QT_TRANSLATE_NOOP("rp::EnvelopeDesignerDialog", "Phone"),
    QT_TRANSLATE_NOOP("rp::EnvelopeDesignerDialog", "Zip/Postal code")};
enum ContentsBox { kName, kTitle, kOrganization, kStreet, kCityState, kCountry, kPhone, kZip };

// The feed picture: a page with the envelope symbol face up or down, upright or turned, at
// the left, the right or the centre of the page.
class FeedPicture : public QWidget {
  public:
    FeedPicture(const EnvelopeDesignModel& model, QWidget* parent)
        : QWidget(parent), model_(model) {
        setFixedSize(76, 96);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect page(8, 4, 60, 88);
        painter.fillRect(page, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(page.adjusted(0, 0, -1, -1));
        const QSize symbol = feedSymbolSize(QSize(22, 44), model_.orientation());
        const QRect r =
            feedSymbolRect(page.size(), symbol, model_.feedPosition()).translated(page.topLeft());
        painter.fillRect(r, QColor(0xff, 0xff, 0xe0));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        // Where the stamp corner lies: upright at the top right; turned one way or the other.
        const bool landscape = model_.orientation() == 1;
        const bool clockwise = model_.clockwise();
        if (model_.facing() == 0) {
            QRect stamp(0, 0, 5, 5);
            if (!landscape)
                stamp.moveTopRight(r.topRight() + QPoint(-2, 2));
            else if (clockwise)
                stamp.moveBottomRight(r.bottomRight() + QPoint(-2, -2));
            else
                stamp.moveTopLeft(r.topLeft() + QPoint(2, 2));
            painter.fillRect(stamp, Qt::darkRed);
            const QPoint c = r.center();
            if (landscape)
                for (int i = -1; i <= 1; ++i)
                    painter.drawLine(c.x() + 3 * i, c.y() - 4, c.x() + 3 * i, c.y() + 4);
            else
                for (int i = -1; i <= 1; ++i)
                    painter.drawLine(c.x() - 4, c.y() + 3 * i, c.x() + 4, c.y() + 3 * i);
        } else {
            // The flap seen from the back.
            if (!landscape) {
                const QPoint tip(r.center().x(), r.top() + r.height() / 3);
                painter.drawLine(r.topLeft(), tip);
                painter.drawLine(r.topRight(), tip);
            } else {
                const int x = clockwise ? r.right() - r.width() / 3 : r.left() + r.width() / 3;
                const QPoint tip(x, r.center().y());
                const QPoint a = clockwise ? r.topRight() : r.topLeft();
                const QPoint b = clockwise ? r.bottomRight() : r.bottomLeft();
                painter.drawLine(a, tip);
                painter.drawLine(b, tip);
            }
        }
    }

  private:
    const EnvelopeDesignModel& model_;
};

int screenPpi(QWidget* widget) {
    QScreen* screen = widget->screen();
    return screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
}

QRadioButton* addRadio(QButtonGroup* group, QLayout* layout, const QString& caption, int id,
                       QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    group->addButton(button, id);
    layout->addWidget(button);
    return button;
}

}  // namespace

EnvelopeDesignerDialog::EnvelopeDesignerDialog(const EnvelopeSetup& setup, xbase::Table& addresses,
                                               QString programFolder, QWidget* parent, int ppi)
    : Dialog(parent, HelpTopic::EnvelopeDesigner),
      model_(setup, ppi > 0 ? ppi : screenPpi(parent ? parent : this)),
      addresses_(addresses),
      programFolder_(std::move(programFolder)) {
    setWindowTitle(tr("Envelope Designer"));

    chooseFont = [this](const DesignFont& font) -> std::optional<DesignFont> {
        QFont initial(font.name);
        initial.setPointSize(std::max(1, font.size));
        initial.setBold(font.bold);
        initial.setItalic(font.italic);
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, initial, this);
        if (!ok) return std::nullopt;
        return DesignFont{chosen.family(), chosen.pointSize(), chosen.bold(), chosen.italic()};
    };
    editReturnAddress = [this](const QStringList& lines) -> std::optional<QStringList> {
        ReturnAddressDialog dialog(lines, this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.lines();
    };
    askMessage = [this](const QString& text) -> std::optional<QString> {
        bool ok = false;
        const QString answer = QInputDialog::getText(this, tr("Message"), tr("Message Text"),
                                                     QLineEdit::Normal, text, &ok);
        if (!ok) return std::nullopt;
        return answer;
    };
    chooseSize = [this](const QString& envName) {
        return chooseEnvelopeSize(addresses_.engine(), programFolder_, envName, this);
    };

    pages_ = new QTabWidget(this);
    keepPagesReadableOnBackground(*pages_);
    pages_->setAccessibleName(tr("Envelope Designer pages"));
    pages_->addTab(buildDesignPage(), tr("Envelope Design"));
    pages_->addTab(buildOptionsPage(), tr("Envelope Options"));

    description_ = new QLineEdit(model_.setup().descript, this);
    description_->setMaxLength(50);
    description_->setWhatsThis(tr("The name of this envelope setup in the list."));
    auto* descriptionRow = new QHBoxLayout;
    auto* descriptionLabel = new QLabel(tr("Envelope Setup Description"), this);
    descriptionLabel->setBuddy(description_);
    descriptionRow->addWidget(descriptionLabel);
    descriptionRow->addWidget(description_, 1);

    save_ = makeCommandButton(tr("Save"), tr("Keeps the setup as designed and closes."), this);
    cancel_ = makeCommandButton(tr("Cancel"), tr("Closes without changing the setup."), this);
    connect(save_, &QPushButton::clicked, this, [this] { onSaveClicked(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(buildRecordBox());
    bottom->addWidget(makePointerHelpButton());
    bottom->addStretch();
    bottom->addWidget(save_);
    bottom->addWidget(makeHelpButton());
    bottom->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(descriptionRow);
    layout->addLayout(bottom);

    // Opening: the first page, the positions remembered at 100 %, the controls from the
    // working values, an item lying off the envelope moved just inside, then half size.
    pages_->setCurrentIndex(0);
    loadControls();
    refreshDelivery();
    view_->keepItemsInside();
    zoomButton(50)->setChecked(true);
    onZoomClicked(50);
    showFeed();
    resize(760, 560);
    opened_ = true;
}

EnvelopeDesignerDialog::~EnvelopeDesignerDialog() = default;

QWidget* EnvelopeDesignerDialog::buildDesignPage() {
    auto* page = new QWidget(this);
    useReturn_ = new QCheckBox(tr("Return Address"), page);
    useReturn_->setWhatsThis(tr("Prints the return address."));
    useMessage_ = new QCheckBox(tr("Message"), page);
    useMessage_->setWhatsThis(tr("Prints the message line."));
    barcode_ = new QCheckBox(tr("Barcode"), page);
    barcode_->setWhatsThis(tr("Prints the postal barcode above the address."));
    outlines_ = new QCheckBox(tr("Show outlines"), page);
    outlines_->setChecked(true);
    outlines_->setWhatsThis(tr("Draws a dotted frame around each item."));
    connect(useReturn_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setUseReturn(on);
        view_->update();
    });
    connect(useMessage_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setUseMessage(on);
        view_->update();
    });
    connect(barcode_, &QCheckBox::clicked, this, [this](bool on) {
        model_.setBarcode(on);
        view_->update();
    });
    connect(outlines_, &QCheckBox::clicked, this, [this](bool on) { view_->setShowOutlines(on); });

    auto* zoomBox = new QGroupBox(page);
    auto* zoomLayout = new QHBoxLayout(zoomBox);
    zoom_ = new QButtonGroup(this);
    for (int percent : {100, 75, 50})
        addRadio(zoom_, zoomLayout, tr("%1%").arg(percent), percent, zoomBox)
            ->setAccessibleName(tr("Zoom %1 percent").arg(percent));
    zoomBox->setWhatsThis(tr("The size at which the envelope is shown."));
    connect(zoom_, &QButtonGroup::idClicked, this, [this](int id) { onZoomClicked(id); });

    auto* switches = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(useReturn_), static_cast<QWidget*>(useMessage_),
                       static_cast<QWidget*>(barcode_), static_cast<QWidget*>(outlines_)})
        switches->addWidget(w);
    switches->addStretch();
    switches->addWidget(zoomBox);

    auto* hint = new QLabel(tr("Use the mouse to move and resize envelope items. "
                               "Click the right mouse button on an item to set font "
                               "or text."),
                            page);
    hint->setWordWrap(true);

    view_ = new EnvelopeDesignView(model_, page);
    connect(view_, &EnvelopeDesignView::fontRequested, this,
            [this](DesignItem item) { onFontRequested(item); });
    connect(view_, &EnvelopeDesignView::textRequested, this,
            [this](DesignItem item) { onTextRequested(item); });
    scroll_ = new QScrollArea(page);
    scroll_->setWidget(view_);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAccessibleName(tr("Envelope"));

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(switches);
    layout->addWidget(hint);
    layout->addWidget(scroll_, 1);
    return page;
}

QWidget* EnvelopeDesignerDialog::buildOptionsPage() {
    auto* page = new QWidget(this);
    auto* sizeBox = new QGroupBox(tr("Envelope Size"), page);
    envName_ = new QLabel(sizeBox);
    chooseEnvelope_ =
        makeCommandButton(tr("Choose or Define  Envelope"),
                          tr("Chooses the envelope size, or defines a size of your own."), sizeBox);
    connect(chooseEnvelope_, &QPushButton::clicked, this, [this] { onChooseEnvelopeClicked(); });
    auto* sizeLayout = new QVBoxLayout(sizeBox);
    sizeLayout->addWidget(envName_);
    sizeLayout->addWidget(chooseEnvelope_);
    sizeLayout->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(sizeBox);
    left->addWidget(buildContentsBox(), 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addWidget(buildFeedBox(), 1);
    return page;
}

QWidget* EnvelopeDesignerDialog::buildContentsBox() {
    auto* box = new QGroupBox(tr("Delivery Address Contents"), this);
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < 8; ++i) {
        auto* check = new QCheckBox(tr(kContentsCaptions[i]), box);
        check->setWhatsThis(tr("Prints this line or piece of the address."));
        contents_.append(check);
        grid->addWidget(check, i, 0);
        connect(check, &QCheckBox::clicked, this, [this] { onContentsClicked(); });
    }
    zip_ = new QButtonGroup(this);
    auto* zipBox = new QWidget(box);
    auto* zipLayout = new QVBoxLayout(zipBox);
    zipLayout->setContentsMargins(16, 0, 0, 0);
    addRadio(zip_, zipLayout, tr("After state"), static_cast<int>(ZipPlacement::AfterState),
             zipBox);
    addRadio(zip_, zipLayout, tr("Before city"), static_cast<int>(ZipPlacement::BeforeCity),
             zipBox);
    addRadio(zip_, zipLayout, tr("After country"), static_cast<int>(ZipPlacement::AfterCountry),
             zipBox);
    addRadio(zip_, zipLayout, tr("Before country"), static_cast<int>(ZipPlacement::BeforeCountry),
             zipBox);
    zipBox->setWhatsThis(tr("Where the ZIP or postal code is printed."));
    connect(zip_, &QButtonGroup::idClicked, this, [this] { onContentsClicked(); });
    grid->addWidget(zipBox, 8, 0);
    uppercase_ = new QCheckBox(tr("Print in Uppercase"), box);
    uppercase_->setWhatsThis(tr("Prints the address in capitals."));
    connect(uppercase_, &QCheckBox::clicked, this, [this] { onContentsClicked(); });
    grid->addWidget(uppercase_, 9, 0);
    return box;
}

QWidget* EnvelopeDesignerDialog::buildFeedBox() {
    auto* box = new QGroupBox(tr("Feed Method"), this);
    auto* intro = new QLabel(tr("Please indicate how you normally feed envelopes "
                                "into your printer (this will help us determine how "
                                "to print it):"),
                             box);
    intro->setWordWrap(true);
    auto* note = new QLabel(tr("(note: there are many printers and many ways to feed "
                               "envelopes - this may take some experimenting)"),
                            box);
    note->setWordWrap(true);

    auto* positionBox = new QGroupBox(tr("Position"), box);
    auto* positionLayout = new QVBoxLayout(positionBox);
    position_ = new QButtonGroup(this);
    addRadio(position_, positionLayout, tr("Left"), 0, positionBox);
    addRadio(position_, positionLayout, tr("Right"), 1, positionBox);
    addRadio(position_, positionLayout, tr("Center"), 2, positionBox);

    auto* orientBox = new QGroupBox(tr("Orientation"), box);
    auto* orientLayout = new QVBoxLayout(orientBox);
    orient_ = new QButtonGroup(this);
    addRadio(orient_, orientLayout, tr("Portrait"), 0, orientBox);
    addRadio(orient_, orientLayout, tr("Landscape"), 1, orientBox);
    clockwise_ = new QCheckBox(tr("Clockwise Rotation"), orientBox);
    clockwise_->setWhatsThis(tr("The printer turns landscape pages clockwise."));
    orientLayout->addWidget(clockwise_);

    auto* facingBox = new QGroupBox(tr("Facing"), box);
    auto* facingLayout = new QVBoxLayout(facingBox);
    facing_ = new QButtonGroup(this);
    addRadio(facing_, facingLayout, tr("Up"), 0, facingBox);
    addRadio(facing_, facingLayout, tr("Down"), 1, facingBox);

    for (QButtonGroup* group : {position_, orient_, facing_})
        connect(group, &QButtonGroup::idClicked, this, [this] { onFeedClicked(); });
    connect(clockwise_, &QCheckBox::clicked, this, [this] { onFeedClicked(); });

    feedPicture_ = new FeedPicture(model_, box);

    auto* choices = new QHBoxLayout;
    choices->addWidget(positionBox);
    choices->addWidget(orientBox);
    choices->addWidget(facingBox);
    choices->addWidget(feedPicture_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(intro);
    layout->addLayout(choices);
    layout->addWidget(note);
    layout->addStretch();
    return box;
}

QWidget* EnvelopeDesignerDialog::buildRecordBox() {
    auto* box = new QGroupBox(tr("Record"), this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    const char* const texts[] = {QT_TR_NOOP("|<"), QT_TR_NOOP("<"), QT_TR_NOOP(">"),
                                 QT_TR_NOOP(">|")};
    const char* const names[] = {QT_TR_NOOP("First record"), QT_TR_NOOP("Previous record"),
                                 QT_TR_NOOP("Next record"), QT_TR_NOOP("Last record")};
    const char* const help[] = {
        QT_TR_NOOP("Shows the first record."), QT_TR_NOOP("Shows the previous record."),
        QT_TR_NOOP("Shows the next record."), QT_TR_NOOP("Shows the last record.")};
    for (int i = 0; i < 4; ++i) {
        records_[i] = new QToolButton(box);
        records_[i]->setText(tr(texts[i]));
        records_[i]->setAccessibleName(tr(names[i]));
        records_[i]->setToolTip(tr(help[i]));
        records_[i]->setWhatsThis(tr(help[i]));
        layout->addWidget(records_[i]);
    }
    connect(records_[0], &QToolButton::clicked, this, [this] { firstRecord(); });
    connect(records_[1], &QToolButton::clicked, this, [this] { previousRecord(); });
    connect(records_[2], &QToolButton::clicked, this, [this] { nextRecord(); });
    connect(records_[3], &QToolButton::clicked, this, [this] { lastRecord(); });
    return box;
}

void EnvelopeDesignerDialog::loadControls() {
    useReturn_->setChecked(model_.useReturn());
    useMessage_->setChecked(model_.useMessage());
    barcode_->setChecked(model_.barcode());
    const AddressContents& c = model_.contents();
    const bool values[] = {c.name,      c.title,   c.company, c.street,
                           c.cityState, c.country, c.phone,   c.zip};
    for (int i = 0; i < 8; ++i) contents_[i]->setChecked(values[i]);
    if (QAbstractButton* b = zip_->button(static_cast<int>(c.zipPlacement))) b->setChecked(true);
    for (QAbstractButton* b : zip_->buttons()) b->setEnabled(c.zip);
    uppercase_->setChecked(c.uppercase);
    position_->button(static_cast<int>(model_.feedPosition()))->setChecked(true);
    if (QAbstractButton* b = orient_->button(model_.orientation())) b->setChecked(true);
    if (QAbstractButton* b = facing_->button(model_.facing())) b->setChecked(true);
    clockwise_->setChecked(model_.clockwise());
    clockwise_->setVisible(model_.orientation() == 1);
    envName_->setText(model_.envelopeName());
}

QRadioButton* EnvelopeDesignerDialog::zoomButton(int percent) const {
    return qobject_cast<QRadioButton*>(zoom_->button(percent));
}

QCheckBox* EnvelopeDesignerDialog::contentsCheck(const QString& caption) const {
    for (QCheckBox* check : contents_)
        if (check->text() == caption) return check;
    return caption == uppercase_->text() ? uppercase_ : nullptr;
}

QRadioButton* EnvelopeDesignerDialog::zipButton(ZipPlacement placement) const {
    return qobject_cast<QRadioButton*>(zip_->button(static_cast<int>(placement)));
}

QRadioButton* EnvelopeDesignerDialog::positionButton(FeedPosition position) const {
    return qobject_cast<QRadioButton*>(position_->button(static_cast<int>(position)));
}

QRadioButton* EnvelopeDesignerDialog::orientationButton(int orient) const {
    return qobject_cast<QRadioButton*>(orient_->button(orient));
}

QRadioButton* EnvelopeDesignerDialog::facingButton(int facing) const {
    return qobject_cast<QRadioButton*>(facing_->button(facing));
}

void EnvelopeDesignerDialog::onZoomClicked(int percent) {
    model_.setZoom(percent);
    view_->detachHandle();
    view_->updateArea();
}

void EnvelopeDesignerDialog::onChooseEnvelopeClicked() {
    if (!chooseSize) return;
    const std::optional<EnvelopeSize> chosen = chooseSize(model_.envelopeName());
    if (!chosen) return;
    if (!model_.chooseEnvelope(*chosen)) return;
    envName_->setText(model_.envelopeName());
    view_->detachHandle();
    view_->updateArea();
}

void EnvelopeDesignerDialog::onContentsClicked() {
    const bool zip = contents_[kZip]->isChecked();
    for (QAbstractButton* b : zip_->buttons()) b->setEnabled(zip);
    if (!opened_) return;
    AddressContents c;
    c.name = contents_[kName]->isChecked();
    c.title = contents_[kTitle]->isChecked();
    c.company = contents_[kOrganization]->isChecked();
    c.street = contents_[kStreet]->isChecked();
    c.cityState = contents_[kCityState]->isChecked();
    c.country = contents_[kCountry]->isChecked();
    c.phone = contents_[kPhone]->isChecked();
    c.zip = zip;
    const int placement = zip_->checkedId();
    c.zipPlacement = placement >= 1 && placement <= 4 ? static_cast<ZipPlacement>(placement)
                                                      : ZipPlacement::AfterState;
    c.uppercase = uppercase_->isChecked();
    model_.setContents(c);
    refreshDelivery();
}

void EnvelopeDesignerDialog::onFeedClicked() {
    model_.setFeedPosition(static_cast<FeedPosition>(position_->checkedId()));
    model_.setOrientation(orient_->checkedId());
    model_.setFacing(facing_->checkedId());
    model_.setClockwise(clockwise_->isChecked());
    clockwise_->setVisible(model_.orientation() == 1);
    showFeed();
}

void EnvelopeDesignerDialog::showFeed() {
    feedPicture_->update();
}

void EnvelopeDesignerDialog::onFontRequested(DesignItem item) {
    if (!chooseFont) return;
    if (const std::optional<DesignFont> font = chooseFont(model_.font(item))) {
        model_.setFont(item, *font);
        view_->update();
    }
}

void EnvelopeDesignerDialog::onTextRequested(DesignItem item) {
    if (item == DesignItem::ReturnAddress && editReturnAddress) {
        if (const std::optional<QStringList> lines = editReturnAddress(model_.returnLines()))
            model_.setReturnLines(*lines);
    } else if (item == DesignItem::Message && askMessage) {
        if (const std::optional<QString> text = askMessage(model_.messageText()))
            model_.setMessageText(*text);
    }
    view_->update();
}

void EnvelopeDesignerDialog::refreshDelivery() {
    try {
        view_->setDeliveryLines(model_.deliveryLines(readAddressValues(addresses_)));
    } catch (const std::exception& e) {
        view_->setDeliveryLines({});
        showInformation(errorText(e));
    }
}

void EnvelopeDesignerDialog::moveRecord(const std::function<void()>& move) {
    try {
        move();
    } catch (const std::exception& e) {
        showInformation(errorText(e));
    }
    refreshDelivery();
}

void EnvelopeDesignerDialog::firstRecord() {
    moveRecord([this] { addresses_.goTop(); });
}

void EnvelopeDesignerDialog::previousRecord() {
    moveRecord([this] {
        addresses_.skip(-1);
        if (addresses_.bof()) addresses_.goTop();  // stays on the first
    });
}

void EnvelopeDesignerDialog::nextRecord() {
    moveRecord([this] {
        addresses_.skip(1);
        if (addresses_.eof()) addresses_.goBottom();  // stays on the last
    });
}

void EnvelopeDesignerDialog::lastRecord() {
    moveRecord([this] { addresses_.goBottom(); });
}

void EnvelopeDesignerDialog::onSaveClicked() {
    if (!model_.save(description_->text())) {
        showInformation(QCoreApplication::translate("EnvelopeDesignModel", kDescriptionMissing));
        description_->setFocus();
        return;
    }
    accept();
}

bool runEnvelopeDesigner(EnvelopeSetup& copy, xbase::Table& addresses, const QString& programFolder,
                         QWidget* parent) {
    EnvelopeDesignerDialog dialog(copy, addresses, programFolder, parent);
    dialog.model().setSymbology(
        loadPostalBarcode(IniFile(programFolder + QLatin1String(kIniFileName))).symbology);
    if (dialog.exec() != QDialog::Accepted) return false;
    copy = dialog.setup();
    return true;
}

}  // namespace rp
