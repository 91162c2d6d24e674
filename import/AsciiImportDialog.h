#pragma once
// The "ASCII File Import" dialog: "Select ASCII File" chooses the file and reads its first
// lines, the delimiter and whether the first line names the columns are guessed from it (the
// user may change both), "Match Fields" assigns its columns to address fields, "Import" appends a
// record for every line with a progress bar, tells the outcome, builds the tags afresh and closes.
#include <QString>
#include <QStringList>
#include <vector>

#include "import/AsciiFormat.h"
#include "import/ImportDialog.h"
#include "import/ImportLayout.h"

class QCheckBox;
class QComboBox;

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
    const AsciiFormat& format() const { return format_; }
    QCheckBox* headerBox() const { return header_; }
    QComboBox* delimiterBox() const { return delimiter_; }

  private:
    // The box and the delimiter list changed: the sample is read again in their format.
    void onFormatChanged();
    // Shows format_ in the box and the list.
    void showFormat();
    // Reads the chosen file's sample in format_; false when it cannot be imported.
    bool loadSample();

    QString folder_;
    AsciiFormat format_;
    QCheckBox* header_;
    QComboBox* delimiter_;
    QStringList names_;
    QString path_;
    ImportLayout layout_;
    std::vector<QStringList> sample_;
};

}  // namespace rp
