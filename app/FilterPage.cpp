#include "app/FilterPage.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "xbase/Table.h"

namespace rp {
namespace {

constexpr int kFooterGap = 10;

QString textLineHelp(const QString& label) {
    return FilterPage::tr(
               "Finds the records whose %1 begins with what you type here; capitals or not does "
               "not matter.\n"
               "Start with an operator to compare instead: > after, >= from, < before, <= up to "
               "(in alphabetical order), or $ to find the text anywhere in the %1.\n"
               "Join several: a;b finds either, a+b both, a^b the first but not the second "
               "(; joins loosest, then +, then ^). For example: brown;green  or  >=60000+<61000.\n"
               "Records must match every line that is filled in.")
        .arg(label);
}

QString dateLineHelp() {
    return FilterPage::tr(
        "Finds the records with this date, typed in the date format of the preferences.\n"
        "Start with > for later dates, >= for this date or later, < for earlier dates or <= for "
        "this date or earlier; for example >=01/15/1997.\n"
        "; + and ^ have no meaning on this line.");
}

}  // namespace

FilterPage::FilterPage(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 2);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < kFilterLineCount; ++i) {
        const FilterLineDef& def = filterLineDefs()[static_cast<std::size_t>(i)];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(def.field));
        const QString label = QCoreApplication::translate("FilterLines", def.label);
        edit->setWhatsThis(def.date ? dateLineHelp() : textLineHelp(label));
        connect(edit, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
        auto* caption = new QLabel(label, this);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(edit);
        grid->addWidget(caption, i, 0);
        grid->addWidget(edit, i, 1);
        lines_[static_cast<std::size_t>(i)] = edit;
        labels_[static_cast<std::size_t>(i)] = caption;
        if (i > 0) setTabOrder(lines_[static_cast<std::size_t>(i - 1)], edit);
    }

    footer_ = new QWidget(this);
    count_ = new QLabel(footer_);
    setNow_ = new QPushButton(tr("Set &Now"), footer_);
    clear_ = new QPushButton(tr("C&lear"), footer_);
    setNow_->setToolTip(tr("Set the filter the lines describe and count its records"));
    clear_->setToolTip(tr("Empty every line and show all records"));
    for (QPushButton* b : {setNow_, clear_}) b->setAutoDefault(false);
    auto* row = new QHBoxLayout(footer_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(setNow_);
    row->addWidget(clear_);
    row->addSpacing(6);
    row->addWidget(count_, 1);
    setTabOrder(lines_.back(), setNow_);
    setTabOrder(setNow_, clear_);
    grid->addWidget(footer_, kFilterLineCount, 1);
    grid->setRowMinimumHeight(kFilterLineCount, footer_->sizeHint().height() + kFooterGap);
    grid->setRowStretch(kFilterLineCount + 1, 1);
    grid->setColumnStretch(1, 1);

    connect(setNow_, &QPushButton::clicked, this, &FilterPage::setNowRequested);
    connect(clear_, &QPushButton::clicked, this, [this] {
        clearLines();
        emit setNowRequested();
    });
}

FilterLines FilterPage::lines() const {
    FilterLines texts;
    for (int i = 0; i < kFilterLineCount; ++i)
        texts[static_cast<std::size_t>(i)] = lines_[static_cast<std::size_t>(i)]->text();
    return texts;
}

void FilterPage::clearLines() {
    for (QLineEdit* edit : lines_) edit->clear();
}

void FilterPage::setDateFormat(const QString& shortDateFmt) {
    for (int i = 0; i < kFilterLineCount; ++i)
        if (filterLineDefs()[static_cast<std::size_t>(i)].date)
            lines_[static_cast<std::size_t>(i)]->setPlaceholderText(shortDateFmt);
    fitPlaceholders();
}

// A date line copied from a field sized for a date ("01/15/1993") is widened where its
// placeholder, the date format, is wider ("mm/dd/yyyy"), so that it shows whole.
void FilterPage::fitPlaceholders() {
    for (QLineEdit* edit : lines_) {
        if (edit->placeholderText().isEmpty()) continue;
        // Where the line edit draws its placeholder, as it works it out when it paints.
        QStyleOptionFrame panel;
        panel.initFrom(edit);
        panel.rect = edit->rect();
        const QFontMetrics metrics = edit->fontMetrics();
        const int room =
            style()->subElementRect(QStyle::SE_LineEditContents, &panel, edit).width() -
            edit->textMargins().left() - edit->textMargins().right() - 2 * kLineEditMargin -
            std::max(0, -metrics.minLeftBearing());
        const int missing = metrics.horizontalAdvance(edit->placeholderText()) - room;
        if (missing > 0) edit->resize(edit->width() + missing, edit->height());
    }
}

void FilterPage::copyGeometryFrom(const RectOf& fieldRect, const RectOf& labelRect) {
    delete layout();
    QRect used;
    for (int i = 0; i < kFilterLineCount; ++i) {
        const QString name = QLatin1String(filterLineDefs()[static_cast<std::size_t>(i)].field);
        const QRect field = fieldRect(name);
        lines_[static_cast<std::size_t>(i)]->setGeometry(field);
        labels_[static_cast<std::size_t>(i)]->setGeometry(labelRect(name));
        used |= field;
    }
    const QSize hint = footer_->sizeHint();
    const QRect footer(used.left(), used.bottom() + 1 + kFooterGap,
                       std::max(hint.width(), used.width()), hint.height());
    footer_->setGeometry(footer);
    setMinimumSize(footer.right() + 1, footer.bottom() + 1);
    fitPlaceholders();
}

void FilterPage::setNow(xbase::Table& table, const QString& shortDateFmt, QString& userExpression) {
    count_->setText(tr("Searching..."));
    count_->repaint();
    const int n = applyAddressFilter(table, lines(), shortDateFmt, userExpression);
    // One English form for every count ("1 matches").
    count_->setText(userExpression.isEmpty() ? tr("%n matches (all records)", nullptr,
                                                  static_cast<int>(table.visibleCount()))
                                             : tr("%n matches", nullptr, n));
    if (n == 0) userExpression.clear();
}

QRect rectOnPage(const QWidget* page, const QWidget* control) {
    if (!control) return {};
    return QRect(control->mapTo(page, QPoint(0, 0)), control->size());
}

QLabel* buddyLabelOf(const QWidget* control) {
    if (!control || !control->parentWidget()) return nullptr;
    for (QLabel* l : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (l->buddy() == control) return l;
    return nullptr;
}

}  // namespace rp
