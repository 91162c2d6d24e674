#pragma once
// The text of a vCard value's bytes in the character set its CHARSET parameter names, or, when
// none is named, UTF-8 when the bytes are UTF-8 and Windows-1252 otherwise.
#include <QByteArray>
#include <QString>
#include <optional>

namespace rp {

// Nothing when charset is a character set that cannot be read.
std::optional<QString> decodeVcardText(const QByteArray& bytes, const QString& charset);

}  // namespace rp
