#include "import/AsciiImportDialog.h"

#include <QPushButton>

#include "data/AddressTable.h"
#include "framework/Messages.h"
#include "import/AsciiImport.h"
#include "import/AsciiMatchDialog.h"
#include "import/AsciiSample.h"

namespace rp {

AsciiImportDialog::AsciiImportDialog(AddressTable& table, const QString& folder, QWidget* parent)
    : ImportDialog(
          table, HelpTopic::AsciiImport,
          {QStringLiteral("ASCII File Import"), QStringLiteral("Select ASCII File"),
           QStringLiteral("The text file the records are imported from."),
           QStringLiteral("Chooses the comma-delimited text file to import."),
           QStringLiteral("Chooses which Ravenpost field each column of the file goes into."),
           QStringLiteral("Adds a record for every line of the file, then rebuilds the indexes.")},
          parent),
      folder_(folder) {}

void AsciiImportDialog::onSelectClicked() {
    if (const std::optional<QString> chosen = askSourceFile(folder_, QStringLiteral("*.txt")))
        path_ = *chosen;

    importButton()->setEnabled(false);
    showFile(path_);
    if (path_.isEmpty()) {
        matchButton()->setEnabled(false);
        return;
    }
    AsciiSample sample = readAsciiSample(path_);
    layout_ = std::move(sample.layout);
    sample_ = std::move(sample.rows);
    matchButton()->setEnabled(sample.accepted);
    if (sample.accepted)
        setStatus({});
    else
        showInformation(QStringLiteral("Unable to import from this file"));
}

void AsciiImportDialog::onMatchClicked() {
    AsciiMatchDialog match(layout_, sample_, this);
    if (match.exec() == QDialog::Accepted)
        importButton()->setEnabled(match.matching().saveTo(layout_));
}

void AsciiImportDialog::onImportClicked() {
    if (busy() || !layout_.anyMatch()) return;
    beginImport();
    const AsciiImportResult result =
        importAsciiFile(addressTable().table(), path_, layout_,
                        {[this](const QString& text) { setStatus(text); }, hooks()});
    QStringList messages{asciiImportMessage(result)};
    if (const QString notes = asciiImportNotes(result); !notes.isEmpty()) messages << notes;
    endImport(messages);
}

}  // namespace rp
