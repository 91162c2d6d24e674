#pragma once
// The "Select Label Definition" dialog over the open label definition file
// RVPLBLS.DBF. On opening it restricts the list to the input printer type ("Dot Matrix" when it
// is not "LJ") and stands on the row whose USERDESC equals the input label type name; when none
// does, no row is chosen and OK stays disabled until one is. New, Edit and Delete change the
// file; after OK the table stands on the chosen row, which the caller copies (takeLabelStock).
// "Find More Products…" and "Import Label Products…" add a label product of the gLabels
// template files (installed, or of a file the user picks) and stand on it.
#include <functional>
#include <memory>

#include "framework/Dialog.h"
#include "labels/LabelProductCatalog.h"

class QPushButton;
class QRadioButton;
class QTableView;

namespace xbase {
class Engine;
class Table;
}  // namespace xbase

namespace rp {

struct LabelSetup;
class SideGridModel;
class LabelStockDialog;
class FindLabelProductsDialog;

class SelectLabelStockDialog : public Dialog {
    Q_OBJECT
  public:
    SelectLabelStockDialog(xbase::Table& stocks, const QString& labelTypeName,
                           const QString& printerType, QWidget* parent = nullptr);
    ~SelectLabelStockDialog() override;

    // Shows the definition dialog modally; true for Save. Tests replace it.
    std::function<bool(LabelStockDialog& editor)> runEditor;
    // Shows the product list modally; true for OK with a product chosen. Tests replace it.
    std::function<bool(FindLabelProductsDialog& finder)> runFinder;
    // Where the template files are looked for (the system's gLabels folders).
    LabelProductFolders productFolders = systemLabelProductFolders();

    // The list restricted to "LJ" (Laser or Inkjet) or "DM" (Dot Matrix) printers.
    void setDotMatrix(bool dotMatrix);
    bool dotMatrix() const;

    void onNewClicked();
    void onEditClicked();
    void onDeleteClicked();
    void onFindProductsClicked();
    void onImportProductsClicked();

    // The list's current row (-1 when the list is empty).
    int currentRow() const;
    void selectRow(int row);

    xbase::Table& table() const { return stocks_; }
    SideGridModel* model() const { return model_; }
    QTableView* grid() const { return grid_; }
    QRadioButton* laserButton() const { return laser_; }
    QRadioButton* dotMatrixButton() const { return dotMatrix_; }
    // Enabled while a row is chosen.
    QPushButton* okButton() const { return ok_; }

  protected:
    // The Insert key is ignored in the list: rows are added with "New".
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showTableRow();
    bool hasRow() const;
    // Lists the catalogue's products (after telling the files it could not read) and adds the
    // one chosen.
    void offerProducts(const LabelProductCatalog& catalog);

    xbase::Table& stocks_;
    SideGridModel* model_;
    QTableView* grid_;
    QRadioButton *laser_, *dotMatrix_;
    QPushButton* ok_;
};

// Opens RVPLBLS.DBF from the program folder (ending in a separator); null after the message
// "We were unable to open the label definition file: RVPLBLS.DBF".
std::unique_ptr<xbase::Table> openLabelStockTable(xbase::Engine& engine,
                                                  const QString& programFolder);

// "Choose or Define Label" of the designer: opens the definition file, shows the dialog on the
// setup's label type name and printer type and, on OK with a row chosen, copies its stock into
// the setup (takeLabelStock). False, the setup unchanged, when the file cannot be opened or the
// dialog is cancelled. show runs the dialog (exec() when empty).
bool chooseLabelDefinition(QWidget* parent, xbase::Engine& engine, const QString& programFolder,
                           LabelSetup& setup,
                           const std::function<bool(SelectLabelStockDialog&)>& show = {});

}  // namespace rp
