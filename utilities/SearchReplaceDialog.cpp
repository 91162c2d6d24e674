#include "utilities/SearchReplaceDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "data/RecordText.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "utilities/SearchReplaceRun.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// Pending input is handled at most this often while replacing.
constexpr int kEventIntervalMs = 30;

QRadioButton* choice(const QString& caption, const QString& help, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setWhatsThis(help);
    return button;
}

}  // namespace

SearchReplaceDialog::SearchReplaceDialog(xbase::Table& table, bool filterSet, QWidget* parent)
    : Dialog(parent, HelpTopic::SearchReplace), table_(table), filterSet_(filterSet) {
    setWindowTitle(tr("Search and Replace"));
    setModal(true);

    pages_ = new QStackedWidget(this);
    choices_ = makeChoices(filterSet);
    progressPanel_ = new QWidget(pages_);
    auto* progressLayout = new QVBoxLayout(progressPanel_);
    progressLayout->addStretch();
    progressLayout->addWidget(new QLabel(tr("Replacing Records "), progressPanel_));
    gauge_ = new QProgressBar(progressPanel_);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    progressLayout->addWidget(gauge_);
    progressLayout->addStretch();
    pages_->addWidget(choices_);
    pages_->addWidget(progressPanel_);

    replace_ = new QPushButton(tr("Replace Now"), this);
    replace_->setDefault(true);
    replace_->setWhatsThis(
        tr("Describes the change and, once you agree, makes it in every record chosen."));
    connect(replace_, &QPushButton::clicked, this,
            guarded(this, &SearchReplaceDialog::onReplaceNowClicked));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(tr("Closes this window without changing any record."));
    connect(cancel_, &QPushButton::clicked, this, &SearchReplaceDialog::reject);
    help_ = makeHelpButton();
    pointerHelp_ = makePointerHelpButton();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(replace_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    buttons->addWidget(help_);
    buttons->addWidget(pointerHelp_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(12);
    layout->addWidget(pages_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    onFieldChoiceChanged();
}

QWidget* SearchReplaceDialog::makeChoices(bool filterSet) {
    auto* page = new QWidget(pages_);

    auto* fieldGroup = new QGroupBox(tr("Search for field:"), page);
    field_ = new QComboBox(fieldGroup);
    for (const ReplaceableField& f : replaceableFields()) field_->addItem(tr(f.displayName));
    field_->setWhatsThis(tr("The field whose values are searched and replaced."));
    connect(field_, &QComboBox::currentIndexChanged, this,
            guarded(this, &SearchReplaceDialog::onFieldChoiceChanged));
    auto* fieldLayout = new QHBoxLayout(fieldGroup);
    fieldLayout->addWidget(field_);
    fieldLayout->addStretch();

    auto* whereGroup = new QGroupBox(tr("Where the field value:"), page);
    exact_ = choice(tr("Is exactly equal to  (leave empty for blank)"),
                    tr("Records whose field holds the value and nothing else; with an empty value, "
                       "records whose field is empty."),
                    whereGroup);
    contains_ =
        choice(tr("Contains"), tr("Records whose field holds the value anywhere."), whereGroup);
    exact_->setChecked(true);
    find_ = new QLineEdit(whereGroup);
    find_->setWhatsThis(
        tr("The value to look for. Leave it empty to find records whose field is empty."));
    caseSensitive_ = new QCheckBox(tr("Case sensitive"), whereGroup);
    caseSensitive_->setChecked(true);
    caseSensitive_->setWhatsThis(
        tr("When ticked, capitals and small letters must match as typed."));
    auto* whereLayout = new QGridLayout(whereGroup);
    whereLayout->addWidget(exact_, 0, 0, 1, 2);
    whereLayout->addWidget(contains_, 1, 0, 1, 2);
    whereLayout->addWidget(new QLabel(tr("Value:"), whereGroup), 2, 0);
    whereLayout->addWidget(find_, 2, 1);
    whereLayout->addWidget(caseSensitive_, 3, 1);

    auto* actionGroup = new QGroupBox(tr("And do this action:"), page);
    whole_ =
        choice(tr("Replace the whole field with"),
               tr("The field of each record found gets the new value; an empty value empties it."),
               actionGroup);
    matching_ =
        choice(tr("Replace only the matching text with"),
               tr("Each occurrence of the value looked for is replaced; the rest of the field "
                  "stays. A record whose field would grow wider than the field is left as it is."),
               actionGroup);
    whole_->setChecked(true);
    replacement_ = new QLineEdit(actionGroup);
    replacement_->setWhatsThis(tr("The new text. Leave it empty to delete."));
    auto* actionLayout = new QGridLayout(actionGroup);
    actionLayout->addWidget(whole_, 0, 0, 1, 2);
    actionLayout->addWidget(matching_, 1, 0, 1, 2);
    actionLayout->addWidget(new QLabel(tr("Value:"), actionGroup), 2, 0);
    actionLayout->addWidget(replacement_, 2, 1);

    auto* usingGroup = new QGroupBox(tr("Using:"), page);
    all_ = choice(tr("All Records"), tr("Every record of the file."), usingGroup);
    filtered_ = choice(tr("Records matching current Filter"),
                       tr("Only the records of the filter set on the Filter page."), usingGroup);
    all_->setChecked(true);
    filtered_->setEnabled(filterSet);
    auto* usingLayout = new QVBoxLayout(usingGroup);
    usingLayout->addWidget(all_);
    usingLayout->addWidget(filtered_);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    for (QGroupBox* group : {fieldGroup, whereGroup, actionGroup, usingGroup})
        layout->addWidget(group);
    return page;
}

// The texts take at most as many characters as the chosen field is wide.
void SearchReplaceDialog::onFieldChoiceChanged() {
    const char* name = replaceableFields()[static_cast<std::size_t>(field_->currentIndex())].name;
    const int width = table_.field(table_.fieldNumber(name)).width;
    find_->setMaxLength(width);
    replacement_->setMaxLength(width);
}

std::optional<SearchReplaceRequest> SearchReplaceDialog::request() const {
    SearchReplaceRequest r;
    try {
        r.find = storableBytes(find_->text());
        r.replacement = storableBytes(replacement_->text());
    } catch (const UnstorableText& e) {
        showInformation(errorText(e));
        return std::nullopt;
    }
    r.field = replaceableFields()[static_cast<std::size_t>(field_->currentIndex())];
    r.match = contains_->isChecked() ? MatchKind::Contains : MatchKind::ExactlyEqual;
    r.caseSensitive = caseSensitive_->isChecked();
    r.action = matching_->isChecked() ? ReplaceAction::MatchingText : ReplaceAction::WholeField;
    return r;
}

void SearchReplaceDialog::onReplaceNowClicked() {
    if (replacing_) return;
    const auto r = request();
    if (!r || !messages().question(tr("Replace"), replaceDescription(*r), true)) return;
    help_->hide();
    pointerHelp_->hide();
    if (filterSet_ && all_->isChecked()) table_.setFilter({});
    doReplace(*r);
}

void SearchReplaceDialog::doReplace(const SearchReplaceRequest& request) {
    pages_->setCurrentWidget(progressPanel_);
    replace_->setEnabled(false);
    cancel_->hide();
    replacing_ = true;
    sinceEvents_.start();
    try {
        const ReplaceOutcome outcome = replaceFieldValues(
            table_, request,
            {[this](int percent) { gauge_->setValue(percent); }, [this] { afterRecord(); }});
        replacing_ = false;
        // The English text says "records" whatever the count.
        showInformation(tr("Replaced %n records", nullptr, outcome.replaced));
        if (outcome.tooLong > 0) showInformation(tooLongMessage(outcome.tooLong));
        showInformation(tr("Replacement done"));
        accept();
    } catch (const std::exception& e) {
        replacing_ = false;
        messages().error(QStringLiteral("Ravenpost"), errorText(e));  // the program's name

        Dialog::reject();
    }
}

void SearchReplaceDialog::afterRecord() {
    if (sinceEvents_.hasExpired(kEventIntervalMs)) {
        QApplication::processEvents();
        sinceEvents_.restart();
    }
}

// Once replacing has begun there is no way back: Esc and the close box wait for the end.
void SearchReplaceDialog::reject() {
    if (!replacing_) Dialog::reject();
}

}  // namespace rp
