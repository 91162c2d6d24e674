#pragma once
// The "Check and Repair Duplicates" dialog. The setup panel chooses the key and starts the
// check of the address table (the dialog's own exclusive open of the file); the result panel
// then shows the possible duplicates in the work index's order for editing in place, for the
// rest of the dialog's life.
#include <QString>
#include <memory>

#include "framework/BulkDialog.h"
#include "utilities/DuplicateCheck.h"
#include "utilities/RecordGridModel.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QToolButton;

namespace xbase {
class Table;
}

namespace rp {

class GridNavigator;

class DuplicateCheckDialog : public BulkDialog {
    Q_OBJECT
  public:
    // programFolder receives the work index; it ends in a separator.
    DuplicateCheckDialog(xbase::Table& table, const QString& programFolder,
                         QWidget* parent = nullptr);
    ~DuplicateCheckDialog() override;

    void onPerformCheckNowClicked();
    void onCloseClicked();
    void onDeleteClicked();
    void onSaveClicked();
    void onUndoClicked();

    DuplicateKind kind() const;
    bool checked() const { return checked_; }
    std::uint32_t foundCount() const { return found_; }

    QWidget* setupPanel() const { return setup_; }
    QWidget* resultsPanel() const { return results_; }
    QRadioButton* choiceButton(DuplicateKind kind) const {
        return choices_[static_cast<int>(kind)];
    }
    QSpinBox* streetCharactersBox() const { return characters_; }
    QPushButton* checkButton() const { return check_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return help_; }
    QToolButton* pointerHelpButton() const { return pointerHelp_; }
    QLabel* countLine() const { return count_; }
    QTableView* grid() const { return grid_; }
    GridNavigator* navigator() const { return navigator_; }
    RecordGridModel* resultsModel() const { return model_.get(); }

  protected:
    bool confirmCancel() override;

  private:
    QWidget* makeSetupPanel();
    QWidget* makeResultsPanel();
    void showChecking(bool checking);
    void showCount();

    xbase::Table& table_;
    QString folder_;
    bool checked_ = false;
    std::uint32_t found_ = 0;
    std::unique_ptr<RecordGridModel> model_;

    QWidget* setup_;
    QWidget* results_;
    QRadioButton* choices_[3] = {};
    QWidget* charactersRow_ = nullptr;
    QSpinBox* characters_ = nullptr;
    QPushButton* check_ = nullptr;
    QTableView* grid_ = nullptr;
    GridNavigator* navigator_ = nullptr;
    QLabel* count_;
    QPushButton* close_;
    QPushButton* help_;
    QToolButton* pointerHelp_;
    QPushButton* cancel_;
};

}  // namespace rp
