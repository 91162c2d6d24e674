#pragma once
// Text in a named character set ("ISO-8859-2", "windows-1250", "Shift_JIS", "UTF-8"), read
// through ICU's converters, which know far more character sets than Qt's own decoders.
#include <QByteArray>
#include <QString>
#include <optional>

namespace rp {

// The text of bytes in the character set named charset (any name or alias ICU knows, in any
// letter case); a byte sequence the set has no character for becomes U+FFFD. Nothing when the
// character set is not known.
std::optional<QString> decodeCharset(const QByteArray& bytes, const QString& charset);

}  // namespace rp
