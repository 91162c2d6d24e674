#pragma once
// The "Copy Records Out" dialog: the kind of copy (a DBF file, a comma-delimited text file or a
// vCard file), the target chosen with "Save As...", and "Copy Now", which copies the records of the
// address file's view with a progress bar and closes the dialog.
#include <QString>

#include "framework/BulkDialog.h"
#include "utilities/CopyOut.h"
#include "utilities/CopyTarget.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace xbase {
class Table;
}

namespace rp {

class CopyRecordsOutDialog : public BulkDialog {
    Q_OBJECT
  public:
    // programFolder: where the save dialog starts; dateText: the DATE text of the text copy.
    CopyRecordsOutDialog(xbase::Table& table, const QString& programFolder, DateTextFn dateText,
                         QWidget* parent = nullptr);

    void onSaveAsClicked();
    void onCopyNowClicked();

    CopyKind kind() const;
    const QString& targetName() const { return target_; }

    QRadioButton* kindButton(CopyKind k) const { return kinds_[static_cast<int>(k)]; }
    QLabel* nameLabel() const { return name_; }
    QLabel* progressCaption() const { return progressCaption_; }
    QPushButton* saveAsButton() const { return saveAs_; }
    QPushButton* copyNowButton() const { return copyNow_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    bool confirmCancel() override;

  private:
    void setTarget(const QString& name);

    xbase::Table& table_;
    QString programFolder_;
    DateTextFn dateText_;
    QString target_ = kNoCopyTarget;
    QRadioButton* kinds_[3];
    QWidget* choices_;
    QLabel* name_;
    QWidget* progressPanel_;
    QLabel* progressCaption_;
    QPushButton* saveAs_;
    QPushButton* copyNow_;
    QPushButton* cancel_;
};

}  // namespace rp
