#pragma once
// The "Print Report" dialog: "Report Contents" (the title, "Select Report:" with the four
// layouts, "Print Memo", "Print Codes") and "What to print" (the records and "Start from current
// record"), with "Print Now", "Preview", "Printer Setup", Cancel and Help (topic 1038). It stays
// open after a print or preview; Cancel keeps the title in RAVENP.INI for the next time.
#include <QString>

#include "framework/Dialog.h"
#include "reports/ListReportRun.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace rp {

class PrinterCatalog;

class PrintReportDialog : public Dialog {
    Q_OBJECT
  public:
    // table: the address file with the main window's filter; iniPath: RAVENP.INI; fileName: the
    // address file's name as the main window holds it; filteredEnabled: false without a filter.
    PrintReportDialog(xbase::Table& table, PrinterCatalog& catalog, QString iniPath,
                      const QString& fileName, bool filteredEnabled, QString dateFormat,
                      QWidget* parent = nullptr);

    // The status and preview windows; tests answer them.
    ListReportWindows windows;

    ListReportRequest request() const;

    void onPrintNowClicked();
    void onPreviewClicked();
    void onPrinterSetupClicked();

    QLineEdit* titleBox() const { return title_; }
    QListWidget* layoutList() const { return layouts_; }
    QCheckBox* memoBox() const { return memo_; }
    QCheckBox* codesBox() const { return codes_; }
    QRadioButton* allRecordsChoice() const { return all_; }
    QRadioButton* filteredChoice() const { return filtered_; }
    QRadioButton* currentChoice() const { return current_; }
    QCheckBox* startFromCurrentBox() const { return startFromCurrent_; }

  public slots:
    void reject() override;

  private:
    xbase::Table& table_;
    PrinterCatalog& catalog_;
    QString iniPath_;
    QString dateFormat_;
    QLineEdit* title_;
    QListWidget* layouts_;
    QCheckBox *memo_, *codes_, *startFromCurrent_;
    QRadioButton *all_, *filtered_, *current_;
};

}  // namespace rp
