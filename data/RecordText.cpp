#include "data/RecordText.h"

#include "data/FieldText.h"
#include "framework/Messages.h"
#include "xbase/Table.h"

namespace rp {

std::optional<std::string> storableBytes(const QString& text) {
    QString refused;
    auto bytes = toFieldBytes(text, &refused);
    if (!bytes) showInformation(unstorableMessage(refused));
    return bytes;
}

QString fieldText(const xbase::Table& table, const char* field) {
    return fromFieldBytes(table.text(field));
}

QString memoText(const xbase::Table& table, const char* field) {
    return fromFieldBytes(table.memo(field));
}

bool setFieldText(xbase::Table& table, const char* field, const QString& text) {
    auto bytes = storableBytes(text);
    if (!bytes) return false;
    const std::size_t width = table.field(table.fieldNumber(field)).width;
    if (bytes->size() > width) bytes->resize(width);
    table.setText(field, *bytes);
    return true;
}

bool setMemoText(xbase::Table& table, const char* field, const QString& text) {
    auto bytes = storableBytes(text);
    if (!bytes) return false;
    table.setMemo(field, *bytes);
    return true;
}

}  // namespace rp
