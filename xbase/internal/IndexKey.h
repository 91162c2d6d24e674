#pragma once
// Index keys: the fixed-length byte strings an index keeps in order, and how values of each
// type become such strings. Keys compare byte by byte as unsigned bytes; equal keys are ordered
// by record number.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "xbase/DateUtil.h"

namespace xbase {

enum class KeyType { Character, Numeric, Date, Logical };

// The longest key a compact index holds.
constexpr std::size_t kMaxKeyLength = 240;
// Numeric and date keys are eight bytes, logical keys one.
constexpr std::size_t kNumericKeyLength = 8;
constexpr std::size_t kLogicalKeyLength = 1;

// The byte that pads a key of the given type to the key length; leaf pages drop runs of it
// from the end of each key. A blank for character keys, a zero byte for the others.
char keyTrailByte(KeyType type);

// Text padded with blanks or cut to the key length.
std::string encodeCharacterKey(std::string_view text, std::size_t keyLength);
// The same in place.
void fitCharacterKey(std::string& text, std::size_t keyLength);
// The IEEE-754 double, big-endian, with the sign bit flipped for values >= 0 (negative zero
// counts as zero) and every bit inverted for negative values, so that byte order is numeric
// order.
std::string encodeNumericKey(double value);
// The Julian day number as a numeric key (the empty date is day 0).
std::string encodeDateKey(JulianDay day);
// "T" or "F".
std::string encodeLogicalKey(bool value);

// The reverse of the encoders above. Numeric and date keys must be eight bytes and logical
// keys one byte; anything else throws Error.
double decodeNumericKey(std::string_view key);
JulianDay decodeDateKey(std::string_view key);
bool decodeLogicalKey(std::string_view key);

// Orders (key, record number) pairs: negative, zero or positive like memcmp.
int compareIndexEntries(std::string_view a, std::uint32_t recnoA, std::string_view b,
                        std::uint32_t recnoB);

}  // namespace xbase
