// Letters outside Windows-1252 written as their closest spelling in the letters it has, and
// what is counted while doing so.
#include <gtest/gtest.h>

#include "data/FieldText.h"
#include "data/Transliteration.h"

namespace rp {
namespace {

TEST(TransliterationTest, ClosestSpellings) {
    const struct {
        const char* text;
        const char* spelled;
        std::uint32_t closeSpellings;
        std::uint32_t replaced;
    } cases[] = {
        {"Nguyễn", "Nguyen", 1, 0},
        {"Łódź", "Lódz", 2, 0},  // "ó" is held
        {"Dvořák", "Dvorák", 1, 0},
        {"Erdős", "Erdos", 1, 0},
        {"Ștefănescu", "Stefanescu", 2, 0},
        {"Щукин", "Shchukin", 5, 0},
        {"Αθήνα", "Athena", 5, 0},
        {"Çağlar Yıldız", "Çaglar Yildiz", 3, 0},
        {"Đặng", "Dang", 2, 0},
        {"Æsir Straße Niño café", "Æsir Straße Niño café", 0, 0},
        {"Cafe\xCC\x81", "Café", 0, 0},  // composed, and nothing else to count
        {"北京 Li", "?? Li", 0, 2},
        {"Hi \xF0\x9F\x98\x80", "Hi ?", 0, 1},
        {"", "", 0, 0},
    };
    for (const auto& c : cases) {
        std::uint32_t spelled = 0;
        std::uint32_t replaced = 0;
        EXPECT_EQ(storableSpelling(QString::fromUtf8(c.text), &spelled, &replaced),
                  QString::fromUtf8(c.spelled))
            << c.text;
        EXPECT_EQ(spelled, c.closeSpellings) << c.text;
        EXPECT_EQ(replaced, c.replaced) << c.text;
    }
}

TEST(TransliterationTest, WhatHasNoSpellingStaysForTheCallerToRefuse) {
    const QString text = closeSpelling(QString::fromUtf8("Wang 王"));
    EXPECT_EQ(text, QString::fromUtf8("Wang 王"));
    QString refused;
    EXPECT_FALSE(toFieldBytes(text, &refused));
    EXPECT_EQ(refused, QString::fromUtf8("王"));
}

}  // namespace
}  // namespace rp
