#include "xbase/internal/IndexTag.h"

#include <unordered_set>

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"

namespace xbase {

TagHeader tagHeaderFor(const TagDefinition& definition, std::uint8_t kindOptions,
                       const std::string& path) {
    if (definition.keyLength == 0 || definition.keyLength > kMaxKeyLength)
        throw Error(path + ": key length " + std::to_string(definition.keyLength) +
                    " is out of range (1 to " + std::to_string(kMaxKeyLength) + ")");
    TagHeader header;
    header.keyLength = static_cast<std::uint16_t>(definition.keyLength);
    header.options = static_cast<std::uint8_t>(kindOptions | (definition.unique ? kTagUnique : 0));
    header.descending = definition.descending;
    header.keyExpression = definition.keyExpression;
    header.forExpression = definition.forExpression;
    return header;
}

IndexTag::IndexTag(IndexPages& pages, std::uint32_t headerOffset, std::string name, KeyType keyType)
    : pages_(&pages), headerOffset_(headerOffset), name_(std::move(name)), keyType_(keyType) {
    refresh();
}

IndexTag IndexTag::create(IndexPages& pages, std::uint32_t headerOffset, const TagHeader& header,
                          std::string name, KeyType keyType) {
    TagHeader fresh = header;
    fresh.root = kNoPage;
    pages.writeHeader(headerOffset, encodeTagHeader(fresh));
    const std::uint32_t root = pages.allocatePage();
    IndexNode empty;
    empty.root = true;
    pages.writeNode(root, encodeNode(empty, fresh.keyLength, keyTrailByte(keyType)));
    pages.writeField(headerOffset + kTagRootOffset, root);
    return IndexTag(pages, headerOffset, std::move(name), keyType);
}

void IndexTag::refresh() const {
    if (!pages_->holdsHeader(headerOffset_))
        fail("the tag header offset " + std::to_string(headerOffset_) + " is not inside the file");
    const TagHeaderBytes bytes = pages_->readHeader(headerOffset_);
    try {
        header_ = decodeTagHeader(bytes);
    } catch (const Error& e) {
        fail("tag header at " + std::to_string(headerOffset_) + ": " + e.what());
    }
    generation_ = pages_->generation();
}

const TagHeader& IndexTag::current() const {
    if (generation_ != pages_->generation()) refresh();
    return header_;
}

void IndexTag::fail(const std::string& problem) const {
    if ((header_.options & kTagStructure) != 0) pages_->fail("tag directory: " + problem);
    pages_->fail(name_.empty() ? problem : "tag " + name_ + ": " + problem);
}

NodeCache::Node IndexTag::node(std::uint32_t offset) const {
    NodeCache& cache = pages_->nodeCache();
    if (NodeCache::Node cached = cache.find(offset, keyLength(), trailByte())) return cached;
    if (!pages_->holdsNode(offset))
        fail("index page offset " + std::to_string(offset) + " is not a page inside the file");
    IndexPage page;
    pages_->readNode(offset, page);
    auto decoded = std::make_shared<DecodedNode>();
    try {
        decodeNode(page, keyLength(), trailByte(), *decoded);
    } catch (const Error& e) {
        fail("index page " + std::to_string(offset) + ": " + e.what());
    }
    cache.put(offset, decoded, trailByte());
    return decoded;
}

IndexNode IndexTag::readNode(std::uint32_t offset) const {
    return expandNode(*node(offset));
}

void IndexTag::writeNode(std::uint32_t offset, DecodedNode node, const IndexPage& page) {
    pages_->writeNode(offset, page);
    pages_->nodeCache().put(offset, std::make_shared<const DecodedNode>(std::move(node)),
                            trailByte());
}

void IndexTag::setRoot(std::uint32_t offset) {
    header_.root = offset;
    pages_->writeField(headerOffset_ + kTagRootOffset, offset);
}

void IndexTag::countChange() {
    // The counter of the file's first header counts the changes of the whole file; it is
    // raised last, once everything else has been written.
    if (headerOffset_ != 0) {
        ++header_.changes;
        pages_->writeField(headerOffset_ + kTagChangesOffset, header_.changes);
    }
    const std::uint32_t fileChanges = pages_->countChange();
    if (headerOffset_ == 0) header_.changes = fileChanges;
}

void IndexTag::checkKeyLength(std::string_view key) const {
    if (key.size() > keyLength())
        fail("a key of " + std::to_string(key.size()) + " bytes is longer than the key length " +
             std::to_string(keyLength()));
}

std::string IndexTag::fullKey(std::string_view key) const {
    checkKeyLength(key);
    std::string full(key);
    full.resize(keyLength(), trailByte());
    return full;
}

std::uint64_t IndexTag::keyCount() const {
    IndexNode node = readNode(root());
    for (int depth = 0; !node.leaf; ++depth) {
        if (node.entries.empty() || depth == kMaxTreeDepth)
            fail("the tree has an empty interior page or is too deep");
        node = readNode(node.entries.front().child);
    }
    std::uint64_t count = node.entries.size();
    for (std::uint64_t steps = 0; node.right != kNoPage; ++steps) {
        if (steps > pageCount()) fail("the leaf sibling links loop");
        node = readNode(node.right);
        if (!node.leaf) fail("a leaf's right sibling is not a leaf");
        count += node.entries.size();
    }
    return count;
}

std::vector<std::uint32_t> IndexTag::treePages() const {
    std::vector<std::uint32_t> found;
    std::vector<std::uint32_t> pending{root()};
    std::unordered_set<std::uint32_t> seen;
    IndexPage page;
    while (!pending.empty()) {
        const std::uint32_t offset = pending.back();
        pending.pop_back();
        if (!seen.insert(offset).second)
            fail("index page " + std::to_string(offset) + " appears twice in the tree");
        if (!pages_->holdsNode(offset))
            fail("index page offset " + std::to_string(offset) + " is not a page inside the file");
        found.push_back(offset);
        // A leaf names no pages: its attributes tell it, without decoding its entries.
        pages_->readNode(offset, page);
        if ((loadLe16(page.data()) & kNodeLeaf) != 0) continue;
        for (std::uint32_t child : node(offset)->children) pending.push_back(child);
    }
    return found;
}

std::uint32_t IndexTag::root() const {
    // Putting held-back entries in changes the pages, not the entries the tag stands for.
    if (pending_) const_cast<IndexTag*>(this)->putPending();
    return current().root;
}

void IndexTag::releasePages() {
    pending_.reset();
    for (std::uint32_t offset : treePages()) pages_->releasePage(offset);
}

}  // namespace xbase
