#pragma once
// The "Print Letters" dialog: the letters of the letters file in record order under "Letter
// Description", with "New", "Modify" and "Delete"; which address records to print for, how many
// copies, the selected printer with "Printer Setup", and "Print Now" and "Preview" of the
// current letter. Help topic 1037.
#include <QString>
#include <functional>
#include <memory>

#include "framework/Dialog.h"
#include "letters/LetterPrintRequest.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QTextDocument;

namespace xbase {
class Table;
}

namespace rp {

class PrinterCatalog;
class SideGridModel;

class PrintLettersDialog : public Dialog {
    Q_OBJECT
  public:
    // letters: the open letters file; filteredEnabled: false when the main window has no filter,
    // which disables "Records matching filter".
    PrintLettersDialog(xbase::Table& letters, PrinterCatalog& catalog, bool filteredEnabled,
                       QWidget* parent = nullptr);
    ~PrintLettersDialog() override;

    // The designer for "New" (letter null) and "Modify": edits description and returns the
    // saved document, or null when the user cancelled. By default the "Letter Designer", whose
    // "Preview" shows its document through preview.
    std::function<std::unique_ptr<QTextDocument>(QString& description, const QTextDocument* letter)>
        design;
    // Prints the current letter for the chosen records; "Print Now" stays disabled while unset.
    std::function<void(const QTextDocument& letter, const LetterPrintRequest& request)> printNow;
    // Shows a letter merged with the address records; "Preview" stays disabled while unset.
    std::function<void(const QTextDocument& letter)> preview;

    void onNewClicked();
    void onModifyClicked();
    void onDeleteClicked();
    void onPrintNowClicked();
    void onPreviewClicked();
    void onPrinterSetupClicked();
    // Enables "Modify", "Print Now", "Preview", "Delete" and the list only when the file has a
    // current letter.
    void setLetterButtons();

    LetterPrintRequest request() const;

    QTableView* list() const { return list_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* modifyButton() const { return modify_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* printNowButton() const { return printNow_; }
    QPushButton* previewButton() const { return preview_; }
    QRadioButton* allRecordsChoice() const { return all_; }
    QRadioButton* filteredChoice() const { return filtered_; }
    QRadioButton* currentChoice() const { return current_; }
    QCheckBox* startFromCurrentBox() const { return startFromCurrent_; }
    QSpinBox* copiesBox() const { return copies_; }
    QLabel* printerName() const { return printerName_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void editLetter(bool isNew);
    void refreshList();
    void rowClicked();
    void showPrinterName();
    // Reads the current letter; false (and the user told) when it cannot be read whole.
    bool readCurrentLetter(QTextDocument& letter);

    xbase::Table& letters_;
    PrinterCatalog& catalog_;
    SideGridModel* model_;
    QTableView* list_;
    QPushButton *new_, *modify_, *delete_, *printNow_, *preview_;
    QRadioButton *all_, *filtered_, *current_;
    QCheckBox* startFromCurrent_;
    QSpinBox* copies_;
    QLabel* printerName_;
    bool activated_ = false;
};

}  // namespace rp
