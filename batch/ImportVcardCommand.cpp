// "import-vcard": the vCard import of the import window from the command line. The whole file
// is read before anything is imported, so a file that cannot be read is refused with the
// address file left as it was.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "batch/ImportClose.h"
#include "import/VcardImport.h"
#include "import/VcardReader.h"

namespace rp {
namespace {

OptionNames importVcardOptions() {
    OptionNames names = commonOptions();
    // An import appends to the whole file: no records are chosen.
    names.withValue.erase(QStringLiteral("filter"));
    names.withValue.erase(QStringLiteral("order"));
    return names;
}

}  // namespace

int runImportVcard(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, importVcardOptions());
    if (args.positional().size() < 3)
        throw BatchError(QCoreApplication::translate("ImportVcardCommand", "no vCard file given"));
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(args.positional()[2]));
    if (!QFileInfo(path).isFile())
        throw BatchError(
            QCoreApplication::translate("ImportVcardCommand", "File %1 not found").arg(path));
    const VcardFile file = readVcardFile(path);
    if (!file.error.isEmpty()) throw BatchError(file.error);
    BatchJob job(args, executableFolder, xbase::OpenMode::Exclusive);

    // The stop test comes before each card, and once more at the end.
    std::uint64_t tests = 0;
    ImportHooks hooks;
    hooks.status = [&](const QString&) { job.startPass(QStringLiteral("import")); };
    hooks.bulk.keepGoing = [&] { return job.keepGoing(tests++, file.cards.size()); };
    const VcardImportResult result = importVcards(job.table(), file.cards, hooks);

    QStringList messages = vcardImportMessage(result).split(QStringLiteral("\r\n"));
    const QString notes = vcardImportNotes(result);
    if (!notes.isEmpty()) messages << notes.split(QStringLiteral("\r\n"));
    using Outcome = VcardImportResult::Outcome;
    return closeImport(job, messages, result.outcome == Outcome::Cancelled,
                       result.outcome == Outcome::WriteError);
}

}  // namespace rp
