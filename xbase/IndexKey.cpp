#include "xbase/internal/IndexKey.h"

#include <bit>
#include <cstring>

#include "xbase/Error.h"

namespace xbase {

namespace {

constexpr std::uint64_t kSignBit = 0x8000000000000000ULL;

void requireLength(std::string_view key, std::size_t length, const char* kind) {
    if (key.size() != length)
        throw Error(std::string("A ") + kind + " index key must be " + std::to_string(length) +
                    " bytes long, not " + std::to_string(key.size()));
}

}  // namespace

char keyTrailByte(KeyType type) {
    return type == KeyType::Character ? ' ' : '\0';
}

std::string encodeCharacterKey(std::string_view text, std::size_t keyLength) {
    std::string key(text.substr(0, keyLength));
    fitCharacterKey(key, keyLength);
    return key;
}

void fitCharacterKey(std::string& text, std::size_t keyLength) {
    text.resize(keyLength, keyTrailByte(KeyType::Character));
}

std::string encodeNumericKey(double value) {
    if (value == 0.0) value = 0.0;  // negative zero sorts as zero
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    bits = (bits & kSignBit) != 0 ? ~bits : bits | kSignBit;
    std::string key(kNumericKeyLength, '\0');
    for (std::size_t i = 0; i < kNumericKeyLength; ++i)
        key[i] = static_cast<char>(bits >> (56 - 8 * i));
    return key;
}

std::string encodeDateKey(JulianDay day) {
    return encodeNumericKey(static_cast<double>(day));
}

std::string encodeLogicalKey(bool value) {
    return value ? "T" : "F";
}

double decodeNumericKey(std::string_view key) {
    requireLength(key, kNumericKeyLength, "numeric");
    std::uint64_t bits = 0;
    for (char c : key) bits = bits << 8 | static_cast<unsigned char>(c);
    bits = (bits & kSignBit) != 0 ? bits & ~kSignBit : ~bits;
    return std::bit_cast<double>(bits);
}

JulianDay decodeDateKey(std::string_view key) {
    return static_cast<JulianDay>(decodeNumericKey(key));
}

bool decodeLogicalKey(std::string_view key) {
    requireLength(key, kLogicalKeyLength, "logical");
    return key[0] == 'T';
}

int compareIndexEntries(std::string_view a, std::uint32_t recnoA, std::string_view b,
                        std::uint32_t recnoB) {
    if (int c = a.compare(b); c != 0) return c;
    return recnoA < recnoB ? -1 : recnoA > recnoB ? 1 : 0;
}

}  // namespace xbase
