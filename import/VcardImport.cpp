#include "import/VcardImport.h"

#include <QCoreApplication>

#include "framework/Messages.h"
#include "import/ImportRecord.h"
#include "import/ImportTags.h"
#include "import/VcardContact.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {
namespace {

using Outcome = VcardImportResult::Outcome;

}  // namespace

VcardImportResult importVcards(xbase::Table& table, const std::vector<VcardCard>& cards,
                               const ImportHooks& hooks) {
    VcardImportResult result;
    if (!startImport(table, result)) return result;
    if (hooks.status) hooks.status(QCoreApplication::translate("VcardImport", "Importing records"));
    BulkProgress progress(hooks.bulk, static_cast<std::uint32_t>(cards.size()));
    ImportRecord record(table);
    for (const VcardCard& card : cards) {
        if (!progress.keepGoing()) {
            result.outcome = Outcome::Cancelled;
            break;
        }
        const std::vector<ImportValue> values = vcardFieldValues(card);
        if (values.empty()) {
            ++result.skipped;
            progress.recordDone();
            continue;
        }
        try {
            record.begin();
            for (const ImportValue& v : values) record.put(v.caption, v.value);
            record.finish();
            table.post();
        } catch (const xbase::Error& e) {
            record.drop();
            result.outcome = Outcome::WriteError;
            result.cause = errorText(e);
            break;
        }
        ++result.imported;
        progress.recordDone();
    }
    // The records still held back are written now: the import has not saved them before.
    finishImport(record, result);
    return result;
}

QString vcardImportMessage(const VcardImportResult& result) {
    QString message;
    switch (result.outcome) {
        case Outcome::Complete:
            message =
                QCoreApplication::translate("VcardImport", "Import complete. Cards imported: %n.",
                                            nullptr, static_cast<int>(result.imported));
            break;
        case Outcome::Cancelled:
            message =
                QCoreApplication::translate("VcardImport", "Import cancelled. Cards imported: %n.",
                                            nullptr, static_cast<int>(result.imported));
            break;
        case Outcome::WriteError:
            // Records held back when the write failed are not in the file: they are not told.
            message = QCoreApplication::translate(
                "VcardImport", "Unknown error writing to datafile. Cards imported: %n.", nullptr,
                static_cast<int>(result.written));
            break;
    }
    if (result.skipped > 0)
        message += QStringLiteral("\r\n") +
                   QCoreApplication::translate(
                       "VcardImport",
                       "Cards skipped: %n (no name, organization, title, address, phone, fax, "
                       "e-mail, category or note on them).",
                       nullptr, static_cast<int>(result.skipped));
    return result.outcome == Outcome::WriteError ? withCause(message, result.cause) : message;
}

QString vcardImportNotes(const VcardImportResult& result) {
    return importedValueNotes(result.spelledCharacters, result.replacedCharacters, result.cutValues)
        .join(QStringLiteral("\r\n"));
}

}  // namespace rp
