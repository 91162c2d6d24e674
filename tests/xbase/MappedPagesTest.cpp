// The pages of a mapped file that reads bring in stay with the process only up to the
// mapping's budget, in any order of reading: the system maps the cached neighbours of each page
// it reads in as well, and those count too.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "xbase/internal/File.h"

using namespace xbase;

namespace {

// The pages of mapped files this process holds, in KB.
long mappedFileKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("RssFile:", 0) == 0) return std::stol(line.substr(8));
    return 0;
}

TEST(MappedPages, AWalkThatJumpsHoldsNoMoreThanTheBudget) {
    TempDir dir;
    const std::string path = dir.path() + "/big.dat";
    constexpr std::uint64_t kBlocks = (std::uint64_t{48} << 20) / FileMap::kBlock;
    {
        // Written through, so that the whole file is in the system's cache.
        std::ofstream out(path, std::ios::binary);
        const std::vector<char> block(FileMap::kBlock, 'x');
        for (std::uint64_t i = 0; i < kBlocks; ++i)
            out.write(block.data(), std::streamsize(block.size()));
    }
    File file = File::open(path, false);
    FileMap map = file.mapForReading(file.size());
    const long before = mappedFileKb();
    long most = 0;
    // One byte of each block, in an order that jumps about the file (as records read in an
    // index's order do): every block once.
    for (std::uint64_t i = 0; i < kBlocks; ++i) {
        char byte = 0;
        map.copy(((i * 389) % kBlocks) * FileMap::kBlock + 100, &byte, 1);
        ASSERT_EQ(byte, 'x');
        most = std::max(most, mappedFileKb() - before);
    }
    // The system may map a little more around a page than a block (the file's cached pages come
    // in runs that need not end at a block's edge): up to twice the budget.
    EXPECT_LE(most, 2 * long(FileMap::kReleaseBytes / 1024));
}

}  // namespace
