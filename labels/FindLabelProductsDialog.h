#pragma once
// "Find More Products": the label products of a catalogue (brand, product number,
// description, label size, labels across x down, paper), narrowed by the words typed in the
// search box. After OK, chosen() is the product of the list's current row.
#include "framework/Dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace rp {

class LabelProductCatalog;
struct LabelProduct;

class FindLabelProductsDialog : public Dialog {
    Q_OBJECT
  public:
    FindLabelProductsDialog(const LabelProductCatalog& catalog, QWidget* parent = nullptr);

    // Shows the products whose texts contain every word of text.
    void setSearch(const QString& text);
    // The product of the current row; null when no row is chosen.
    const LabelProduct* chosen() const;

    QLineEdit* searchBox() const { return search_; }
    QTableWidget* list() const { return list_; }
    QLabel* countLabel() const { return count_; }
    QPushButton* okButton() const { return ok_; }

  private:
    void showProducts();

    const LabelProductCatalog& catalog_;
    std::vector<const LabelProduct*> shown_;
    QLineEdit* search_;
    QTableWidget* list_;
    QLabel* count_;
    QPushButton* ok_;
};

}  // namespace rp
