// What xbase/Table.h brings into the files that include it: the engine's public headers, and
// none of its internal ones (xbase/internal/), where the table's implementation lies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

// The source tree this test was built from (the side files' sources are its share/sidefiles).
std::filesystem::path sourceRoot() {
    return std::filesystem::path(SIDEFILE_SOURCE_DIR).parent_path().parent_path();
}

// The project headers named on the #include "..." lines of a file.
std::vector<std::string> projectIncludes(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> names;
    const std::string directive = "#include \"";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(directive, 0) != 0) continue;
        const std::size_t end = line.find('"', directive.size());
        if (end != std::string::npos)
            names.push_back(line.substr(directive.size(), end - directive.size()));
    }
    return names;
}

// Every project header that including `header` reads, itself included.
std::set<std::string> headersReached(const std::filesystem::path& root, const std::string& header) {
    std::set<std::string> reached;
    std::vector<std::string> pending{header};
    while (!pending.empty()) {
        const std::string name = pending.back();
        pending.pop_back();
        if (!reached.insert(name).second) continue;
        for (std::string& next : projectIncludes(root / name)) pending.push_back(std::move(next));
    }
    return reached;
}

}  // namespace

TEST(TableHeader, IncludesOnlyPublicHeaders) {
    const std::filesystem::path root = sourceRoot();
    ASSERT_TRUE(std::filesystem::exists(root / "xbase/Table.h")) << root;
    const std::set<std::string> reached = headersReached(root, "xbase/Table.h");
    // The scan follows the includes: the headers of the public signatures are there.
    for (const char* used : {"xbase/Engine.h", "xbase/Expression.h", "xbase/Field.h",
                             "xbase/RecordSource.h", "xbase/Settings.h"})
        EXPECT_TRUE(reached.count(used)) << used;
    for (const std::string& header : reached)
        EXPECT_EQ(header.rfind("xbase/internal/", 0), std::string::npos)
            << "xbase/Table.h reaches " << header;
}

TEST(TableHeader, TheScanSeesIncludesThroughOtherHeaders) {
    // CdxFile.h names IndexTag.h, which names CdxNode.h: a header two steps away is found.
    const std::filesystem::path root = sourceRoot();
    ASSERT_TRUE(std::filesystem::exists(root / "xbase/internal/CdxFile.h")) << root;
    const std::set<std::string> reached = headersReached(root, "xbase/internal/CdxFile.h");
    EXPECT_TRUE(reached.count("xbase/internal/IndexTag.h"));
    EXPECT_TRUE(reached.count("xbase/internal/CdxNode.h"));
    EXPECT_TRUE(reached.count("xbase/internal/File.h"));
}
