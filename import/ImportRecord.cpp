#include "import/ImportRecord.h"

#include <QCoreApplication>

#include "data/RecordText.h"
#include "data/Transliteration.h"
#include "framework/Messages.h"
#include "import/ImportLayout.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {

ImportRecord::ImportRecord(xbase::Table& table) : table_(table), before_(table.recordCount()) {}

void ImportRecord::begin() {
    table_.appendBlank();
    memo_.clear();
}

void ImportRecord::put(const QString& caption, const QString& value) {
    const QString storable = storableSpelling(value, &spelled_, &replaced_);
    if (caption == kMemoCaption) {
        if (!memo_.isEmpty()) memo_ += QStringLiteral("\r\n");
        memo_ += storable;
        return;
    }
    const char* field = matchedField(caption);
    // Windows-1252 holds one character a byte, so the width counts characters.
    const auto width = table_.field(table_.fieldNumber(field)).width;
    if (static_cast<std::size_t>(storable.size()) > width) ++cutValues_;
    setFieldText(table_, field, storable);
}

void ImportRecord::finish() {
    if (!memo_.isEmpty()) setMemoText(table_, "MEMO", memo_);
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
