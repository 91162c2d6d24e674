#include "import/ImportRecord.h"

#include <QCoreApplication>

#include "data/FieldText.h"
#include "data/RecordText.h"
#include "data/Transliteration.h"
#include "framework/Messages.h"
#include "import/ImportLayout.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {

ImportRecord::ImportRecord(xbase::Table& table)
    : table_(table), before_(table.recordCount()), memoField_(table.fieldNumber("MEMO")) {}

ImportTarget ImportRecord::target(const QString& caption) const {
    if (caption == kMemoCaption) return {memoField_, 0, true};
    const char* name = matchedField(caption);
    const int n = name ? table_.fieldNumber(name) : 0;
    // No such field: the engine refuses the values put there.
    if (n == 0) return {};
    return {n, table_.field(n).width, false};
}

void ImportRecord::begin() {
    table_.appendBlank();
    memo_.clear();
}

void ImportRecord::put(const QString& caption, const QString& value) {
    put(target(caption), value);
}

void ImportRecord::put(const ImportTarget& target, QStringView value) {
    // Most values hold only letters the file has: they go over without a spelling.
    const QString text = value.toString();
    if (std::optional<std::string> bytes = toFieldBytes(text)) return putBytes(target, *bytes);
    putBytes(target, spelledBytes(text));
}

const std::string& ImportRecord::spelledBytes(const QString& text) {
    constexpr std::size_t kMostSpellings = 4096;
    auto it = spellings_.find(text);
    if (it == spellings_.end()) {
        if (spellings_.size() == kMostSpellings) spellings_.clear();
        Spelling spelling;
        spelling.bytes =
            storableBytes(storableSpelling(text, &spelling.spelled, &spelling.replaced));
        it = spellings_.emplace(text, std::move(spelling)).first;
    }
    spelled_ += it->second.spelled;
    replaced_ += it->second.replaced;
    return it->second.bytes;
}

void ImportRecord::putBytes(const ImportTarget& target, std::string_view bytes) {
    if (target.memo) {
        if (!memo_.empty()) memo_ += "\r\n";
        memo_ += bytes;
        return;
    }
    // Windows-1252 holds one character a byte, so the width counts characters; the engine
    // cuts the value to the field.
    if (bytes.size() > target.width) ++cutValues_;
    table_.setText(target.field, bytes);
}

void ImportRecord::finish() {
    if (!memo_.empty()) table_.setMemo(memoField_, memo_);
}

void ImportRecord::drop() {
    try {
        table_.cancel();
    } catch (const xbase::Error&) {
        // Nothing of the record was written; there is nothing more to undo.
    }
}

bool ImportRecord::writeHeldBack(QString& cause) {
    try {
        table_.commit();
        return true;
    } catch (const xbase::Error& e) {
        const QString text = errorText(e);
        if (!cause.contains(text)) cause = cause.isEmpty() ? text : withCause(cause, text);
    }
    table_.forgetUnwritten();
    return false;
}

QStringList importedValueNotes(std::uint32_t spelled, std::uint32_t replaced,
                               std::uint32_t cutValues) {
    QStringList notes;
    if (spelled > 0 || replaced > 0)
        notes << QCoreApplication::translate(
                     "AsciiImport",
                     "%n characters were stored in a close spelling and %1 replaced by ?.", nullptr,
                     static_cast<int>(spelled))
                     .arg(replaced);
    if (cutValues > 0)
        notes << QCoreApplication::translate(
            "AsciiImport", "%n values were longer than their fields and were cut to fit.", nullptr,
            static_cast<int>(cutValues));

    return notes;
}

std::uint32_t ImportRecord::recordsAdded() const {
    const std::uint32_t now = table_.recordCount();
    return now > before_ ? now - before_ : 0;
}

}  // namespace rp
