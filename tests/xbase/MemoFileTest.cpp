#include "xbase/internal/MemoFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/SharedFolder.h"
#include "support/TempDir.h"
#include "xbase/Error.h"

using xbase::MemoFile;
using xbase::MemoKind;

namespace {

std::string slurp(const std::string& path) {
    xbase::File file = xbase::File::open(path, false);
    std::string bytes(file.size(), '\0');
    file.readExact(0, bytes.data(), bytes.size(), "the whole file");
    return bytes;
}

void spit(const std::string& path, const std::string& bytes) {
    xbase::File::create(path).writeAt(0, bytes);
}

std::string be32(std::uint32_t v) {
    return {char(v >> 24), char(v >> 16 & 0xFF), char(v >> 8 & 0xFF), char(v & 0xFF)};
}

std::string le32(std::uint32_t v) {
    return {char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF), char(v >> 24)};
}

std::uint32_t nextFree(const std::string& path) {
    const std::string b = slurp(path).substr(0, 4);
    return std::uint32_t(std::uint8_t(b[0])) << 24 | std::uint8_t(b[1]) << 16 |
           std::uint8_t(b[2]) << 8 | std::uint8_t(b[3]);
}

const std::string kDbt4Mark("\xFF\xFF\x08\x00", 4);

// An FPT file with a 512-byte header (next free block, block size 64) and then `body`.
std::string fpt(std::uint32_t next, const std::string& body = "") {
    return be32(next) + std::string("\0\0\0\x40", 4) + std::string(504, '\0') + body;
}

std::string fixture(const std::string& name) {
    return slurp(rp::test::sharedFolder() + "/fixtures/xbase/" + name);
}

// The block numbers in a table's first memo field, one per record (0 for a blank field).
std::vector<std::uint32_t> memoBlocks(const std::string& dbf) {
    auto u16 = [&](std::size_t at) {
        return std::size_t(std::uint8_t(dbf[at])) | std::size_t(std::uint8_t(dbf[at + 1])) << 8;
    };
    std::size_t fieldOffset = 1, width = 0;
    for (std::size_t d = 32; dbf[d] != '\x0D'; d += 32, fieldOffset += width) {
        width = std::uint8_t(dbf[d + 16]);
        if (dbf[d + 11] == 'M') break;
    }
    std::vector<std::uint32_t> blocks;
    const std::size_t count = u16(4) | u16(6) << 16, start = u16(8), recordLength = u16(10);
    for (std::size_t r = 0; r < count; ++r) {
        const std::string digits = dbf.substr(start + r * recordLength + fieldOffset, width);
        blocks.push_back(digits.find_first_not_of(' ') == std::string::npos
                             ? 0
                             : std::uint32_t(std::stoul(digits)));
    }
    return blocks;
}

// The message of the Error that `action` throws; "" when it throws none.
std::string errorFrom(const std::function<void()>& action) {
    try {
        action();
    } catch (const xbase::Error& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(FptWrite, CreatesAHeaderAndStoresTypeLengthAndPaddedBlocks) {
    TempDir dir;
    const std::string path = dir.file("a.fpt");
    MemoFile::createFpt(path);
    EXPECT_EQ(slurp(path), fpt(8));

    auto memo = MemoFile::open(path, MemoKind::Fpt, true);
    EXPECT_EQ(memo->kind(), MemoKind::Fpt);
    EXPECT_EQ(memo->blockSize(), 64u);
    EXPECT_EQ(memo->write(0, "Hello"), 8u);
    EXPECT_EQ(memo->write(0, std::string(57, 'z')), 9u);
    EXPECT_EQ(slurp(path), fpt(11, be32(1) + be32(5) + "Hello" + std::string(51, '\0') + be32(1) +
                                       be32(57) + std::string(57, 'z') + std::string(63, '\0')));
}

TEST(FptWrite, ReadsBackLongAndBinaryMemosAfterReopening) {
    TempDir dir;
    const std::string path = dir.file("a.fpt");
    std::string binary;
    for (int i = 0; i < 512; ++i) binary += char(i);
    std::string large(1 << 20, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = char('a' + i % 26);
    const std::vector<std::string> texts = {"x", binary, large, "line 1\r\nline 2"};

    MemoFile::createFpt(path);
    std::vector<std::uint32_t> blocks;
    for (const std::string& text : texts)
        blocks.push_back(MemoFile::open(path, MemoKind::Fpt, true)->write(0, text));
    auto memo = MemoFile::open(path, MemoKind::Fpt, false);
    for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(memo->read(blocks[i]), texts[i]);
}

TEST(FptWrite, RewritesInPlaceWhenTheTextFitsElseAtTheEnd) {
    TempDir dir;
    const std::string path = dir.file("a.fpt");
    MemoFile::createFpt(path);
    auto memo = MemoFile::open(path, MemoKind::Fpt, true);
    ASSERT_EQ(memo->write(0, std::string(100, 'a')), 8u);  // 108 bytes: blocks 8 and 9
    EXPECT_EQ(memo->write(8, std::string(120, 'b')), 8u);  // 128 bytes: still two blocks
    EXPECT_EQ(memo->write(8, "c"), 8u);
    EXPECT_EQ(nextFree(path), 10u);
    EXPECT_EQ(memo->read(8), "c");

    EXPECT_EQ(memo->write(8, std::string(121, 'd')), 10u);  // 129 bytes need three blocks
    EXPECT_EQ(nextFree(path), 13u);
    EXPECT_EQ(slurp(path).size(), 13u * 64);
    EXPECT_EQ(memo->read(8), "c");  // the old blocks are left as they were
    EXPECT_EQ(memo->read(10), std::string(121, 'd'));

    EXPECT_EQ(memo->write(10, ""), 0u);
    EXPECT_EQ(memo->write(0, ""), 0u);
    EXPECT_EQ(memo->read(0), "");
    EXPECT_EQ(nextFree(path), 13u);
}

TEST(FptWrite, RewritesADamagedMemoAtTheEndWhenItReachesPastTheNextFreeBlock) {
    TempDir dir;
    const std::string path = dir.file("a.fpt");
    // The memo at block 8 claims 200 bytes (four blocks) but the header frees block 10.
    spit(path, fpt(10, be32(1) + be32(200) + std::string(120, 'a')));
    EXPECT_EQ(MemoFile::open(path, MemoKind::Fpt, true)->write(8, "x"), 10u);
    EXPECT_EQ(nextFree(path), 11u);
}

TEST(FptWrite, TwoOpenersAppendAfterEachOther) {
    TempDir dir;
    const std::string path = dir.file("a.fpt");
    MemoFile::createFpt(path);
    auto first = MemoFile::open(path, MemoKind::Fpt, true);
    auto second = MemoFile::open(path, MemoKind::Fpt, true);
    EXPECT_EQ(first->write(0, "one"), 8u);
    EXPECT_EQ(second->write(0, "two"), 9u);
    EXPECT_EQ(first->read(9), "two");
}

TEST(FptWrite, RefusesReadOnlyFilesDbtFilesAndBadBlockSizes) {
    TempDir dir;
    const std::string fptPath = dir.file("a.fpt"), dbtPath = dir.file("a.dbt");
    MemoFile::createFpt(fptPath);
    spit(dbtPath, std::string(512, '\0'));
    for (const std::string& error :
         {errorFrom([&] { MemoFile::open(fptPath, MemoKind::Fpt, false)->write(0, "x"); }),
          errorFrom([&] { MemoFile::open(dbtPath, MemoKind::Dbt3, true)->write(0, "x"); }),
          errorFrom([&] { MemoFile::createFpt(fptPath, 0); }),
          errorFrom([&] { MemoFile::createFpt(fptPath, 65536); })})
        EXPECT_NE(error.find(dir.path()), std::string::npos) << error;
    EXPECT_EQ(slurp(fptPath), fpt(8));
}

class FptBlockSize : public testing::TestWithParam<std::uint32_t> {};

TEST_P(FptBlockSize, PlacesMemosOnItsBlockBoundaries) {
    const std::uint32_t size = GetParam();
    const std::uint32_t first = (512 + size - 1) / size;
    const std::uint32_t second = first + (8 + 40 + size - 1) / size;
    TempDir dir;
    const std::string path = dir.file("a.fpt");
    MemoFile::createFpt(path, size);
    auto memo = MemoFile::open(path, MemoKind::Fpt, true);
    EXPECT_EQ(memo->blockSize(), size);
    EXPECT_EQ(memo->write(0, std::string(40, '1')), first);
    EXPECT_EQ(memo->write(0, "2"), second);

    const std::string bytes = slurp(path);
    EXPECT_EQ(bytes.substr(6, 2), (std::string{char(size >> 8), char(size & 0xFF)}));
    EXPECT_EQ(bytes.substr(std::size_t(second) * size, 9), be32(1) + be32(1) + "2");
    EXPECT_EQ(bytes.size() % size, 0u);
    EXPECT_EQ(nextFree(path), bytes.size() / size);
    EXPECT_EQ(MemoFile::open(path, MemoKind::Fpt, false)->read(first), std::string(40, '1'));
}

INSTANTIATE_TEST_SUITE_P(Sizes, FptBlockSize, testing::Values(1u, 32u, 512u, 1000u, 65535u));

TEST(MemoFixtures, ReadsEveryMemoOfTheHarbourFpt) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    spit(dir.file("ADDRESS.fpt"), fixture("ADDRESS.fpt"));
    auto memo = MemoFile::open(dir.file("ADDRESS.fpt"), MemoKind::Fpt, false);
    const std::vector<std::uint32_t> blocks = memoBlocks(fixture("ADDRESS.dbf"));
    ASSERT_EQ(blocks.size(), 300u);
    // The fixture's two-line memos repeat "line text " (record number mod 40) times.
    for (std::size_t r = 1; r <= blocks.size(); ++r) {
        std::string expected;
        if (r % 37 == 0) {
            expected = "12345678";
        } else if (r % 5 == 0) {
            expected = "Memo of record " + std::to_string(r) + "\r\n";
            for (std::size_t i = 0; i < r % 40; ++i) expected += "line text ";
        }
        EXPECT_EQ(memo->read(blocks[r - 1]), expected) << "record " << r;
    }
}

TEST(MemoFixtures, ReadsEveryMemoOfTheHarbourDbtAsDbaseIIIAndIV) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    spit(dir.file("DBASE3.dbt"), fixture("DBASE3.dbt"));
    const std::vector<std::uint32_t> blocks = memoBlocks(fixture("DBASE3.dbf"));
    ASSERT_EQ(blocks.size(), 12u);
    for (MemoKind kind : {MemoKind::Dbt3, MemoKind::Dbt4}) {
        auto memo = MemoFile::open(dir.file("DBASE3.dbt"), kind, false);
        EXPECT_EQ(memo->blockSize(), 512u);
        for (std::size_t r = 1; r <= blocks.size(); ++r)
            EXPECT_EQ(memo->read(blocks[r - 1]),
                      r % 2 ? "Comment " + std::to_string(r) + " " + std::string(60 * r, 'x') : "");
    }
}

TEST(DbtRead, CountsDbaseIVMemosAndElseReadsToTheTerminatorOrTheEnd) {
    TempDir dir;
    const std::string path = dir.file("a.dbt");
    std::string bytes(200 * 1024, '\0');
    auto put = [&](std::size_t at, const std::string& s) { bytes.replace(at, s.size(), s); };
    bytes[21] = 4;  // 1024-byte blocks
    put(1024, kDbt4Mark + le32(8 + 13) + "with \x1A inside" + "junk");
    put(2048, "plain\x1A\x1A");
    put(3072, std::string(200000, 'y') + "\x1A" + "after");
    spit(path, bytes + "to the end");

    auto memo = MemoFile::open(path, MemoKind::Dbt4, false);
    EXPECT_EQ(memo->blockSize(), 1024u);
    EXPECT_EQ(memo->read(1), "with \x1A inside");
    EXPECT_EQ(memo->read(2), "plain");
    EXPECT_EQ(memo->read(3), std::string(200000, 'y'));
    EXPECT_EQ(memo->read(200), "to the end");
    EXPECT_EQ(MemoFile::open(path, MemoKind::Dbt3, false)->read(4), "plain");
}

TEST(MemoCorruption, ThrowsAnErrorNamingTheFileAndTheProblem) {
    struct Case {
        std::string bytes;
        MemoKind kind;
        std::uint32_t block;
        std::string problem;
        bool writable = false;
    };
    const std::string dbt4 = std::string(512, '\0') + kDbt4Mark;
    const std::vector<Case> cases = {
        {fpt(8).substr(0, 100), MemoKind::Fpt, 0, "header is shorter than 512 bytes"},
        {fpt(8).replace(7, 1, 1, '\0'), MemoKind::Fpt, 0, "block size of 0"},
        {fpt(8), MemoKind::Fpt, 100, "memo at block 100 lies past the end of the file"},
        {fpt(9, std::string(64, 'a')), MemoKind::Fpt, 3, "memo at block 3 lies inside the"},
        {fpt(9, be32(1) + std::string(2, '\0')), MemoKind::Fpt, 8, "block 8 runs past the end"},
        {fpt(9, be32(1) + be32(57) + std::string(56, 'a')), MemoKind::Fpt, 8, "runs past the end"},
        {fpt(9, be32(1) + be32(0xFFFFFFFF)), MemoKind::Fpt, 8, "runs past the end"},
        {fpt(3), MemoKind::Fpt, 0, "gives 3 as the next free block", true},
        {fpt(9), MemoKind::Fpt, 0, "gives 9 as the next free block", true},
        {std::string(511, '\0'), MemoKind::Dbt3, 0, "header is shorter than 512 bytes"},
        {std::string(1024, '\0'), MemoKind::Dbt3, 2, "memo at block 2 lies past the end"},
        {dbt4 + le32(9), MemoKind::Dbt4, 1, "runs past the end"},
        {dbt4 + le32(1000) + std::string(600, 'a'), MemoKind::Dbt4, 1, "runs past the end"},
        {dbt4 + le32(4) + "abcd", MemoKind::Dbt4, 1, "length of 4, less than"},
    };
    TempDir dir;
    const std::string path = dir.file("BROKEN.memo");
    for (const Case& c : cases) {
        spit(path, c.bytes);
        const std::string error = errorFrom([&] {
            auto memo = MemoFile::open(path, c.kind, c.writable);
            // A damaged next free block shows on the first write, not on opening.
            if (c.writable)
                memo->write(0, "x");
            else
                memo->read(c.block);
        });
        EXPECT_NE(error.find(path + ": "), std::string::npos) << error;
        EXPECT_NE(error.find(c.problem), std::string::npos) << error;
    }
    EXPECT_NE(errorFrom([&] {
                  MemoFile::open(dir.file("none.fpt"), MemoKind::Fpt, false);
              }).find(dir.file("none.fpt")),
              std::string::npos);
}
