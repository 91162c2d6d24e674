// Index key encodings: byte order must be value order, and decoding gives the value back.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "xbase/Error.h"
#include "xbase/internal/IndexKey.h"

using namespace xbase;

namespace {

std::string bytes(std::initializer_list<unsigned> values) {
    std::string s;
    for (unsigned v : values) s.push_back(static_cast<char>(v));
    return s;
}

}  // namespace

TEST(IndexKey, NumericKeysHaveTheDocumentedBytes) {
    EXPECT_EQ(encodeNumericKey(1.0), bytes({0xBF, 0xF0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(encodeNumericKey(-1.0), bytes({0x40, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(encodeNumericKey(0.0), bytes({0x80, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(encodeNumericKey(-0.0), encodeNumericKey(0.0));
}

TEST(IndexKey, NumericByteOrderIsNumericOrder) {
    std::vector<double> values{-1e300, -12345.678, -2.5, -1.0, -1e-300, 0.0,
                               1e-300, 0.5,        1.0,  2.0,  99999.5, 1e300};
    std::vector<std::string> keys;
    for (double v : values) keys.push_back(encodeNumericKey(v));
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end());
    for (double v : values) EXPECT_EQ(decodeNumericKey(encodeNumericKey(v)), v);
    EXPECT_EQ(decodeNumericKey(encodeNumericKey(std::numeric_limits<double>::infinity())),
              std::numeric_limits<double>::infinity());
}

TEST(IndexKey, DatesAreNumericKeysOfTheirJulianDay) {
    const JulianDay day = julianDay(1999, 12, 31);
    EXPECT_EQ(encodeDateKey(day), encodeNumericKey(2451544.0));
    EXPECT_EQ(decodeDateKey(encodeDateKey(day)), day);
    EXPECT_LT(encodeDateKey(0), encodeDateKey(julianDay(1900, 1, 1)));
    EXPECT_LT(encodeDateKey(julianDay(2024, 2, 28)), encodeDateKey(julianDay(2024, 2, 29)));
}

TEST(IndexKey, LogicalAndCharacterKeys) {
    EXPECT_EQ(encodeLogicalKey(true), "T");
    EXPECT_EQ(encodeLogicalKey(false), "F");
    EXPECT_TRUE(decodeLogicalKey("T"));
    EXPECT_FALSE(decodeLogicalKey("F"));
    EXPECT_EQ(encodeCharacterKey("Lee", 6), "Lee   ");
    EXPECT_EQ(encodeCharacterKey("Anderson", 5), "Ander");
    EXPECT_EQ(keyTrailByte(KeyType::Character), ' ');
    EXPECT_EQ(keyTrailByte(KeyType::Numeric), '\0');
    EXPECT_EQ(keyTrailByte(KeyType::Date), '\0');
    EXPECT_EQ(keyTrailByte(KeyType::Logical), '\0');
}

TEST(IndexKey, DecodingAKeyOfTheWrongLengthIsAnError) {
    EXPECT_THROW(decodeNumericKey("1234567"), Error);
    EXPECT_THROW(decodeDateKey(""), Error);
    EXPECT_THROW(decodeLogicalKey("TT"), Error);
}

TEST(IndexKey, EntriesCompareUnsignedBytesThenRecordNumbers) {
    EXPECT_LT(compareIndexEntries("A\x7F", 9, "A\x80", 1), 0);
    EXPECT_GT(compareIndexEntries("B", 1, "A", 9), 0);
    EXPECT_LT(compareIndexEntries("A", 1, "A", 2), 0);
    EXPECT_EQ(compareIndexEntries("A", 2, "A", 2), 0);
}
