#pragma once
// The "Check State and Zip  Codes" dialog. The setup panel starts the check of the address
// table (the dialog's own exclusive open of the file) against the state/province table; the
// results panel then shows the questionable records in name order for editing in place. The
// state/province table itself can be edited in a third panel.
#include <QString>
#include <memory>

#include "framework/BulkDialog.h"
#include "utilities/RecordGridModel.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace xbase {
class Table;
}

namespace rp {

class StateZipCheckDialog : public BulkDialog {
    Q_OBJECT
  public:
    // programFolder holds RVPSZCK.DBF and receives the work index; it ends in a separator.
    StateZipCheckDialog(xbase::Table& table, const QString& programFolder,
                        QWidget* parent = nullptr);
    ~StateZipCheckDialog() override;

    void onPerformCheckNowClicked();
    void onEditStateFileClicked();
    void onCloseClicked();
    void onEditClicked();
    void onSaveClicked();
    void onCancelEditClicked();
    void onDeleteClicked();
    void onUndoClicked();
    // A new blank row at the end of the state/province grid (the Insert key there).
    void appendStateRow();

    bool checked() const { return checked_; }
    bool editingTable() const { return editingTable_; }

    QWidget* setupPanel() const { return setup_; }
    QWidget* resultsPanel() const { return results_; }
    QWidget* tablePanel() const { return tablePanel_; }
    QCheckBox* blanksBox() const { return blanks_; }
    QPushButton* checkButton() const { return check_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* editTableButton() const { return editTable_; }
    QPushButton* cancelButton() const { return cancel_; }
    QLabel* countLine() const { return count_; }
    QTableView* stateGrid() const { return stateGrid_; }
    RecordGridModel* resultsModel() const { return resultsModel_.get(); }
    RecordGridModel* stateModel() const { return stateModel_.get(); }

  protected:
    bool confirmCancel() override;

  private:
    QWidget* makeSetupPanel();
    QWidget* makeResultsPanel();
    QWidget* makeTablePanel();
    // Shows the buttons of a dialog at rest (Close, table edit, Help) or of a running check
    // (Cancel only).
    void showChecking(bool checking);
    // The panel shown when the table is not being edited.
    QWidget* restingPanel() const { return checked_ ? results_ : setup_; }

    xbase::Table& table_;
    QString folder_;
    bool checked_ = false;
    bool editingTable_ = false;
    std::unique_ptr<xbase::Table> states_;
    std::unique_ptr<RecordGridModel> resultsModel_;
    std::unique_ptr<RecordGridModel> stateModel_;

    QWidget* setup_;
    QWidget* results_;
    QWidget* tablePanel_;
    QCheckBox* blanks_ = nullptr;
    QPushButton* check_ = nullptr;
    QTableView* resultsGrid_ = nullptr;
    QTableView* stateGrid_ = nullptr;
    QLabel* count_;
    QPushButton* close_;
    QPushButton* editTable_;
    QPushButton* help_;
    QToolButton* pointerHelp_;
    QPushButton* cancel_;
};

}  // namespace rp
