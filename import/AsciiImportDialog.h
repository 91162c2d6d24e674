#pragma once
// The "ASCII File Import" dialog: "Select ASCII File" chooses the file and reads its first
// lines, "Match Fields" assigns its columns to address fields, "Import" appends a record for
// every line with a progress bar, tells the outcome, builds the tags afresh and closes.
#include <QString>
#include <QStringList>
#include <vector>

#include "import/ImportDialog.h"
#include "import/ImportLayout.h"

namespace rp {

class AsciiImportDialog : public ImportDialog {
    Q_OBJECT
  public:
    // table: the address file, open exclusively; folder: where the file chooser starts.
    AsciiImportDialog(AddressTable& table, const QString& folder, QWidget* parent = nullptr);

    void onSelectClicked() override;
    void onMatchClicked() override;
    void onImportClicked() override;

    const QString& fileName() const { return path_; }
    const ImportLayout& layout() const { return layout_; }

  private:
    QString folder_;
    QString path_;
    ImportLayout layout_;
    std::vector<QStringList> sample_;
};

}  // namespace rp
