#include "xbase/internal/CdxFile.h"

#include <algorithm>

#include "xbase/Ascii.h"
#include "xbase/Error.h"
#include "xbase/internal/IndexCursor.h"

namespace xbase {

namespace {

constexpr std::size_t kTagNameLength = 10;
constexpr std::uint8_t kDirectoryOptions = kTagCompact | kTagCompound | kTagStructure;
constexpr std::uint8_t kTagOptions = kTagCompact | kTagCompound;

bool validTagName(std::string_view name) {
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return !name.empty() && name.size() <= kTagNameLength && letter(name.front()) &&
           std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || digit(c); });
}

std::string directoryKey(std::string_view name) {
    return encodeCharacterKey(upperAscii(name), kTagNameLength);
}

}  // namespace

CdxFile::CdxFile(File file) : pages_(std::make_unique<IndexPages>(std::move(file))) {}

CdxFile CdxFile::create(const std::string& path) {
    CdxFile cdx(File::create(path));
    TagHeader header;
    header.keyLength = kTagNameLength;
    header.options = kDirectoryOptions;
    cdx.directory_ = std::make_unique<IndexTag>(
        IndexTag::create(*cdx.pages_, 0, header, std::string(), KeyType::Character));
    return cdx;
}

CdxFile CdxFile::open(const std::string& path, bool writable) {
    CdxFile cdx(File::open(path, writable));
    if (cdx.pages_->pageCount() * kIndexPageSize < kTagHeaderSize)
        cdx.pages_->fail("too short for a compound index");
    cdx.directory_ = std::make_unique<IndexTag>(*cdx.pages_, 0);
    const TagHeader& header = cdx.directory_->header();
    if ((header.options & kTagCompound) == 0 || header.keyLength != kTagNameLength)
        cdx.pages_->fail("not a compound index: the file has no tag directory");
    cdx.loadTags();
    return cdx;
}

void CdxFile::loadTags() {
    std::vector<std::unique_ptr<IndexTag>> tags;
    IndexCursor cursor(*directory_);
    for (bool on = cursor.first(); on; on = cursor.next()) {
        std::string name(trimRight(cursor.key()));
        const std::uint32_t offset = cursor.recno();
        auto kept = std::find_if(tags_.begin(), tags_.end(), [&](const auto& tag) {
            return tag && tag->headerOffset() == offset && tag->name() == name;
        });
        tags.push_back(kept != tags_.end()
                           ? std::move(*kept)
                           : std::make_unique<IndexTag>(*pages_, offset, std::move(name)));
    }
    std::stable_sort(tags.begin(), tags.end(), [](const auto& a, const auto& b) {
        return a->headerOffset() < b->headerOffset();
    });
    tags_ = std::move(tags);
    generation_ = pages_->generation();
}

bool CdxFile::refresh() {
    pages_->catchUp();
    if (generation_ == pages_->generation()) return false;
    loadTags();
    return true;
}

IndexTag* CdxFile::findTag(std::string_view name) {
    for (auto& tag : tags_)
        if (equalsNoCase(tag->name(), name)) return tag.get();
    return nullptr;
}

IndexTag* CdxFile::addTag(const TagDefinition& definition, const KeySource& source,
                          std::uint64_t expectedKeys, const BuildProgress& progress) {
    return addTag(definition,
                  [&](IndexTag& tag) { return tag.build(source, expectedKeys, progress); });
}

IndexTag* CdxFile::addTag(const TagDefinition& definition,
                          const std::function<bool(IndexTag& tag)>& build) {
    if (!validTagName(definition.name))
        pages_->fail("\"" + definition.name + "\" is not a valid tag name");
    if (findTag(definition.name) != nullptr)
        pages_->fail("there is already a tag " + upperAscii(definition.name));
    const TagHeader header = tagHeaderFor(definition, kTagOptions, path());
    const std::uint32_t offset = pages_->allocateHeader();
    auto tag = std::make_unique<IndexTag>(
        IndexTag::create(*pages_, offset, header, upperAscii(definition.name), definition.keyType));
    if (!build(*tag)) {
        tag->releasePages();
        pages_->releasePage(offset);
        pages_->releasePage(offset + kIndexPageSize);
        return nullptr;
    }
    directory_->insert(directoryKey(definition.name), offset);
    tags_.push_back(std::move(tag));
    return tags_.back().get();
}

void CdxFile::dropTag(std::string_view name) {
    auto it = std::find_if(tags_.begin(), tags_.end(),
                           [&](const auto& tag) { return equalsNoCase(tag->name(), name); });
    if (it == tags_.end()) pages_->fail("there is no tag " + upperAscii(name));
    IndexTag& tag = **it;
    // The directory entry is found by its header offset, so that its key is removed exactly as
    // stored, whatever its letter case or padding.
    IndexCursor entry(*directory_);
    bool found = entry.first();
    while (found && entry.recno() != tag.headerOffset()) found = entry.next();
    if (!found || !directory_->remove(entry.key(), entry.recno()))
        pages_->fail("tag " + tag.name() + " is missing from the tag directory");
    try {
        tag.releasePages();
    } catch (const Error&) {
        // A damaged tree cannot be walked; its pages stay where they are, unused.
    }
    pages_->releasePage(tag.headerOffset());
    pages_->releasePage(tag.headerOffset() + kIndexPageSize);
    tags_.erase(it);
}

void CdxFile::putPending() {
    for (auto& tag : tags_) tag->putPending();
}

void CdxFile::sync() {
    putPending();
    pages_->sync();
}

void CdxFile::holdWrites(bool on) {
    if (!on) putPending();
    pages_->holdWrites(on);
}

}  // namespace xbase
