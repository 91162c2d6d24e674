#pragma once
// The "DBF File Import" dialog: "Select DBF File" opens the source read-only, "Match Fields"
// assigns its fields to address fields, "Import" appends a record for every source record
// with a gauge, tells the outcome, builds the tags afresh and closes.
#include <QString>
#include <memory>

#include "import/ImportDialog.h"
#include "import/ImportLayout.h"

namespace xbase {
class Table;
}

namespace rp {

class DbfImportDialog : public ImportDialog {
    Q_OBJECT
  public:
    // table: the address file, open exclusively; folder: where the file chooser starts.
    DbfImportDialog(AddressTable& table, const QString& folder, QWidget* parent = nullptr);
    ~DbfImportDialog() override;

    void onSelectClicked() override;
    void onMatchClicked() override;
    void onImportClicked() override;

    const QString& fileName() const { return path_; }
    const ImportLayout& layout() const { return layout_; }
    bool matchesSaved() const { return matchesSaved_; }

  private:
    // No usable file: the name cleared and both commands off.
    void dropFile();

    QString folder_;
    QString path_;
    std::unique_ptr<xbase::Table> source_;
    ImportLayout layout_;
    bool matchesSaved_ = false;
};

}  // namespace rp
