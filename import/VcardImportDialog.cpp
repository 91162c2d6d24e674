#include "import/VcardImportDialog.h"

#include <QPushButton>

#include "data/AddressTable.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "import/VcardImport.h"

namespace rp {

VcardImportDialog::VcardImportDialog(AddressTable& table, const QString& folder, QWidget* parent)
    : ImportDialog(table, HelpTopic::VcardImport,
                   {tr("vCard File Import"),
                    tr("Select vCard File"),
                    tr("The vCard file the records are imported from."),
                    tr("Chooses the vCard file (.vcf) of a contacts app or mail program and reads "
                       "its cards."),
                    {},
                    tr("Adds a record for every card of the file, then rebuilds the indexes.")},
                   parent),
      folder_(folder) {
    matchButton()->hide();
}

void VcardImportDialog::onSelectClicked() {
    FileRequest request;
    request.caption = tr("Open");
    request.filter = tr("vCard files|*.VCF|All files|*.*");
    request.folder = folder_;
    request.proposedName = QStringLiteral("*.vcf");
    request.defaultSuffix = QStringLiteral("vcf");
    request.mustExist = true;
    if (const std::optional<QString> chosen = fileChooser().openFile(request)) path_ = *chosen;

    showFile(path_);
    file_ = {};
    importButton()->setEnabled(false);
    setStatus({});
    if (path_.isEmpty()) return;
    file_ = readVcardFile(path_);
    if (!file_.error.isEmpty()) {
        showInformation(withCause(tr("Unable to import from this file"), file_.error));
        return;
    }
    setStatus(tr("Cards in the file: %n.", nullptr, static_cast<int>(file_.cards.size())));
    importButton()->setEnabled(true);
}

void VcardImportDialog::onImportClicked() {
    if (busy() || file_.cards.empty()) return;
    beginImport();
    const VcardImportResult result =
        importVcards(addressTable().table(), file_.cards,
                     {[this](const QString& text) { setStatus(text); }, hooks()});
    QStringList messages{vcardImportMessage(result)};
    if (const QString notes = vcardImportNotes(result); !notes.isEmpty()) messages << notes;
    endImport(messages);
}

}  // namespace rp
