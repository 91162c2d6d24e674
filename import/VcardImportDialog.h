#pragma once
// The "vCard File Import" dialog: "Select vCard File" chooses the file and reads its cards,
// "Import" appends a record for every card with a progress bar, tells the outcome, builds the
// tags afresh and closes. The fields of a card are known, so nothing is matched by hand.
#include <QString>

#include "import/ImportDialog.h"
#include "import/VcardReader.h"

namespace rp {

class VcardImportDialog : public ImportDialog {
    Q_OBJECT
  public:
    // table: the address file, open exclusively; folder: where the file chooser starts.
    VcardImportDialog(AddressTable& table, const QString& folder, QWidget* parent = nullptr);

    void onSelectClicked() override;
    void onMatchClicked() override {}
    void onImportClicked() override;

    const QString& fileName() const { return path_; }
    std::size_t cardCount() const { return file_.cards.size(); }

  private:
    QString folder_;
    QString path_;
    VcardFile file_;
};

}  // namespace rp
