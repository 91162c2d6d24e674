// Field bytes are Windows-1252: every byte decodes; characters outside it are refused.
#include <gtest/gtest.h>

#include "data/FieldText.h"

namespace rp {
namespace {

TEST(fieldText, Windows1252RoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = fromFieldBytes(all);
    EXPECT_EQ(text[0x80 - 1], QChar(0x20AC));
    EXPECT_EQ(text[0x9F - 1], QChar(0x0178));
    EXPECT_EQ(text[0xE9 - 1], QChar(0x00E9));
    EXPECT_EQ(toFieldBytes(text), all);
}

TEST(fieldText, RefusesWhatTheCodePageCannotHold) {
    QString refused;
    EXPECT_FALSE(toFieldBytes(QString::fromUtf8("Łódź"), &refused));
    EXPECT_EQ(refused, QString::fromUtf8("Ł"));
    EXPECT_FALSE(toFieldBytes(QString::fromUtf8("ab\U0001F600"), &refused));
    EXPECT_EQ(refused, QString::fromUtf8("\U0001F600"));
    EXPECT_EQ(
        unstorableMessage(refused),
        QString::fromUtf8("The character \"\U0001F600\" cannot be stored in a Ravenpost file."));
    EXPECT_EQ(toFieldBytes(QString::fromUtf8("Café €5")), std::string("Caf\xE9 \x80"
                                                                      "5"));
}

TEST(fieldText, ReplacesWhatTheCodePageCannotHoldByQuestionMarks) {
    struct Case {
        const char* text;
        const char* stored;
        std::uint32_t replaced;
    };
    for (const Case& c : {Case{"Café €5", "Café €5", 0}, Case{"Łódź", "?ód?", 2},
                          Case{"a\U0001F600b", "a?b", 1}, Case{"\U0001F600\U0001F600", "??", 2}}) {
        std::uint32_t replaced = 10;
        EXPECT_EQ(withUnstorableReplaced(QString::fromUtf8(c.text), &replaced),
                  QString::fromUtf8(c.stored))
            << c.text;
        EXPECT_EQ(replaced, 10 + c.replaced) << c.text;
    }
}

}  // namespace
}  // namespace rp
