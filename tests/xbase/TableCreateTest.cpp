// Creating tables: the exact bytes we write and the field lists we refuse.
#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/FilePaths.h"

using namespace xbase;

namespace {

std::string descriptor(const std::string& name, char type, int offset, int width, int dec) {
    std::string d(dbf::kDescriptorSize, '\0');
    d.replace(dbf::kFieldNameOffset, name.size(), name);
    d[dbf::kFieldTypeOffset] = type;
    d[dbf::kFieldPlaceOffset] = static_cast<char>(offset);
    d[dbf::kFieldWidthOffset] = static_cast<char>(width);
    d[dbf::kFieldDecimalsOffset] = static_cast<char>(dec);
    return d;
}

}  // namespace

TEST(TableCreate, WritesFoxProHeaderFieldListAndEmptyMemoFile) {
    TempDir dir;
    Engine engine;
    engine.create(dir.file("PEOPLE.DBF"), peopleFields());

    std::string dbf = readBytes(dir.file("PEOPLE.DBF"));
    ASSERT_EQ(dbf.size(), 32u + 5 * 32 + 1 + 1);
    int y, m, d;
    civilDate(today(), y, m, d);
    std::string header(dbf::kHeaderSize, '\0');
    header[dbf::kVersionOffset] = static_cast<char>(0xF5);
    header[dbf::kDateOffset] = static_cast<char>(y - 1900);
    header[dbf::kDateOffset + 1] = static_cast<char>(m);
    header[dbf::kDateOffset + 2] = static_cast<char>(d);
    header[dbf::kHeaderLengthOffset] = static_cast<char>(193);
    header[dbf::kRecordLengthOffset] = 35;  // 1 + 10 + 5 + 8 + 1 + 10
    header[dbf::kCodePageOffset] = 0x03;    // Windows-1252
    std::string expected = header + descriptor("NAME", 'C', 1, 10, 0) +
                           descriptor("AGE", 'N', 11, 5, 1) + descriptor("BORN", 'D', 16, 8, 0) +
                           descriptor("OK", 'L', 24, 1, 0) + descriptor("NOTE", 'M', 25, 10, 0) +
                           "\x0D\x1A";
    EXPECT_EQ(dbf, expected);

    std::string fpt = readBytes(dir.file("PEOPLE.FPT"));
    ASSERT_EQ(fpt.size(), 512u);
    EXPECT_EQ(fpt.substr(0, 8), std::string("\0\0\0\x08\0\0\0\x40", 8));
}

TEST(TableCreate, PlainTableWithoutMemoIsDbase3AndMemoCaseFollowsExtension) {
    TempDir dir;
    Engine engine;
    engine.create(dir.file("plain.dbf"), {{"CODE", 'C', 4, 0}});
    EXPECT_EQ(readBytes(dir.file("plain.dbf"))[0], 0x03);
    EXPECT_FALSE(fileExists(dir.file("plain.fpt")));

    engine.create(dir.file("notes.dbf"), {{"TEXT", 'M', 0, 0}});
    EXPECT_TRUE(fileExists(dir.file("notes.fpt")));
    auto t = engine.open(dir.file("notes.dbf"));
    EXPECT_EQ(t->memoPath(), dir.file("notes.fpt"));
}

TEST(TableCreate, OpensWithTheFieldsAsCreated) {
    TempDir dir;
    Engine engine;
    engine.create(dir.file("p.dbf"), peopleFields());
    auto t = engine.open(dir.file("p.dbf"));
    ASSERT_EQ(t->fieldCount(), 5);
    EXPECT_EQ(t->field(2).name, "AGE");
    EXPECT_EQ(t->field(2).type, 'N');
    EXPECT_EQ(t->field(2).width, 5);
    EXPECT_EQ(t->field(2).decimals, 1);
    EXPECT_EQ(t->field(5).offset, 25u);
    EXPECT_EQ(t->fieldNumber("born"), 3);
    EXPECT_EQ(t->fieldNumber("MISSING"), 0);
    EXPECT_EQ(t->recordCount(), 0u);
    EXPECT_TRUE(t->eof());
    EXPECT_TRUE(t->bof());
    EXPECT_THROW(t->field(6), Error);
    EXPECT_THROW(t->text("MISSING"), Error);
}

TEST(TableCreate, TakesTwoHundredFiftyFiveFieldsAndNoMore) {
    TempDir dir;
    Engine engine;
    std::vector<FieldSpec> specs;
    for (int i = 1; i <= 255; ++i) specs.push_back({'F' + std::to_string(i), 'C', 2, 0});
    engine.create(dir.file("wide.dbf"), specs);
    auto t = engine.open(dir.file("wide.dbf"));
    EXPECT_EQ(t->fieldCount(), 255);
    EXPECT_EQ(t->recordLength(), 511);
    specs.push_back({"F256", 'C', 2, 0});
    try {
        engine.create(dir.file("wider.dbf"), specs);
        FAIL() << "256 fields were accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "A table can have at most 255 fields");
    }
}

TEST(TableCreate, RefusesBadFieldListsNamingTheField) {
    TempDir dir;
    Engine engine;
    struct Case {
        FieldSpec field;
        const char* message;
    } cases[] = {
        {{"ELEVENCHARS", 'C', 5, 0}, "Field ELEVENCHARS: a name has 1 to 10 characters"},
        {{"1ST", 'C', 5, 0}, "Field 1ST: a name starts with a letter"},
        {{"A-B", 'C', 5, 0}, "Field A-B: a name has only letters, digits and _"},
        {{"WHAT", 'X', 5, 0}, "Field WHAT: the type must be C, N, D, L or M"},
        {{"LONG", 'C', 255, 0}, "Field LONG: a character field is 1 to 254 wide"},
        {{"NONE", 'C', 0, 0}, "Field NONE: a character field is 1 to 254 wide"},
        {{"BIG", 'N', 21, 0}, "Field BIG: a numeric field is 1 to 20 wide"},
        {{"FRAC", 'N', 4, 3}, "Field FRAC: the decimals do not fit the width"},
    };
    for (const Case& c : cases) {
        try {
            engine.create(dir.file("bad.dbf"), {c.field});
            ADD_FAILURE() << c.message;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    try {
        engine.create(dir.file("bad.dbf"), {{"A", 'C', 1, 0}, {"a", 'N', 3, 0}});
        ADD_FAILURE() << "duplicate name accepted";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Field a: the name is used twice");
    }
}
