#pragma once
// Field bytes are Windows-1252 text; the program works with QString. Decoding always
// succeeds; encoding refuses a character the code page has no place for.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rp {

QString fromFieldBytes(std::string_view bytes);

// The Windows-1252 bytes of text, or nothing when a character cannot be held; then
// *refused (when given) receives the first such character.
std::optional<std::string> toFieldBytes(const QString& text, QString* refused = nullptr);

// text with every character Windows-1252 cannot hold replaced by "?" (a character outside the
// Basic Multilingual Plane, a surrogate pair, becomes one "?"); *replaced grows by their number.
QString withUnstorableReplaced(const QString& text, std::uint32_t* replaced);

// "The character "ł" cannot be stored in a Ravenpost file."
QString unstorableMessage(const QString& character);

}  // namespace rp
