#include "import/TDbfImport.h"

#include <QFileInfo>
#include <QPushButton>

#include "data/AddressTable.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "import/DbfImport.h"
#include "import/TDbfMatch.h"
#include "xbase/Table.h"

namespace rp {

TDbfImport::TDbfImport(AddressTable& table, const QString& folder, QWidget* parent)
    : ImportDialog(
          table, HelpTopic::DbfImport,
          {QStringLiteral("DBF File Import"), QStringLiteral("Select DBF File"),
           QStringLiteral("The DBF file the records are imported from."),
           QStringLiteral("Chooses the DBF file to import."),
           QStringLiteral("Chooses which field of the file goes into each Ravenpost field."),
           QStringLiteral(
               "Adds a record for every record of the file, then rebuilds the indexes.")},
          parent),
      folder_(folder) {}

TDbfImport::~TDbfImport() = default;

void TDbfImport::SelectButtonClick() {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.filter = QStringLiteral("Text files|*.TXT|All files|*.*");
    request.folder = folder_;
    request.proposedName = QStringLiteral("*.dbf");
    request.defaultSuffix = QStringLiteral("prn");
    request.mustExist = true;
    if (const std::optional<QString> chosen = fileChooser().openFile(request)) path_ = *chosen;

    source_.reset();
    importButton()->setEnabled(false);
    if (path_.isEmpty()) {
        dropFile();
        return;
    }
    DbfSource source = OpenDbfSource(addressTable(), path_);
    if (!source.table) {
        ShowInformation(source.refusal);
        dropFile();
        return;
    }
    source_ = std::move(source.table);
    showFile(path_);
    layout_ = DbfImportLayout(*source_);
    matchesSaved_ = false;
    if (layout_.columnCount() == 0) {
        ShowInformation(QStringLiteral("Unable to import from this file"));
        matchButton()->setEnabled(false);
        return;
    }
    matchButton()->setEnabled(true);
    setStatus({});
}

void TDbfImport::dropFile() {
    path_.clear();
    showFile(path_);
    matchButton()->setEnabled(false);
    importButton()->setEnabled(false);
}

void TDbfImport::MatchButtonClick() {
    if (!source_) return;
    TDbfMatch match(*source_, layout_, !matchesSaved_, QFileInfo(path_).fileName(), this);
    if (match.exec() != QDialog::Accepted) return;
    matchesSaved_ = true;
    importButton()->setEnabled(match.matching().saveTo(layout_));
}

void TDbfImport::ImportButtonClick() {
    if (busy() || !source_ || !layout_.anyMatch()) return;
    beginImport();
    const DbfImportResult result =
        ImportDbfFile(addressTable().table(), *source_, layout_,
                      {[this](const QString& text) { setStatus(text); }, hooks()});
    endImport(DbfImportMessages(result));
}

}  // namespace rp
