#pragma once
// The letter designer's editor: a rich-text editor that takes from the clipboard and from drops
// only what a letter keeps (LetterPaste.h), so that it shows the letter as it will be stored.
// Tab types a tab into the letter; Ctrl+Tab and Ctrl+Shift+Tab leave for the next or previous
// control.
#include <QTextEdit>

namespace rp {

class LetterEditor : public QTextEdit {
    Q_OBJECT
  public:
    explicit LetterEditor(QWidget* parent = nullptr);

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace rp
