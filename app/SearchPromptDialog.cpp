#include "app/SearchPromptDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/MemoWalk.h"

namespace rp {
namespace {

// The line shows this many average characters.
constexpr int kInputChars = 40;

}  // namespace

std::unique_ptr<SearchPromptDialog> SearchPromptDialog::forOrder(const QString& orderCaption,
                                                                 const QString& dateFormat,
                                                                 QWidget* parent) {
    auto box = std::unique_ptr<SearchPromptDialog>(new SearchPromptDialog(
        tr("Search"), tr("Search for %1").arg(orderCaption), dateFormat, parent));
    box->input_->setWhatsThis(
        tr("The beginning of what you look for, in any letter case. The search goes "
           "to the first record in the current order that begins with it."));
    return box;
}

std::unique_ptr<SearchPromptDialog> SearchPromptDialog::forMemo(const QString& lastText,
                                                                QWidget* parent) {
    auto box = std::unique_ptr<SearchPromptDialog>(
        new SearchPromptDialog(tr("Memo Search"), tr("Search For"), QString(), parent));
    box->input_->setWhatsThis(
        tr("A word or phrase to find anywhere in the memos, in any letter case. "
           "Find Next goes on to the next record that holds it."));
    box->input_->setText(lastText);
    box->input_->selectAll();
    return box;
}

SearchPromptDialog::SearchPromptDialog(const QString& title, const QString& prompt,
                                       const QString& dateFormat, QWidget* parent)
    : Dialog(parent, HelpTopic::RecordPage) {
    setWindowTitle(title);
    prompt_ = new QLabel(prompt, this);
    dateFormat_ = new QLabel(QLatin1Char('(') + dateFormat + QLatin1Char(')'), this);
    dateFormat_->setVisible(!dateFormat.isEmpty());
    input_ = new QLineEdit(this);
    input_->setMaxLength(kMemoTextLimit);
    input_->setMinimumWidth(input_->fontMetrics().averageCharWidth() * kInputChars);
    prompt_->setBuddy(input_);

    auto* ok = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    ok->setDefault(true);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(makeHelpButton());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(dateFormat_);
    layout->addWidget(input_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString SearchPromptDialog::text() const {
    return input_->text();
}

std::optional<QString> SearchPromptDialog::ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return text();
}

}  // namespace rp
