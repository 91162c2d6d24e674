// A tag built again lets the pages of its old tree go, so that the next build takes them: also
// when an old leaf is damaged, since a leaf names no pages and is not read for the list.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CdxTestSupport.h"
#include "support/TempDir.h"
#include "xbase/internal/CdxFile.h"

using namespace xbase;

namespace {

IndexEntries keysOf(std::size_t count) {
    IndexEntries entries;
    for (std::size_t i = 0; i < count; ++i)
        entries.emplace_back(encodeCharacterKey(std::to_string(100000 + i * 7), 12),
                             static_cast<std::uint32_t>(i + 1));
    return entries;
}

TEST(RebuiltTreePages, TheOldTreesPagesAreTakenAgainEvenWithADamagedLeaf) {
    const IndexEntries keys = keysOf(3000);
    for (const bool damage : {false, true}) {
        SCOPED_TRACE(damage ? "a damaged leaf" : "a sound tree");
        TempDir dir;
        const std::string path = dir.file("T.cdx");
        std::uint32_t leaf = 0;
        {
            CdxFile cdx = CdxFile::create(path);
            const IndexTag& tag =
                *cdx.addTag(tagDefinition("K", KeyType::Character, 12), sourceOf(keys), 0);
            IndexNode node = tag.readNode(tag.root());
            ASSERT_FALSE(node.leaf);
            while (!node.leaf) {
                leaf = node.entries.front().child;
                node = tag.readNode(leaf);
            }
        }
        if (damage) patchFile(path, leaf + 2, "\xFF\xFF");  // its key count
        const auto rebuild = [&] {
            CdxFile cdx = CdxFile::open(path, true);
            ASSERT_TRUE(cdx.tag(0).build(sourceOf(keys), keys.size(), {}));
        };
        rebuild();
        const auto afterFirst = std::filesystem::file_size(path);
        // The second build writes into the pages the first one let go.
        rebuild();
        EXPECT_EQ(std::filesystem::file_size(path), afterFirst);
        CdxFile cdx = CdxFile::open(path, false);
        cdx.tag(0).verify();
    }
}

}  // namespace
