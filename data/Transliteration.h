#pragma once
// Text from anywhere in Unicode made storable in an address file: a letter Windows-1252 lacks
// is written as its closest spelling in the letters it has ("ễ" as "e", "Ł" as "L", "Щукин" as
// "Shchukin", Greek in Latin letters); letters it holds ("é", "ß", "ñ", "Æ") stay as they are.
// Han characters and emoji get no Latin spelling: they stay, for the caller to refuse or
// replace.
#include <QString>
#include <cstdint>

namespace rp {

// text in composed form with every character Windows-1252 lacks spelled as above; *spelled
// (when given) grows by the number of such characters that now have a storable spelling.
QString closeSpelling(const QString& text, std::uint32_t* spelled = nullptr);

// What an import stores: closeSpelling, then any character still unstorable replaced by "?"
// (see withUnstorableReplaced); *spelled and *replaced grow by their numbers.
QString storableSpelling(const QString& text, std::uint32_t* spelled, std::uint32_t* replaced);

}  // namespace rp
