#pragma once
// The "Select Envelope Size" dialog, opened by the designer's "Choose or Define
// Envelope" button on the open envelope definition file: the sizes with "Name", "Size",
// WIDTH and HEIGHT, standing on the envelope being designed; "New", "Edit" and "Delete" of
// user-defined sizes; "OK" ends with an OK result and the caller reads the current row.
// Help topic 1041.
#include <optional>

#include "envelopes/EnvelopeSizes.h"
#include "framework/Dialog.h"

class QPushButton;
class QTableView;

namespace xbase {
class Engine;
}

namespace rp {

class SideGridModel;

class SelectEnvelopeSizeDialog : public Dialog {
    Q_OBJECT
  public:
    // The caller has opened sizes; envName is the ENVNAME of the setup being designed.
    SelectEnvelopeSizeDialog(xbase::Table& sizes, const QString& envName,
                             QWidget* parent = nullptr);
    ~SelectEnvelopeSizeDialog() override;

    // The size dialog; by default EnvelopeSizeDialog run modally over this dialog.
    EditEnvelopeSizeFn editSize;

    // The size of the current row (what the caller reads after OK); nothing when the list
    // stands past its last row.
    std::optional<EnvelopeSize> chosen() const;

    void onNewClicked();
    void onEditClicked();
    void onDeleteClicked();
    void onOkClicked();

    QTableView* grid() const { return grid_; }
    SideGridModel* model() const { return model_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* editButton() const { return edit_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* okButton() const { return ok_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refreshGrid();
    void rowClicked();

    xbase::Table& sizes_;
    SideGridModel* model_;
    QTableView* grid_;
    QPushButton *new_, *edit_, *delete_, *ok_;
};

// The designer's "Choose or Define  Envelope": opens RVPENVS.DBF from the program folder (telling
// "We were unable to open the envelope definition file: RVPENVS.DBF" when it cannot) and shows
// the dialog on envName; the size of the current row on an OK result, nothing otherwise.
std::optional<EnvelopeSize> chooseEnvelopeSize(xbase::Engine& engine, const QString& programFolder,
                                               const QString& envName, QWidget* parent);

}  // namespace rp
