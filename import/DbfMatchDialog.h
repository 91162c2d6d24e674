#pragma once
// The "DBF File Import Match Fields" dialog: the source file's records, and one row per
// Ravenpost field with the source field that goes into it. "Select Field" (or a double click)
// chooses a row's field, "Clear Current" and "Clear All" empty rows, "Save" keeps the matches.
#include <QString>

#include "framework/Dialog.h"
#include "import/DbfMatching.h"

class QPushButton;
class QTableView;
class QTableWidget;

namespace xbase {
class Table;
}

namespace rp {

class DbfMatchDialog : public Dialog {
    Q_OBJECT
  public:
    // propose: the matches were never saved, so the rows start with a proposal by name.
    DbfMatchDialog(xbase::Table& source, const ImportLayout& layout, bool propose,
                   const QString& sourceName, QWidget* parent = nullptr);

    void selectField();
    void onClearCurrentClicked();
    void onClearAllClicked();

    const DbfMatching& matching() const { return matching_; }
    QTableView* browser() const { return browser_; }
    QTableWidget* matchGrid() const { return matches_; }

  private:
    void showMatching();
    int currentRow() const;

    DbfMatching matching_;
    QTableView* browser_;
    QTableWidget* matches_;
};

}  // namespace rp
