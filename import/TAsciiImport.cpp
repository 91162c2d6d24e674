#include "import/TAsciiImport.h"

#include <QPushButton>

#include "data/AddressTable.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "import/AsciiImport.h"
#include "import/AsciiSample.h"
#include "import/TAsciiMatch.h"

namespace rp {

TAsciiImport::TAsciiImport(AddressTable& table, const QString& folder, QWidget* parent)
    : ImportDialog(
          table, HelpTopic::AsciiImport,
          {QStringLiteral("ASCII File Import"), QStringLiteral("Select ASCII File"),
           QStringLiteral("The text file the records are imported from."),
           QStringLiteral("Chooses the comma-delimited text file to import."),
           QStringLiteral("Chooses which Ravenpost field each column of the file goes into."),
           QStringLiteral("Adds a record for every line of the file, then rebuilds the indexes.")},
          parent),
      folder_(folder) {}

void TAsciiImport::SelectButtonClick() {
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.filter = QStringLiteral("Text files|*.TXT|All files|*.*");
    request.folder = folder_;
    request.proposedName = QStringLiteral("*.txt");
    request.defaultSuffix = QStringLiteral("prn");
    request.mustExist = true;
    if (const std::optional<QString> chosen = fileChooser().openFile(request)) path_ = *chosen;

    importButton()->setEnabled(false);
    showFile(path_);
    if (path_.isEmpty()) {
        matchButton()->setEnabled(false);
        return;
    }
    AsciiSample sample = ReadAsciiSample(path_);
    layout_ = std::move(sample.layout);
    sample_ = std::move(sample.rows);
    matchButton()->setEnabled(sample.accepted);
    if (sample.accepted)
        setStatus({});
    else
        ShowInformation(QStringLiteral("Unable to import from this file"));
}

void TAsciiImport::MatchButtonClick() {
    TAsciiMatch match(layout_, sample_, this);
    if (match.exec() == QDialog::Accepted)
        importButton()->setEnabled(match.matching().saveTo(layout_));
}

void TAsciiImport::ImportButtonClick() {
    if (busy() || !layout_.anyMatch()) return;
    beginImport();
    const AsciiImportResult result =
        ImportAsciiFile(addressTable().table(), path_, layout_,
                        {[this](const QString& text) { setStatus(text); }, hooks()});
    QStringList messages{AsciiImportMessage(result)};
    if (const QString notes = AsciiImportNotes(result); !notes.isEmpty()) messages << notes;
    endImport(messages);
}

}  // namespace rp
