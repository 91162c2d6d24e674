// Pages written while an index file holds its writes: a long run of neighbouring pages, which
// goes out in pieces, and pages apart from it reach the file each with its own bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "xbase/internal/CdxHeader.h"
#include "xbase/internal/CdxNode.h"
#include "xbase/internal/File.h"
#include "xbase/internal/IndexPages.h"

using namespace xbase;

namespace {

// A page whose bytes tell which page it is.
IndexPage pageNumbered(std::uint32_t n) {
    IndexPage page;
    for (std::size_t i = 0; i < page.size(); ++i)
        page[i] = static_cast<std::uint8_t>((n * 7 + i) % 251);
    return page;
}

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(HeldPages, ALongRunAndPagesApartReachTheFileEachWithItsBytes) {
    TempDir dir;
    const std::string path = dir.file("HELD.CDX");
    const std::uint32_t run = 3000;  // about 1.5 MB of neighbouring pages
    std::vector<std::uint32_t> offsets;
    {
        IndexPages pages(File::create(path));
        pages.writeHeader(0, TagHeaderBytes{});
        pages.holdWrites(true);
        for (std::uint32_t n = 0; n < run + 4; ++n) offsets.push_back(pages.allocatePage());
        // The last page is apart from the run: the three before it are not written.
        offsets.erase(offsets.begin() + run, offsets.end() - 1);
        for (std::uint32_t n = 0; n <= run; ++n) pages.writeNode(offsets[n], pageNumbered(n));
        IndexPage readBack;
        pages.readNode(offsets[run / 2], readBack);
        EXPECT_EQ(readBack, pageNumbered(run / 2));
        pages.holdWrites(false);
    }
    const std::vector<std::uint8_t> bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), std::size_t{offsets.back()} + kIndexPageSize);
    for (std::uint32_t n = 0; n < offsets.size(); ++n) {
        const IndexPage expected = pageNumbered(n);
        ASSERT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + offsets[n]))
            << "page " << n << " at " << offsets[n];
    }
    for (std::uint32_t gap = offsets[run - 1] + kIndexPageSize; gap < offsets.back(); ++gap)
        ASSERT_EQ(bytes[gap], 0) << gap;
}
