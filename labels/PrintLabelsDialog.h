#pragma once
// "Print Labels": the label setups to choose from (New, Modify, Delete), which records to
// print, presorting, copies of each label, the printer, and Print Now / Preview. The address
// table comes with the main window's filter and order and the setup file at its first record;
// the command restores the main window's view afterwards.
#include <QString>

#include "framework/Dialog.h"
#include "labels/LabelPrintJob.h"
#include "labels/LabelSetupList.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace xbase {
class Table;
}

namespace rp {

class LabelSheetPicker;
class PrinterCatalog;
class SideGridModel;

class PrintLabelsDialog : public Dialog {
    Q_OBJECT
  public:
    static constexpr int kMaxCopies = 999;

    // filteredEnabled false (no filter in force) disables "Records matching filter" and
    // selects "All records".
    PrintLabelsDialog(xbase::Table& addresses, xbase::Table& setups, const QString& programFolder,
                      PrinterCatalog& catalog, PresortRunner presort, bool filteredEnabled,
                      QWidget* parent = nullptr);
    ~PrintLabelsDialog() override;

    // The label designer that New and Modify open; while there is none both stay disabled.
    void setDesigner(LabelDesignerFn designer);

    // The choices as they stand, with the setup of the list's current row.
    LabelPrintRequest request() const;
    LabelPrintJob& printJob() { return job_; }

    void onNewClicked();
    void onModifyClicked();
    void onDeleteClicked();
    void onPrintNowClicked();
    void onPreviewClicked();
    void onPrinterSetupClicked();

    SideGridModel* model() const { return model_; }
    QTableView* grid() const { return grid_; }
    QRadioButton* allButton() const { return all_; }
    QRadioButton* filteredButton() const { return filtered_; }
    QRadioButton* currentButton() const { return current_; }
    QCheckBox* startFromCurrentBox() const { return startFromCurrent_; }
    QCheckBox* presortBox() const { return presort_; }
    QCheckBox* householdsBox() const { return households_; }
    QSpinBox* copiesEdit() const { return copies_; }
    QSpinBox* startLabelEdit() const { return startLabel_; }
    LabelSheetPicker* sheetPicker() const { return sheetPicker_; }
    QGroupBox* startLabelBox() const { return startBox_; }
    QComboBox* printerList() const { return printers_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* modifyButton() const { return modify_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* printNowButton() const { return printNow_; }
    QPushButton* previewButton() const { return preview_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onFormActivated();
    void showSetup();
    void setLabelButtons();
    void onRecordsChoiceClicked();
    void showTableRow();
    void showCurrentRecord();
    void showSheet();

    xbase::Table& setups_;
    PrinterCatalog& catalog_;
    LabelSetupList list_;
    LabelPrintJob job_;
    LabelDesignerFn designer_;
    SideGridModel* model_;
    QTableView* grid_;
    QRadioButton *all_, *filtered_, *current_;
    QCheckBox *startFromCurrent_, *presort_, *households_;
    QSpinBox* copies_;
    QGroupBox* startBox_;
    QSpinBox* startLabel_;
    LabelSheetPicker* sheetPicker_;
    QComboBox* printers_;
    QPushButton *new_, *modify_, *delete_, *printNow_, *preview_;
    bool activated_ = false;
};

}  // namespace rp
