// Where the locks of a table lie: the FoxPro family's offsets, and ours outside them.
#include <gtest/gtest.h>

#include "xbase/internal/LockScheme.h"

using namespace xbase;

namespace {

struct RecordCase {
    bool structural;
    std::uint16_t headerLength;
    std::uint16_t recordLength;
    std::uint32_t recno;
    std::uint64_t byte;
};

const RecordCase kRecordCases[] = {
    {true, 0, 0, 1, 0x7FFFFFFD},
    {true, 0, 0, 7, 0x7FFFFFF7},
    {true, 0, 0, 0x07FFFFFF, 0x77FFFFFF},
    {true, 578, 200, 1000, 0x7FFFFFFE - 1000},
    {false, 578, 200, 1, 0x40000000 + 578},
    {false, 578, 200, 7, 0x40000000 + 578 + 6 * 200},
    {false, 65, 31, 100000, 0x40000000 + 65 + 99999ULL * 31},
};

}  // namespace

TEST(LockScheme, RecordLocksLieWhereTheFamilyPutsThem) {
    for (const RecordCase& c : kRecordCases) {
        LockScheme scheme(c.structural, c.headerLength, c.recordLength);
        EXPECT_EQ(scheme.record(c.recno), (ByteRange{c.byte, 1}))
            << "record " << c.recno << (c.structural ? " with" : " without") << " a CDX";
    }
}

TEST(LockScheme, HeaderFileAndIndexLocks) {
    const LockScheme cdx(true, 578, 200);
    EXPECT_EQ(cdx.header(), (ByteRange{0x7FFFFFFE, 1}));
    EXPECT_EQ(cdx.file(), (ByteRange{0x77FFFFFF, 0x07FFFFFF}));  // to 0x7FFFFFFD
    EXPECT_EQ(cdx.file().start + cdx.file().length - 1, 0x7FFFFFFDu);
    EXPECT_EQ(LockScheme::indexChanges(), (ByteRange{0x7FFFFFFE, 1}));

    const LockScheme dbase(false, 578, 200);
    EXPECT_EQ(dbase.header(), (ByteRange{0x40000000, 1}));
    EXPECT_EQ(dbase.file(), (ByteRange{0x40000001, 0x3FFFFFFD}));  // to 0x7FFFFFFD
}

TEST(LockScheme, OurBytesLieOutsideEveryRangeOfTheFamily) {
    // The first and last writer slots and the open-mode byte.
    for (const ByteRange ours :
         {LockScheme::writerSlot(0), LockScheme::writerSlot(LockScheme::kWriterSlots - 1),
          LockScheme::openMode()}) {
        const auto clear = [&](ByteRange r) {
            return ours.start + ours.length <= r.start || r.start + r.length <= ours.start;
        };
        const LockScheme cdx(true, 578, 200);
        const LockScheme dbase(false, 578, 200);
        EXPECT_TRUE(clear(cdx.header()));
        EXPECT_TRUE(clear(cdx.file()));
        EXPECT_TRUE(clear(dbase.header()));
        EXPECT_TRUE(clear(dbase.file()));
        EXPECT_TRUE(clear(LockScheme::indexChanges()));
        // Every record lock of either scheme for a table of up to 2 GB.
        EXPECT_EQ(cdx.record(0x7FFFFFFE).start, 0u);
        EXPECT_TRUE(clear({0, 0x7FFFFFFE}));
        EXPECT_TRUE(clear({0x40000000, std::uint64_t{1} << 31}));  // at its offset in the file
    }
    EXPECT_EQ(LockScheme::writerSlot(0), (ByteRange{0xC0000100, 1}));
    EXPECT_EQ(LockScheme::writerSlot(62), (ByteRange{0xC000013E, 1}));
    EXPECT_EQ(LockScheme::openMode(), (ByteRange{0xC0000001, 1}));
}
