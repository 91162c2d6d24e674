#pragma once
// The "ASCII File Import" dialog: "Select ASCII File" chooses the file and reads its first
// lines, "Match Fields" assigns its columns to address fields, "Import" appends a record for
// every line with a progress bar, tells the outcome, builds the tags afresh and closes.
#include <QString>
#include <QStringList>
#include <vector>

#include "import/ImportLayout.h"
#include "postal/BulkDialog.h"

class QLabel;
class QPushButton;

namespace rp {

class AddressTable;

class TAsciiImport : public BulkDialog {
    Q_OBJECT
public:
    // table: the address file, open exclusively; folder: where the file chooser starts.
    TAsciiImport(AddressTable& table, const QString& folder, QWidget* parent = nullptr);

    void SelectButtonClick();
    void MatchButtonClick();
    void ImportButtonClick();

    const QString& fileName() const { return path_; }
    const ImportLayout& layout() const { return layout_; }
    QLabel* fileLabel() const { return file_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* selectButton() const { return select_; }
    QPushButton* matchButton() const { return match_; }
    QPushButton* importButton() const { return import_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    // While importing Cancel stops after the record in hand; while the tags are built it does
    // nothing.
    bool confirmCancel() override { return !rebuilding_; }

private:
    void rebuildTags();

    AddressTable& table_;
    QString folder_;
    QString path_;
    ImportLayout layout_;
    std::vector<QStringList> sample_;
    bool rebuilding_ = false;
    QLabel* file_;
    QLabel* status_;
    QWidget* commands_;
    QPushButton* select_;
    QPushButton* match_;
    QPushButton* import_;
    QPushButton* cancel_;
};

}  // namespace rp
