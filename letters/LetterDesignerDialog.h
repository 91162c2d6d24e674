#pragma once
// The "Letter Designer": the letter's "Description", "Insert field" with the merge codes, the
// rich-text editor under its formatting tool bar, "Page Setup", "Open RTF File…" and "Save as
// RTF File…", "Preview", "Save" and "Cancel". Help topic 1026.
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "framework/Dialog.h"
#include "letters/RtfPageLayout.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTextDocument;
class QTextEdit;

namespace rp {

class LetterDesignerDialog : public Dialog {
    Q_OBJECT
  public:
    // The editor starts with a copy of letter, or empty on a new letter's page when it is null.
    LetterDesignerDialog(const QString& description, const QTextDocument* letter,
                         QWidget* parent = nullptr);
    ~LetterDesignerDialog() override;

    QString description() const;
    QTextDocument& document() const { return *document_; }
    // The edited letter, for the caller to keep once the dialog is accepted.
    std::unique_ptr<QTextDocument> takeDocument();

    // Shows the letter merged with the current address; "Preview" stays disabled while unset.
    std::function<void(const QTextDocument& letter)> preview;
    // Asks for a page layout; by default the "Page Properties" dialog. Nothing on cancel.
    std::function<std::optional<PageLayout>(const PageLayout& current)> askPageLayout;

    // Inserts the merge code of kMergeCodeNames[index] at the caret.
    void insertField(int index);
    void onSaveClicked();
    void onPageSetupClicked();
    void onOpenRtfClicked();
    void onSaveRtfClicked();
    void onPreviewClicked();

    QLineEdit* descriptionBox() const { return description_; }
    QComboBox* fieldList() const { return fields_; }
    QTextEdit* editor() const { return editor_; }
    QPushButton* previewButton() const { return preview_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void useDocument(std::unique_ptr<QTextDocument> document);
    // Wraps the editor's lines at the width the page leaves for text.
    void fitEditorToPage();

    std::unique_ptr<QTextDocument> document_;
    QLineEdit* description_;
    QComboBox* fields_;
    QTextEdit* editor_;
    QPushButton* preview_;
};

}  // namespace rp
