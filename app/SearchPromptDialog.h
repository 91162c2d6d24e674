#pragma once
// The box that asks what to search for: the Search command's "Search" box ("Search for" and
// the order's caption, with the short date format shown for the Date order) and the memo
// search's "Memo Search" box. One line of at most kMemoTextLimit characters; a longer paste
// is cut to its beginning.
#include <QString>
#include <memory>
#include <optional>

#include "framework/Dialog.h"

class QLabel;
class QLineEdit;

namespace rp {

class SearchPromptDialog : public Dialog {
    Q_OBJECT
  public:
    // The Search box for the ticked order's caption ("Last Name"); dateFormat is shown under
    // the prompt when not empty (the Date order).
    static std::unique_ptr<SearchPromptDialog> forOrder(const QString& orderCaption,
                                                        const QString& dateFormat, QWidget* parent);
    // The Memo Search box, holding the text last sought, selected.
    static std::unique_ptr<SearchPromptDialog> forMemo(const QString& lastText, QWidget* parent);

    // Shows the box modally: the typed text on OK, nothing on Cancel.
    std::optional<QString> ask();

    QString text() const;
    QLabel* promptLabel() const { return prompt_; }
    QLabel* dateFormatLabel() const { return dateFormat_; }
    QLineEdit* input() const { return input_; }

  private:
    SearchPromptDialog(const QString& title, const QString& prompt, const QString& dateFormat,
                       QWidget* parent);

    QLabel* prompt_;
    QLabel* dateFormat_;
    QLineEdit* input_;
};

}  // namespace rp
