#include "app/RecordPage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "data/AddressLayout.h"
#include "data/DateText.h"
#include "data/RecordText.h"
#include "data/Transliteration.h"
#include "xbase/Table.h"

namespace rp {

const QStringList& RecordPage::fieldOrder() {
    static const QStringList order = {"LNAME",  "FNAME", "MIDDLE", "PREFIX", "TITLE",   "ORG",
                                      "STREET", "CITY",  "STATE",  "ZIP",    "COUNTRY", "DATE",
                                      "PHONE",  "FAX",   "EMAIL",  "NOTES"};
    return order;
}

RecordPage::RecordPage(QWidget* parent) : QWidget(parent) {
    content_ = new QWidget;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    addField(grid, 0, 0, tr("Last"), "LNAME", 30);
    addField(grid, 1, 0, tr("First"), "FNAME", 30);
    addField(grid, 1, 2, tr("MI"), "MIDDLE", 1);
    addField(grid, 0, 2, tr("Prefix"), "PREFIX", 12);
    addField(grid, 2, 0, tr("Title"), "TITLE", 30, 3);
    addField(grid, 3, 0, tr("Org"), "ORG", 30, 3);
    addField(grid, 4, 0, tr("Street"), "STREET", 30, 3);
    addField(grid, 5, 0, tr("City"), "CITY", 30, 3);
    addField(grid, 6, 0, tr("State or Prov"), "STATE", 20);
    addField(grid, 6, 2, tr("Zip or Postal"), "ZIP", 10);
    addField(grid, 7, 0, tr("Country"), "COUNTRY", 30, 3);
    addField(grid, 8, 0, tr("Date"), "DATE", 10);
    dateFormat_ = new QLabel;
    grid->addWidget(dateFormat_, 8, 2, 1, 2);
    addField(grid, 9, 0, tr("Phone"), "PHONE", 30, 2);
    dialButton = button(tr("Dial"));
    grid->addWidget(dialButton, 9, 3, Qt::AlignLeft);
    addField(grid, 10, 0, tr("Fax"), "FAX", 30, 3);
    addField(grid, 11, 0, tr("E-mail"), "EMAIL", 30, 3);
    addField(grid, 12, 0, tr("Codes"), "NOTES", 30, 3);
    const std::pair<const char*, const char*> help[] = {
        {"LNAME",
         QT_TR_NOOP("The last name; the Last Name order sorts by it and then by the first name.")},
        {"FNAME", QT_TR_NOOP("The first name.")},
        {"MIDDLE", QT_TR_NOOP("The middle initial, in capitals.")},
        {"PREFIX", QT_TR_NOOP("The salutation prefix, such as Mr. or Ms.")},
        {"TITLE", QT_TR_NOOP("The job title.")},
        {"ORG", QT_TR_NOOP("The organisation or company line of the address.")},
        {"STREET", QT_TR_NOOP("The street line of the address.")},
        {"CITY", QT_TR_NOOP("The city.")},
        {"STATE", QT_TR_NOOP("The state or province.")},
        {"ZIP", QT_TR_NOOP("The ZIP or postal code.")},
        {"COUNTRY",
         QT_TR_NOOP("The country; a new record may get the default country of the preferences.")},
        {"DATE",
         QT_TR_NOOP("A date kept for this person, typed in the date format shown beside it.")},
        {"PHONE", QT_TR_NOOP("The telephone number.")},
        {"FAX", QT_TR_NOOP("The fax number.")},
        {"EMAIL", QT_TR_NOOP("The e-mail address.")},
        {"NOTES", QT_TR_NOOP("Your selection codes; the filter can pick records by them.")},
    };
    for (const auto& [name, text] : help) fields_[name]->setWhatsThis(tr(text));
    fields_["MIDDLE"]->setMaximumWidth(fontMetrics().averageCharWidth() * 4 + 12);
    connect(fields_["MIDDLE"], &QLineEdit::textEdited, this, [this] {
        QLineEdit* mi = fields_["MIDDLE"];
        const int at = mi->cursorPosition();
        mi->setText(mi->text().toUpper());
        mi->setCursorPosition(at);
    });

    auto* memoLabel = new QLabel(tr("Memo"));
    memo_ = new QPlainTextEdit;
    memo_->setTabChangesFocus(true);
    memo_->setMinimumHeight(80);
    memo_->setWhatsThis(tr("Free notes of any length. Typing here starts editing the record."));
    memo_->installEventFilter(this);
    memo_->viewport()->installEventFilter(this);
    memoLabel->setBuddy(memo_);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
        if (memoLoading_) return;
        spellMemo();
        emit memoTyped();
    });
    searchButton = button(tr("Searc&h"));
    searchMemoButton = button(tr("Search Memo"));
    findNextButton = button(tr("Find Next"));
    findNextButton->hide();
    auto* memoColumn = new QVBoxLayout;
    memoColumn->addWidget(memoLabel);
    memoColumn->addWidget(memo_, 1);
    auto* memoButtons = new QHBoxLayout;
    memoButtons->addWidget(searchMemoButton);
    memoButtons->addWidget(findNextButton);
    memoButtons->addStretch();
    memoColumn->addLayout(memoButtons);

    addButton = button(tr("&Add"));
    editButton = button(tr("&Edit"));
    saveButton = button(tr("Save"));
    cancelButton = button(tr("Cancel"));
    deleteButton = button(tr("&Delete"));
    priorButton = button("<");
    nextButton = button(">");
    priorButton->setToolTip(tr("Previous record"));
    nextButton->setToolTip(tr("Next record"));
    priorButton->setAccessibleName(tr("Previous record"));
    nextButton->setAccessibleName(tr("Next record"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {addButton, editButton, saveButton, cancelButton, deleteButton, searchButton})
        buttons->addWidget(b);
    buttons->addStretch();
    deletedMark_ = new QLabel(tr("Deleted by another user"));
    deletedMark_->setObjectName(QStringLiteral("deletedMark"));
    deletedMark_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    deletedMark_->hide();
    buttons->addWidget(deletedMark_);
    buttons->addWidget(priorButton);
    buttons->addWidget(nextButton);

    auto* columns = new QHBoxLayout;
    columns->addLayout(grid, 3);
    columns->addLayout(memoColumn, 2);
    auto* page = new QVBoxLayout(content_);
    page->setContentsMargins(4, 4, 4, 2);
    page->setSpacing(4);
    page->addLayout(columns, 1);
    page->addLayout(buttons);

    noFile_ = new QLabel(tr("Please Open or Create a Ravenpost file"));
    noFile_->setObjectName("noFilePanel");
    static_cast<QLabel*>(noFile_)->setAlignment(Qt::AlignCenter);
    static_cast<QLabel*>(noFile_)->setWordWrap(true);
    noFile_->setAutoFillBackground(true);
    QFont big = noFile_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    noFile_->setFont(big);

    stack_ = new QStackedLayout(this);
    stack_->addWidget(content_);
    stack_->addWidget(noFile_);

    QWidget* previous = nullptr;
    for (const QString& name : fieldOrder()) {
        QWidget* w = fields_[name];
        if (previous) setTabOrder(previous, w);
        previous = w;
        if (name == QLatin1String("PHONE")) {
            setTabOrder(previous, dialButton);
            previous = dialButton;
        }
    }
    setTabOrder(previous, memo_);
    setTabOrder(memo_, searchMemoButton);
    setTabOrder(searchMemoButton, findNextButton);
}

QLineEdit* RecordPage::addField(QGridLayout* grid, int row, int column, const QString& label,
                                const QString& name, int width, int span) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(name == "DATE" ? 32767 : width);
    edit->installEventFilter(this);
    if (name != QLatin1String("DATE"))
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { spellField(edit); });
    auto* caption = new QLabel(label);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column, Qt::AlignRight);
    grid->addWidget(edit, row, column + 1, 1, span);
    fields_.insert(name, edit);
    return edit;
}

namespace {

QString spellingNote() {
    return QCoreApplication::translate(
        "rp::RecordPage",
        "Letters the address file cannot hold were written in their closest spelling.");
}

}  // namespace

void RecordPage::spellField(QLineEdit* edit) {
    const QString typed = edit->text();
    const QString spelled = closeSpelling(typed);
    if (spelled == typed) return;
    const int fromEnd = static_cast<int>(typed.size()) - edit->cursorPosition();
    edit->setText(spelled);
    edit->setCursorPosition(std::max(0, static_cast<int>(edit->text().size()) - fromEnd));
    emit spellingNoted(spellingNote());
}

void RecordPage::spellMemo() {
    const QString typed = memo_->toPlainText();
    const QString spelled = closeSpelling(typed);
    if (spelled == typed) return;
    const int fromEnd = static_cast<int>(typed.size()) - memo_->textCursor().position();
    memoLoading_ = true;
    memo_->setPlainText(spelled);
    memoLoading_ = false;
    QTextCursor cursor = memo_->textCursor();
    cursor.setPosition(std::max(0, static_cast<int>(spelled.size()) - fromEnd));
    memo_->setTextCursor(cursor);
    emit spellingNoted(spellingNote());
}

QPushButton* RecordPage::button(const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setAutoDefault(false);
    // Narrower than the style's usual minimum when the window is small: all eight record
    // buttons together would not fit 610 pixels.
    b->setMinimumWidth(b->fontMetrics().horizontalAdvance(caption) + 16);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

void RecordPage::setNoFile(bool noFile) {
    stack_->setCurrentWidget(noFile ? noFile_ : content_);
}

void RecordPage::setEditable(bool editable) {
    for (QLineEdit* e : fields_) e->setReadOnly(!editable);
}

void RecordPage::setDateMask(const QString& qtMask) {
    QLineEdit* date = fields_["DATE"];
    const QString text = date->text();
    date->setInputMask(qtMask);
    date->setText(text);
}

void RecordPage::showRecord(const xbase::Table* table, const QString& dateFormat) {
    const bool has = table && table->recNo() >= 1 &&
                     (table->appending() || table->recNo() <= table->recordCount());
    for (auto it = fields_.begin(); it != fields_.end(); ++it) {
        const QByteArray name = it.key().toLatin1();
        QString value;
        if (has)
            value = name == "DATE" ? formatDate(table->date("DATE"), dateFormat)
                                   : fieldText(*table, name.constData());
        it.value()->setText(value);
        it.value()->setCursorPosition(0);
    }
    memoLoading_ = true;
    memo_->setPlainText(has ? memoText(*table, "MEMO").replace("\r\n", "\n") : QString());
    memoLoading_ = false;
    deletedMark_->setVisible(has && !table->appending() && table->deleted());
}

TypedRecord RecordPage::typedRecord() const {
    TypedRecord typed;
    for (const QString& name : fieldOrder())
        if (name != QLatin1String("DATE")) typed.fields.append({name, fields_[name]->text()});
    typed.date = fields_["DATE"]->text();
    typed.memo = memo_->toPlainText();
    return typed;
}

bool RecordPage::isRecordControl(const QWidget* w) const {
    if (w == memo_ || (w && w->parentWidget() == memo_)) return true;
    for (QLineEdit* e : fields_)
        if (e == w) return true;
    return false;
}

bool RecordPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) emit fieldDoubleClicked();
    return QWidget::eventFilter(watched, event);
}

}  // namespace rp
