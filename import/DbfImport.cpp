#include "import/DbfImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <memory>
#include <string_view>
#include <vector>

#include "data/AddressTable.h"
#include "data/CodePageText.h"
#include "data/FieldText.h"
#include "data/RecordText.h"
#include "framework/Messages.h"
#include "import/ImportRecord.h"
#include "import/ImportTags.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {
namespace {

using Outcome = DbfImportResult::Outcome;

// The text of the source's fields and memos: its code page mark says how to read it. A
// Windows-1252 source (or one without a mark) needs no converter, and its memos go over as
// they are.
class SourceText {
  public:
    explicit SourceText(const xbase::Table& source)
        : charset_(dbfCodePageCharset(source.codePage())) {
        if (charset_ != std::string_view("windows-1252"))
            decoder_ = std::make_unique<CodePageDecoder>(charset_);
    }

    bool isWindows1252() const { return !decoder_; }
    // Throws xbase::Error naming the source when its code page cannot be read.
    void check(const xbase::Table& source) const {
        if (decoder_ && !decoder_->ok())
            throw xbase::Error(source.path() + ": " + decoder_->error().toStdString());
    }
    QString decode(std::string_view bytes) const {
        return decoder_ ? decoder_->decode(bytes) : fromFieldBytes(bytes);
    }

  private:
    const char* charset_;
    std::unique_ptr<CodePageDecoder> decoder_;
};

// Fills the new record from the current source record; targets holds the target of each source
// field with a match.
void fillRecord(ImportRecord& record, xbase::Table& target, const xbase::Table& source,
                const ImportLayout& layout, const SourceText& text,
                const std::vector<ImportTarget>& targets) {
    record.begin();
    for (int c = 0; c < layout.columnCount(); ++c) {
        const ImportColumn& column = layout.columns[static_cast<std::size_t>(c)];
        if (column.match.isEmpty()) continue;
        const int n = c + 1;
        const ImportTarget& into = targets[static_cast<std::size_t>(c)];
        if (column.sourceType == 'M') {
            if (text.isWindows1252())
                target.setMemo("MEMO", source.memo(n));  // both hold Windows-1252 bytes
            else if (const QString memo = text.decode(source.memo(n)); !memo.isEmpty())
                record.put(kMemoCaption, memo);
        } else if (column.sourceType == 'D') {
            if (const xbase::JulianDay day = source.date(n); day != 0) target.setDate("DATE", day);
        } else if (text.isWindows1252()) {
            // Both hold Windows-1252 bytes: every character can be stored as it is.
            if (const std::string value = source.text(n); !value.empty())
                record.putBytes(into, value);
        } else if (const QString value = text.decode(source.text(n)); !value.isEmpty()) {
            record.put(into, value);
        }
    }
    record.finish();
}

}  // namespace

DbfSource openDbfSource(AddressTable& address, const QString& path) {
    DbfSource source;
    const QString cannotOpen =
        QCoreApplication::translate("DbfImport", "Unable to open the file %1").arg(path);
    // The address file is open exclusively while importing; reading it into itself would
    // never reach its end.
    if (address.isOpen() &&
        QFileInfo(path) == QFileInfo(QString::fromStdString(address.table().path()))) {
        source.refusal = cannotOpen;
        return source;
    }
    xbase::Engine& engine = address.table().engine();
    try {
        try {
            source.table = engine.open(path.toStdString(), xbase::OpenMode::ReadOnly);
        } catch (const xbase::IndexError&) {
            // The records are read in record order: an index that cannot be used is passed by.
            source.table = engine.open(path.toStdString(), xbase::OpenMode::ReadOnly, false);
        }
    } catch (const xbase::Error& e) {
        source.refusal = withCause(cannotOpen, errorText(e));
        return source;
    }
    if (source.table->recordCount() == 0) {
        source.table.reset();
        source.refusal =
            QCoreApplication::translate("DbfImport", "There are no records in %1").arg(path);
    }
    return source;
}

ImportLayout dbfImportLayout(const xbase::Table& source) {
    ImportLayout layout;
    for (const xbase::Field& field : source.fields())
        layout.columns.push_back(
            {field.type, QString::fromLatin1(field.name).left(kMaxMatchLength), field.width, {}});
    return layout;
}

DbfImportResult importDbfFile(xbase::Table& target, xbase::Table& source,
                              const ImportLayout& layout, const ImportHooks& hooks) {
    DbfImportResult result;
    const std::uint32_t total = source.recordCount();
    ImportRecord record(target);
    const SourceText text(source);
    std::vector<ImportTarget> targets;
    for (const ImportColumn& column : layout.columns)
        targets.push_back(column.match.isEmpty() || column.sourceType == 'M' ||
                                  column.sourceType == 'D'
                              ? ImportTarget{}
                              : record.target(column.match));
    int shown = -1;
    try {
        text.check(source);
        setAddressTagsAside(target);
        if (hooks.status)
            hooks.status(QCoreApplication::translate("DbfImport", "Importing records"));
        for (source.goTop(); !source.eof(); source.skip()) {
            if (source.deleted()) continue;
            fillRecord(record, target, source, layout, text, targets);
            target.post();
            ++result.records;
            const int percent = percentDone(source.recNo(), total);
            if (percent != shown && hooks.bulk.progress) hooks.bulk.progress(percent);
            shown = percent;
            if (hooks.bulk.keepGoing && !hooks.bulk.keepGoing()) {
                result.outcome = Outcome::Cancelled;
                break;
            }
        }
        // The records still held back are written now: the import has not saved them before.
        target.commit();
    } catch (const xbase::Error& e) {
        record.drop();
        result.outcome = Outcome::Failed;
        result.cause = errorText(e);
        // The count tells the records that are in the file, not those held back.
        record.writeHeldBack(result.cause);
        result.records = record.recordsAdded();
    }
    return result;
}

QStringList dbfImportMessages(const DbfImportResult& result) {
    // The English texts say "records" whatever the count.
    const int n = static_cast<int>(result.records);
    if (result.outcome == Outcome::Cancelled)
        return {QCoreApplication::translate(
            "DbfImport", "Import cancelled after importing %n records.", nullptr, n)};
    QStringList messages;
    if (result.outcome == Outcome::Failed)
        messages << withCause(
            QCoreApplication::translate("DbfImport", "Unknown error while importing."),
            result.cause);
    messages << QCoreApplication::translate("DbfImport", "Import complete. Imported %n records.",
                                            nullptr, n);

    return messages;
}

}  // namespace rp
