#pragma once
// The "Print Envelope" dialog: the envelope setups with "Modify", "New" and "Delete", the
// selected printer with its paper source and paper ("Printer Setup"), and "Print Now" and
// "Preview" of one envelope for the current address record. The printer, source, paper and
// orientation used last are remembered per setup and per envelope size. Help topic 1035.
#include <functional>

#include "envelopes/EnvelopePrinter.h"
#include "envelopes/EnvelopePrinting.h"
#include "envelopes/EnvelopeSetupList.h"
#include "framework/Dialog.h"

class QLabel;
class QPushButton;
class QTableView;

namespace rp {

class PrinterCatalog;
class SideGridModel;

class PrintEnvelopeDialog : public Dialog {
    Q_OBJECT
  public:
    // setups: the open setup file at its first record; addresses: the address file, whose
    // current record is printed.
    PrintEnvelopeDialog(xbase::Table& setups, const xbase::Table& addresses,
                        PrinterCatalog& catalog, PreferenceAccess preferences,
                        QWidget* parent = nullptr);
    ~PrintEnvelopeDialog() override;

    // The envelope designer for "Modify" and "New"; both stay disabled while there is none.
    std::function<bool(EnvelopeSetup& copy)> design;
    // Gets the recorded page of a preview (tests); unset, the preview window shows it.
    EnvelopePreview preview;

    EnvelopeSetupList& setupList() { return list_; }

    void onModifyClicked();
    void onNewClicked();
    void onDeleteClicked();
    void onPrintNowClicked();
    void onPreviewClicked();
    void onPrinterSetupClicked();

    // loadPreferences: restores the printer memory of a setup and shows it. On "PDF file" with
    // no paper remembered for the setup or its envelope, the envelope itself is the paper.
    void loadPreferences(const EnvelopeSetup& setup);
    // savePreferences: stores the printer's choice under the current setup.
    void savePreferences();
    void showPrinterInformation();

    QTableView* grid() const { return grid_; }
    QPushButton* modifyButton() const { return modify_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* printNowButton() const { return printNow_; }
    QPushButton* previewButton() const { return previewButton_; }
    QPushButton* printerSetupButton() const { return printerSetup_; }
    QLabel* printerLine() const { return printerLine_; }
    QLabel* sourceLine() const { return sourceLine_; }
    QLabel* paperLine() const { return paperLine_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onFormActivated();
    void setEnvelopeButtons();
    void refreshGrid();
    void rowClicked();
    void doPrint(bool printMode);

    xbase::Table& setups_;
    const xbase::Table& addresses_;
    PrinterCatalog& catalog_;
    EnvelopePrinter printer_;
    PreferenceAccess preferences_;
    EnvelopeSetupList list_;
    SideGridModel* model_;
    QTableView* grid_;
    QPushButton *modify_, *new_, *delete_, *printNow_, *previewButton_, *printerSetup_, *cancel_;
    QLabel *printerLine_, *sourceLine_, *paperLine_;
    bool activated_ = false;
};

}  // namespace rp
