// Visual FoxPro tables, built here byte by byte: their binary field types read, and nothing
// written into them.
#include <gtest/gtest.h>

#include <cstring>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

struct RawField {
    const char* name;
    char type;
    int width;
    int decimals;
    int flags;
};

std::string le(std::uint64_t v, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
    return out;
}

// A Visual FoxPro table: header, descriptors, end mark, the 263-byte backlink, records.
std::string vfpTable(const std::vector<RawField>& fields, const std::vector<std::string>& records) {
    int recordLength = 1;
    for (const RawField& f : fields) recordLength += f.width;
    std::string h(dbf::kHeaderSize, '\0');
    h[dbf::kVersionOffset] = 0x30;
    h.replace(dbf::kDateOffset, dbf::kDateSize, "\x7C\x01\x02");  // 2024-01-02
    h.replace(dbf::kRecordCountOffset, dbf::kRecordCountSize,
              le(records.size(), dbf::kRecordCountSize));
    h.replace(dbf::kHeaderLengthOffset, dbf::kLengthSize,
              le(dbf::kHeaderSize + dbf::kDescriptorSize * fields.size() + 1 + dbf::kVfpBacklink,
                 dbf::kLengthSize));
    h.replace(dbf::kRecordLengthOffset, dbf::kLengthSize,
              le(static_cast<std::uint64_t>(recordLength), dbf::kLengthSize));
    h[dbf::kTableFlagsOffset] = 0x02;
    h[dbf::kCodePageOffset] = 0x03;
    int offset = 1;
    for (const RawField& f : fields) {
        std::string d(dbf::kDescriptorSize, '\0');
        std::memcpy(d.data() + dbf::kFieldNameOffset, f.name, std::strlen(f.name));
        d[dbf::kFieldTypeOffset] = f.type;
        d.replace(dbf::kFieldPlaceOffset, dbf::kFieldPlaceSize,
                  le(static_cast<std::uint64_t>(offset), dbf::kFieldPlaceSize));
        d[dbf::kFieldWidthOffset] = static_cast<char>(f.width);
        d[dbf::kFieldDecimalsOffset] = static_cast<char>(f.decimals);
        d[dbf::kFieldFlagsOffset] = static_cast<char>(f.flags);
        h += d;
        offset += f.width;
    }
    h += '\x0D';
    h += std::string(dbf::kVfpBacklink, '\0');
    for (const std::string& r : records) h += r;
    return h + '\x1A';
}

std::string doubleBytes(double v) {
    std::string out(8, '\0');
    std::memcpy(out.data(), &v, 8);
    return out;
}

}  // namespace

TEST(VisualFoxProRead, BinaryTypesReadAsValuesAndSystemFieldsStayHidden) {
    TempDir dir;
    std::vector<RawField> fields = {{"NAME", 'C', 6, 0, 0},         {"COUNT", 'I', 4, 0, 0},
                                    {"RATE", 'B', 8, 2, 0},         {"PRICE", 'Y', 8, 4, 0},
                                    {"STAMP", 'T', 8, 0, 0},        {"NOTE", 'M', 4, 0, 0},
                                    {"_NullFlags", '0', 1, 0, 0x05}};
    JulianDay day = julianDay(2024, 2, 29);
    std::string rec1 = " Widget" + le(static_cast<std::uint32_t>(-42), 4) + doubleBytes(3.25) +
                       le(123456, 8) + le(static_cast<std::uint64_t>(day), 4) +
                       le(13 * 3600000 + 5 * 60000 + 9000, 4) + le(8, 4) + '\0';
    std::string rec2 = "*" + std::string(6, ' ') + le(0, 4) + doubleBytes(0) + le(0, 8) + le(0, 8) +
                       le(0, 4) + '\0';
    writeBytes(dir.file("V.DBF"), vfpTable(fields, {rec1, rec2}));
    std::string fpt(512, '\0');
    fpt[3] = 9;   // next free block
    fpt[7] = 64;  // block size
    fpt += std::string("\0\0\0\x01\0\0\0\x05", 8) + "hello" + std::string(64 - 13, '\0');
    writeBytes(dir.file("V.FPT"), fpt);

    Engine engine;
    auto t = engine.open(dir.file("V.DBF"));
    EXPECT_EQ(t->version(), 0x30);
    ASSERT_EQ(t->fieldCount(), 6);  // _NullFlags is a system field
    EXPECT_EQ(t->headerLength(), 32 + 7 * 32 + 1 + 263);
    EXPECT_EQ(t->text("NAME"), "Widget");
    EXPECT_EQ(t->number("COUNT"), -42.0);
    EXPECT_EQ(t->text("COUNT"), "-42");
    EXPECT_EQ(t->number("RATE"), 3.25);
    EXPECT_EQ(t->text("RATE"), "3.25");
    EXPECT_EQ(t->number("PRICE"), 12.3456);
    EXPECT_EQ(t->date("STAMP"), day);
    EXPECT_EQ(t->text("STAMP"), "20240229 13:05:09");
    EXPECT_EQ(t->memo("NOTE"), "hello");
    t->skip();
    EXPECT_TRUE(t->deleted());
    EXPECT_EQ(t->text("STAMP"), "");
    EXPECT_EQ(t->memo("NOTE"), "");
    EXPECT_THROW(t->setText("NAME", "x"), Error);
    EXPECT_THROW(t->appendBlank(), Error);
}

TEST(VisualFoxProRead, FixedWidthTypesOfAnotherWidthAreRefused) {
    TempDir dir;
    Engine engine;
    for (RawField f :
         {RawField{"RATE", 'B', 1, 0, 0}, RawField{"WHEN", 'T', 4, 0, 0},
          RawField{"N", 'I', 2, 0, 0}, RawField{"D", 'D', 6, 0, 0}, RawField{"L", 'L', 2, 0, 0}}) {
        writeBytes(dir.file("W.DBF"),
                   vfpTable({f}, {' ' + std::string(static_cast<std::size_t>(f.width), '\x01')}));
        try {
            engine.open(dir.file("W.DBF"));
            ADD_FAILURE() << f.name << " opened";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), dir.file("W.DBF") + ": not a valid table (field " +
                                                 f.name + " has a wrong width for its type)");
        }
    }
}

TEST(VisualFoxProRead, DaysOutsideTheYearsOfTheCalendarReadAsEmpty) {
    EXPECT_EQ(toDtos(0x7FFFFFF0), "        ");
    EXPECT_EQ(toDtos(kLastJulianDay), "99991231");
    EXPECT_EQ(toDtos(kFirstJulianDay), "00010101");
    EXPECT_EQ(toDtos(kFirstJulianDay - 1), "        ");
    TempDir dir;
    writeBytes(dir.file("T.DBF"),
               vfpTable({{"WHEN", 'T', 8, 0, 0}}, {" " + le(0x7FFFFFF0, 4) + le(0, 4)}));
    Engine engine;
    auto t = engine.open(dir.file("T.DBF"));
    EXPECT_EQ(t->text("WHEN"), "");
}
