// The whole-tree check behind IndexTag::verify.
#include <unordered_set>

#include "xbase/internal/IndexTag.h"

namespace xbase {

namespace {

struct LevelNode {
    std::uint32_t offset;
    std::uint32_t left;
    std::uint32_t right;
};

bool ascending(const NodeEntry& a, const NodeEntry& b) {
    return compareIndexEntries(a.key, a.recno, b.key, b.recno) < 0;
}

}  // namespace

void IndexTag::verify() const {
    std::vector<std::vector<LevelNode>> levels;
    std::unordered_set<std::uint32_t> visited;
    std::size_t leafDepth = 0;
    bool seenLeaf = false;
    NodeEntry previous;
    bool havePrevious = false;

    // Checks the subtree at offset and returns its greatest entry.
    auto visit = [&](auto& self, std::uint32_t offset, std::size_t depth) -> NodeEntry {
        const std::string where = "index page " + std::to_string(offset);
        if (depth > static_cast<std::size_t>(kMaxTreeDepth)) fail("the index tree is too deep");
        if (!visited.insert(offset).second) fail(where + " is reached twice");
        const IndexNode node = readNode(offset);
        if (node.root != (depth == 0)) fail(where + " has a wrong root mark");
        if (levels.size() <= depth) levels.resize(depth + 1);
        levels[depth].push_back(LevelNode{offset, node.left, node.right});
        if (node.entries.empty() && !(depth == 0 && node.leaf)) fail(where + " is empty");
        for (std::size_t i = 1; i < node.entries.size(); ++i)
            if (!ascending(node.entries[i - 1], node.entries[i]))
                fail(where + " has entries out of order");
        if (node.leaf) {
            if (seenLeaf && leafDepth != depth) fail(where + " is a leaf at another depth");
            seenLeaf = true;
            leafDepth = depth;
            if (node.entries.empty()) return NodeEntry{};
            if (havePrevious && !ascending(previous, node.entries.front()))
                fail(where + " does not follow the leaf before it in order");
            previous = node.entries.back();
            havePrevious = true;
            return previous;
        }
        for (const NodeEntry& e : node.entries) {
            const NodeEntry greatest = self(self, e.child, depth + 1);
            if (greatest.key != e.key || greatest.recno != e.recno)
                fail(where + ": the entry for page " + std::to_string(e.child) +
                     " is not the greatest entry below it");
        }
        return node.entries.back();
    };
    visit(visit, root(), 0);

    for (std::size_t depth = 0; depth < levels.size(); ++depth) {
        const std::vector<LevelNode>& level = levels[depth];
        for (std::size_t i = 0; i < level.size(); ++i) {
            const std::uint32_t left = i > 0 ? level[i - 1].offset : kNoPage;
            const std::uint32_t right = i + 1 < level.size() ? level[i + 1].offset : kNoPage;
            if (level[i].left != left || level[i].right != right)
                fail("index page " + std::to_string(level[i].offset) +
                     " has sibling links that do not match its level");
        }
    }
}

}  // namespace xbase
