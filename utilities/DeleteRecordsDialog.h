#pragma once
// The "Delete Records" dialog: all records, those matching the user's filter or those not
// matching it; "Delete Now" deletes them with a progress bar, reports the count and closes.
// There is no stopping a deletion once started.
#include <QString>

#include "framework/BulkDialog.h"
#include "utilities/RecordDeletion.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace xbase {
class Table;
}

namespace rp {

class DeleteRecordsDialog : public BulkDialog {
    Q_OBJECT
  public:
    // userExpression: the user's filter, empty when none (only "Delete All Records" then).
    DeleteRecordsDialog(xbase::Table& table, const QString& userExpression,
                        QWidget* parent = nullptr);

    void onDeleteNowClicked();
    DeleteChoice choice() const;

    QRadioButton* choiceButton(DeleteChoice c) const { return choices_[static_cast<int>(c)]; }
    QLabel* progressCaption() const { return progressCaption_; }
    QPushButton* deleteNowButton() const { return deleteNow_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    bool confirmCancel() override { return false; }

  private:
    xbase::Table& table_;
    QString userExpression_;
    QRadioButton* choices_[3];
    QWidget* choiceBox_;
    QWidget* progressPanel_;
    QLabel* progressCaption_;
    QPushButton* deleteNow_;
    QPushButton* cancel_;
};

}  // namespace rp
