// Damaged and unusual files: what still opens, and what fails with a clear message.
#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

class Damage : public ::testing::Test {
  protected:
    void SetUp() override {
        Engine maker;
        maker.create(path, peopleFields());
        auto t = maker.open(path, OpenMode::Exclusive);
        appendNames(*t, {"Ann", "Bob", "Cid"});
        t->go(2);
        t->setMemo("NOTE", "memo of Bob");
        t->post();
        t->close();
        good = readBytes(path);
    }
    std::string openError() {
        try {
            engine.open(path);
        } catch (const Error& e) {
            return e.what();
        }
        return "opened";
    }
    TempDir dir;
    std::string path = dir.file("D.DBF");
    std::string good;
    Engine engine;
};

}  // namespace

TEST_F(Damage, InterruptedAppendMissingEndMarkAndZeroDateStillOpen) {
    // Bytes of a fourth record that never made it into the header count.
    writeBytes(path, good.substr(0, good.size() - 1) + " Dee" + std::string(31, ' ') + '\x1A');
    EXPECT_EQ(engine.open(path)->recordCount(), 3u);
    writeBytes(path, good.substr(0, good.size() - 1));  // no 0x1A
    auto t = engine.open(path);
    EXPECT_EQ(t->recordCount(), 3u);
    t->goBottom();
    EXPECT_EQ(t->text("NAME"), "Cid");
    t->close();
    std::string zeroDate = good;
    zeroDate.replace(dbf::kDateOffset, dbf::kDateSize, dbf::kDateSize, '\0');
    writeBytes(path, zeroDate);
    t = engine.open(path);
    EXPECT_EQ(t->lastUpdate(), 0);
    EXPECT_EQ(t->recordCount(), 3u);
}

TEST_F(Damage, AppendAfterAnInterruptedAppendOverwritesTheLeftovers) {
    writeBytes(path, good.substr(0, good.size() - 1) + " junk" + std::string(30, '#'));
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        t->appendBlank();
        t->setText("NAME", "Dee");
        t->post();
    }
    auto t = engine.open(path);
    EXPECT_EQ(t->recordCount(), 4u);
    t->go(4);
    EXPECT_EQ(t->text("NAME"), "Dee");
    EXPECT_EQ(t->text("AGE"), "");
}

TEST_F(Damage, CountBeyondTheFileEndReadsOnlyWholeRecords) {
    std::string bytes = good;
    bytes[dbf::kRecordCountOffset] = 9;  // the header claims nine records
    writeBytes(path, bytes.substr(0, 193 + 2 * 35 + 10));
    auto t = engine.open(path);
    EXPECT_EQ(t->recordCount(), 2u);
    t->goBottom();
    EXPECT_EQ(t->text("NAME"), "Bob");
}

TEST_F(Damage, BrokenHeadersAndFieldListsFailNamingTheFile) {
    writeBytes(path, good.substr(0, 20));
    EXPECT_EQ(openError(), path + ": not a valid table (the header is truncated)");
    writeBytes(path, good.substr(0, 100));
    EXPECT_EQ(openError(), path + ": not a valid table (the field list is truncated)");
    std::string bytes = good;
    bytes[0] = 0x42;
    writeBytes(path, bytes);
    EXPECT_EQ(openError(), path + ": not a valid table (unknown version byte)");
    bytes = good;
    bytes[192] = 'X';  // the field list's end mark
    writeBytes(path, bytes);
    EXPECT_EQ(openError(), path + ": not a valid table (the field list has no end mark)");
    bytes = good;
    bytes[dbf::kHeaderSize + dbf::kFieldWidthOffset] = 100;  // NAME 100 wide in a 35-byte record
    writeBytes(path, bytes);
    EXPECT_EQ(openError(), path + ": not a valid table (the fields are wider than the record)");
    bytes = good;
    bytes[dbf::kHeaderSize + dbf::kFieldTypeOffset] = '!';
    writeBytes(path, bytes);
    EXPECT_EQ(openError(), path + ": not a valid table (field NAME has an unknown type)");
    bytes = good;
    bytes.replace(dbf::kHeaderLengthOffset, dbf::kLengthSize, "\x0A\x00", dbf::kLengthSize);
    writeBytes(path, bytes);
    EXPECT_EQ(openError(), path + ": not a valid table (the header length is too small)");
    writeBytes(path, "");
    EXPECT_EQ(openError(), path + ": not a valid table (the header is truncated)");
}

TEST_F(Damage, BrokenMemoReferencesFailNamingTheFile) {
    std::string bytes = good;
    bytes.replace(193 + 35 + 25, 10, "    999999");
    writeBytes(path, bytes);
    auto t = engine.open(path);
    t->go(2);
    try {
        t->memo("NOTE");
        FAIL() << "read a memo past the end";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(dir.file("D.FPT")), std::string::npos) << e.what();
    }
    t->close();
    bytes.replace(193 + 35 + 25, 10, "   12ab   ");
    writeBytes(path, bytes);
    t = engine.open(path);
    t->go(2);
    try {
        t->memo("NOTE");
        FAIL() << "read a garbled block number";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  path + ": memo field NOTE of record 2 holds no valid block number");
    }
}
