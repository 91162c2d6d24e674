#include "import/AsciiImport.h"

#include <QCoreApplication>

#include "framework/Messages.h"
#include "import/AsciiLine.h"
#include "import/AsciiLineReader.h"
#include "import/ImportRecord.h"
#include "import/ImportTags.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {
namespace {

using Outcome = AsciiImportResult::Outcome;
using Read = AsciiLineReader::Read;

void tell(const ImportHooks& hooks, const QString& text) {
    if (hooks.status) hooks.status(text);
}

// Fills the new record of one line; throws xbase::Error when the engine fails.
void fillRecord(ImportRecord& record, const QStringList& values, const ImportLayout& layout) {
    record.begin();
    for (int c = 0; c < layout.columnCount(); ++c) {
        const QString& match = layout.columns[static_cast<std::size_t>(c)].match;
        if (match.isEmpty() || values[c].isEmpty()) continue;
        record.put(match, values[c]);
    }
    record.finish();
}

// The outcome of a failed read, with the file's own account of it.
void readFailed(AsciiImportResult& result, const AsciiLineReader& reader) {
    result.outcome = Outcome::ReadError;
    result.cause = reader.errorText();
}

}  // namespace

AsciiImportResult importAsciiFile(xbase::Table& table, const QString& path,
                                  const ImportLayout& layout, const ImportHooks& hooks,
                                  const AsciiFormat& format) {
    AsciiImportResult result;
    if (!startImport(table, result)) return result;

    tell(hooks, QCoreApplication::translate("AsciiImport", "Counting total lines"));
    AsciiLineReader reader(path);
    if (!reader.open()) {
        readFailed(result, reader);
        return result;
    }
    std::uint32_t total = 0;
    for (Read r = reader.next(nullptr); r != Read::End; r = reader.next(nullptr)) {
        if (r == Read::Failed) {
            readFailed(result, reader);
            return result;
        }
        ++total;
        // A large file takes a while to count: the window stays alive and Cancel is seen.
        if (hooks.bulk.keepGoing && !hooks.bulk.keepGoing()) {
            result.outcome = Outcome::Cancelled;
            return result;
        }
    }
    if (!reader.rewind() || (format.header && total > 0 && reader.next(nullptr) != Read::Line)) {
        readFailed(result, reader);
        return result;
    }
    if (format.header && total > 0) --total;

    tell(hooks, QCoreApplication::translate("AsciiImport", "Importing records"));
    BulkProgress progress(hooks.bulk, total);
    ImportRecord record(table);
    QString line;
    for (;;) {
        if (!progress.keepGoing()) {
            result.outcome = Outcome::Cancelled;
            break;
        }
        const Read r = reader.next(&line);
        if (r == Read::Failed) readFailed(result, reader);
        if (r != Read::Line) break;
        ++result.lines;
        if (reader.lastLineCut()) ++result.cutLines;
        if (!isTextLine(line)) {
            result.outcome = Outcome::AnalysisError;
            break;
        }
        try {
            fillRecord(record, asciiValues(line, layout.columnCount(), format.delimiter), layout);
        } catch (const xbase::Error& e) {
            record.drop();
            result.outcome = Outcome::AnalysisError;
            result.cause = errorText(e);
            break;
        }
        try {
            table.post();
        } catch (const xbase::Error& e) {
            record.drop();
            result.outcome = Outcome::WriteError;
            result.cause = errorText(e);
            break;
        }
        progress.recordDone();
    }
    // The records still held back are written now: the import has not saved them before.
    finishImport(record, result);
    return result;
}

QString asciiImportMessage(const AsciiImportResult& result) {
    // The English texts say "records" whatever the count.
    const auto text = [](const char* source, std::uint32_t n) {
        return QCoreApplication::translate("AsciiImport", source, nullptr, static_cast<int>(n));
    };
    switch (result.outcome) {
        case Outcome::ReadError:
            return withCause(text(QT_TRANSLATE_N_NOOP("AsciiImport",
                                                      "Unknown error reading ASCII file after "
                                                      "importing %n records."),
                                  result.lines),
                             result.cause);
        case Outcome::AnalysisError:
            return withCause(text(QT_TRANSLATE_N_NOOP("AsciiImport",
                                                      "Unknown error analyzing text line after "
                                                      "importing %n records."),
                                  result.lines),
                             result.cause);
        case Outcome::WriteError:
            // Records held back when the write failed are not in the file: they are not told.
            return withCause(text(QT_TRANSLATE_N_NOOP("AsciiImport",
                                                      "Unknown error writing to datafile after "
                                                      "importing %n records."),
                                  result.written),
                             result.cause);
        case Outcome::Cancelled:
            return text(
                QT_TRANSLATE_N_NOOP("AsciiImport", "Import cancelled after importing %n records."),
                result.lines);
        case Outcome::Complete:
            break;
    }
    return text(QT_TRANSLATE_N_NOOP("AsciiImport", "Import complete. Imported %n records."),
                result.lines);
}

QString asciiImportNotes(const AsciiImportResult& result) {
    QStringList parts =
        importedValueNotes(result.spelledCharacters, result.replacedCharacters, result.cutValues);
    if (result.cutLines > 0)
        parts << QCoreApplication::translate(
                     "AsciiImport",

                     "%1 lines were longer than %2 characters; the rest of those lines was not "
                     "imported.")
                     .arg(result.cutLines)
                     .arg(kMaxAsciiLineChars);
    return parts.join(QStringLiteral("\r\n"));
}

}  // namespace rp
