#pragma once
// What the record page holds while a record is edited: the field texts as typed, in keyboard
// order, the date field's text and the memo box's text.
#include <QList>
#include <QString>
#include <utility>

namespace rp {

struct TypedRecord {
    // Field name and typed text, DATE left out: it is in date.
    QList<std::pair<QString, QString>> fields;
    // The date field's text as typed (mask blanks and separators included).
    QString date;
    // The memo box's text, line breaks as "\n".
    QString memo;
};

}  // namespace rp
