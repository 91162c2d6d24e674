#include "data/RecordText.h"

#include <utility>

#include "data/FieldText.h"
#include "xbase/Table.h"

namespace rp {

UnstorableText::UnstorableText(const QString& character)
    : std::runtime_error(unstorableMessage(character).toStdString()) {}

std::string storableBytes(const QString& text) {
    QString refused;
    auto bytes = toFieldBytes(text, &refused);
    if (!bytes) throw UnstorableText(refused);
    return std::move(*bytes);
}

QString fieldText(const xbase::Table& table, const char* field) {
    return fromFieldBytes(table.text(field));
}

QString memoText(const xbase::Table& table, const char* field) {
    return fromFieldBytes(table.memo(field));
}

void setFieldText(xbase::Table& table, const char* field, const QString& text) {
    std::string bytes = storableBytes(text);
    const std::size_t width = table.field(table.fieldNumber(field)).width;
    if (bytes.size() > width) bytes.resize(width);
    table.setText(field, bytes);
}

void setMemoText(xbase::Table& table, const char* field, const QString& text) {
    table.setMemo(field, storableBytes(text));
}

QString memoForSave(const QString& memoText) {
    QString text = memoText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (!text.isEmpty() && text.size() % 4 == 0) text += QLatin1Char(' ');
    return text;
}

}  // namespace rp
