#include "data/RecordText.h"

#include "data/FieldText.h"
#include "framework/Messages.h"
#include "xbase/Table.h"

namespace rp {

std::optional<std::string> StorableBytes(const QString& text) {
    QString refused;
    auto bytes = toFieldBytes(text, &refused);
    if (!bytes) ShowInformation(unstorableMessage(refused));
    return bytes;
}

QString FieldText(const xbase::Table& table, const char* field) {
    return fromFieldBytes(table.text(field));
}

QString MemoText(const xbase::Table& table, const char* field) {
    return fromFieldBytes(table.memo(field));
}

bool SetFieldText(xbase::Table& table, const char* field, const QString& text) {
    auto bytes = StorableBytes(text);
    if (!bytes) return false;
    const std::size_t width = table.field(table.fieldNumber(field)).width;
    if (bytes->size() > width) bytes->resize(width);
    table.setText(field, *bytes);
    return true;
}

bool SetMemoText(xbase::Table& table, const char* field, const QString& text) {
    auto bytes = StorableBytes(text);
    if (!bytes) return false;
    table.setMemo(field, *bytes);
    return true;
}

}  // namespace rp
