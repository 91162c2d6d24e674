#include "import/DbfImportDialog.h"

#include <QFileInfo>
#include <QPushButton>

#include "data/AddressTable.h"
#include "framework/Messages.h"
#include "import/DbfImport.h"
#include "import/DbfMatchDialog.h"
#include "xbase/Table.h"

namespace rp {

DbfImportDialog::DbfImportDialog(AddressTable& table, const QString& folder, QWidget* parent)
    : ImportDialog(
          table, HelpTopic::DbfImport,
          {tr("DBF File Import"), tr("Select DBF File"),
           tr("The DBF file the records are imported from."), tr("Chooses the DBF file to import."),
           tr("Chooses which field of the file goes into each Ravenpost field."),
           tr("Adds a record for every record of the file, then rebuilds the indexes.")},
          parent),
      folder_(folder) {}

DbfImportDialog::~DbfImportDialog() = default;

void DbfImportDialog::onSelectClicked() {
    if (const std::optional<QString> chosen = askSourceFile(folder_, QStringLiteral("*.dbf")))
        path_ = *chosen;

    source_.reset();
    importButton()->setEnabled(false);
    if (path_.isEmpty()) {
        dropFile();
        return;
    }
    DbfSource source = openDbfSource(addressTable(), path_);
    if (!source.table) {
        showInformation(source.refusal);
        dropFile();
        return;
    }
    source_ = std::move(source.table);
    showFile(path_);
    layout_ = dbfImportLayout(*source_);
    matchesSaved_ = false;
    if (layout_.columnCount() == 0) {
        showInformation(tr("Unable to import from this file"));
        matchButton()->setEnabled(false);
        return;
    }
    matchButton()->setEnabled(true);
    setStatus({});
}

void DbfImportDialog::dropFile() {
    path_.clear();
    showFile(path_);
    matchButton()->setEnabled(false);
    importButton()->setEnabled(false);
}

void DbfImportDialog::onMatchClicked() {
    if (!source_) return;
    DbfMatchDialog match(*source_, layout_, !matchesSaved_, QFileInfo(path_).fileName(), this);
    if (match.exec() != QDialog::Accepted) return;
    matchesSaved_ = true;
    importButton()->setEnabled(match.matching().saveTo(layout_));
}

void DbfImportDialog::onImportClicked() {
    if (busy() || !source_ || !layout_.anyMatch()) return;
    beginImport();
    const DbfImportResult result =
        importDbfFile(addressTable().table(), *source_, layout_,
                      {[this](const QString& text) { setStatus(text); }, hooks()});
    endImport(dbfImportMessages(result));
}

}  // namespace rp
