#pragma once
// The text of a vCard property value: its components (split at unescaped semicolons), each
// component's list of values (split at unescaped commas) and the backslash escapes undone. The
// escapes stay in a value until it is split, so that an escaped comma or semicolon never splits.
#include <QString>
#include <QStringList>

namespace rp {

// The components of a structured value such as N or ADR, escapes kept.
QStringList vcardComponents(const QString& value);

// The values of a list such as CATEGORIES or one component of ADR, escapes kept.
QStringList vcardListValues(const QString& value);

// value with "\n" and "\N" as line breaks and "\\", "\,", "\;" as the character alone; a
// backslash before any other character stays.
QString vcardUnescape(const QString& value);

}  // namespace rp
