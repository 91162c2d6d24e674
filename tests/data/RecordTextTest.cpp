// Field and memo text through the code page: values cut to the field's width, and text with a
// character Windows-1252 cannot hold refused with the message for the user, nothing stored;
// the memo rule of Save.
#include <gtest/gtest.h>

#include <memory>

#include "data/FieldText.h"
#include "data/RecordText.h"
#include "support/TempDir.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class RecordTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(dir.file("T.DBF"), {{"CITY", 'C', 6, 0}, {"NOTE", 'M', 0, 0}});
        table = engine.open(dir.file("T.DBF"), xbase::OpenMode::Exclusive);
        table->appendBlank();
    }

    // The message an UnstorableText carries, or a note that none was thrown.
    template <class Store>
    QString refusal(Store store) {
        try {
            store();
        } catch (const UnstorableText& e) {
            return QString::fromUtf8(e.what());
        }
        return QStringLiteral("(stored)");
    }

    TempDir dir;
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> table;
};

TEST_F(RecordTextTest, TextGoesInAsWindows1252CutToTheFieldWidth) {
    setFieldText(*table, "CITY", QString::fromUtf8("Zürich-Oerlikon"));
    setMemoText(*table, "NOTE", QString::fromUtf8("Œuvre\r\n€5"));
    table->post();
    EXPECT_EQ(table->text("CITY"), "Z\xFCrich");
    EXPECT_EQ(fieldText(*table, "CITY"), QString::fromUtf8("Zürich"));
    EXPECT_EQ(table->memo("NOTE"),
              "\x8Cuvre\r\n\x80"
              "5");
    EXPECT_EQ(memoText(*table, "NOTE"), QString::fromUtf8("Œuvre\r\n€5"));
    EXPECT_EQ(storableBytes(QString::fromUtf8("a€")), "a\x80");
}

TEST_F(RecordTextTest, AnUnstorableCharacterIsRefusedWithItsMessageAndNothingIsStored) {
    setFieldText(*table, "CITY", QStringLiteral("Lodz"));
    setMemoText(*table, "NOTE", QStringLiteral("kept"));

    EXPECT_EQ(refusal([&] { setFieldText(*table, "CITY", QString::fromUtf8("Łódź")); }),
              QString::fromUtf8("The character \"Ł\" cannot be stored in a Ravenpost file."));
    EXPECT_EQ(refusal([&] { setMemoText(*table, "NOTE", QString::fromUtf8("smile \U0001F600")); }),
              unstorableMessage(QString::fromUtf8("\U0001F600")));
    EXPECT_EQ(refusal([] { (void)storableBytes(QString::fromUtf8("ok, then ł")); }),
              unstorableMessage(QString::fromUtf8("ł")));

    EXPECT_EQ(fieldText(*table, "CITY"), "Lodz");
    EXPECT_EQ(memoText(*table, "NOTE"), "kept");
}

TEST(memoForSave, AddsABlankToLengthsThatAreMultiplesOfFour) {
    EXPECT_EQ(memoForSave("abcdefgh"), "abcdefgh ");
    EXPECT_EQ(memoForSave("abcdefg"), "abcdefg");
    EXPECT_EQ(memoForSave(""), "");
    // Line breaks count as two characters.
    EXPECT_EQ(memoForSave("ab\ncd"), "ab\r\ncd");
    EXPECT_EQ(memoForSave("a\nb"), "a\r\nb ");
    EXPECT_EQ(memoForSave("abcd\n"), "abcd\r\n");
}

}  // namespace
}  // namespace rp
