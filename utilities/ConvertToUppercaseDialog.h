#pragma once
// The "Convert To Uppercase" dialog: which fields, and whether the current record, all
// records or the records of the filter are converted; Convert runs the conversion with a
// progress bar and closes the dialog.
#include <vector>

#include "framework/BulkDialog.h"
#include "utilities/UppercaseConversion.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace xbase {
class Table;
}

namespace rp {

class ConvertToUppercaseDialog : public BulkDialog {
    Q_OBJECT
  public:
    // filterSet: the user has a filter, so its records can be chosen.
    ConvertToUppercaseDialog(xbase::Table& table, bool filterSet, QWidget* parent = nullptr);

    void onConvertClicked();

    std::vector<std::string> tickedFields() const;
    ConvertScope scope() const;

    QCheckBox* fieldBox(int i) const { return fieldBoxes_[static_cast<std::size_t>(i)]; }
    QCheckBox* allBox() const { return all_; }
    QRadioButton* scopeButton(ConvertScope s) const { return scopes_[static_cast<int>(s)]; }
    QPushButton* convertButton() const { return convert_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    bool confirmCancel() override;

  private:
    xbase::Table& table_;
    std::vector<QCheckBox*> fieldBoxes_;
    QCheckBox* all_;
    QRadioButton* scopes_[3];
    QWidget* options_;
    QPushButton* convert_;
    QPushButton* cancel_;
};

}  // namespace rp
