#include "import/AsciiImport.h"

#include <QCoreApplication>
#include <optional>
#include <vector>

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

// The target of each column of the layout; none for a column without a match.
std::vector<std::optional<ImportTarget>> columnTargets(const ImportRecord& record,
                                                       const ImportLayout& layout) {
    std::vector<std::optional<ImportTarget>> targets;
    for (const ImportColumn& column : layout.columns)
        targets.push_back(column.match.isEmpty() ? std::nullopt
                                                 : std::optional(record.target(column.match)));
    return targets;
}

// Fills the new record of one line, every column with a match and a value going into its
// target; throws xbase::Error when the engine fails.
void fillRecord(ImportRecord& record, const AsciiLineText& line,
                const std::vector<std::optional<ImportTarget>>& targets, QChar delimiter) {
    record.begin();
    const int columns = static_cast<int>(targets.size());
    // The delimiters offered are all ASCII characters, which stand for themselves in bytes.
    if (line.ascii && delimiter.unicode() < 0x80) {
        forEachAsciiValue(line.bytes.data(), line.bytes.size(),
                          static_cast<char>(delimiter.unicode()), columns,
                          [&](int c, std::size_t first, std::size_t end) {
                              const auto& target = targets[static_cast<std::size_t>(c)];
                              if (target && end > first)
                                  record.putBytes(*target, line.bytes.substr(first, end - first));
                          });
    } else {
        const QString text =
            line.ascii
                ? QString::fromLatin1(line.bytes.data(), static_cast<qsizetype>(line.bytes.size()))
                : line.text;
        const auto* chars = reinterpret_cast<const char16_t*>(text.utf16());
        forEachAsciiValue(chars, static_cast<std::size_t>(text.size()), delimiter.unicode(),
                          columns, [&](int c, std::size_t first, std::size_t end) {
                              const auto& target = targets[static_cast<std::size_t>(c)];
                              if (target && end > first)
                                  record.put(*target, QStringView(text).sliced(
                                                          static_cast<qsizetype>(first),
                                                          static_cast<qsizetype>(end - first)));
                          });
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
    const std::vector<std::optional<ImportTarget>> targets = columnTargets(record, layout);
    AsciiLineText line;
    for (;;) {
        if (!progress.keepGoing()) {
            result.outcome = Outcome::Cancelled;
            break;
        }
        const Read r = reader.next(line);
        if (r == Read::Failed) readFailed(result, reader);
        if (r != Read::Line) break;
        ++result.lines;
        if (reader.lastLineCut()) ++result.cutLines;
        if (!isTextLine(line)) {
            result.outcome = Outcome::AnalysisError;
            break;
        }
        try {
            fillRecord(record, line, targets, format.delimiter);
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
