#pragma once
// The "ASCII File Import Match Fields" dialog: the first lines of the file, one row per column
// with the address field it goes into, and a button for each address field. Clicking a button
// gives the highlighted column that field and moves on to the next column; "Save" keeps the
// matches.
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

#include "framework/Dialog.h"
#include "import/AsciiMatching.h"

class QPushButton;
class QTableWidget;

namespace rp {

class AsciiMatchDialog : public Dialog {
    Q_OBJECT
  public:
    // sample: the values of the file's first lines, one per column of the layout; names: the
    // columns' names from the file's first line, or none (the columns are then numbered).
    AsciiMatchDialog(const ImportLayout& layout, const std::vector<QStringList>& sample,
                     QWidget* parent = nullptr, const QStringList& names = {});

    void onFieldClicked(const QString& caption);
    void onSaveClicked();

    const AsciiMatching& matching() const { return matching_; }
    QTableWidget* sampleGrid() const { return sample_; }
    QTableWidget* matchGrid() const { return matches_; }
    QPushButton* fieldButton(const QString& caption) const { return buttons_.at(caption); }
    QPushButton* saveButton() const { return save_; }

  private:
    // Shows the matching: each row's match, the selected row and which buttons are on.
    void showMatching();

    AsciiMatching matching_;
    QTableWidget* sample_;
    QTableWidget* matches_;
    std::map<QString, QPushButton*> buttons_;
    QPushButton* save_;
};

}  // namespace rp
