#pragma once
// A compound index file (CDX): many tags in one file, found through the tag directory, itself
// an index at the start of the file whose keys are the tag names (upper case, blank-padded to
// 10 bytes) and whose record numbers are the offsets of the tags' headers. Tags are listed in
// the order they were created, which is the order of their header offsets.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/internal/IndexPages.h"
#include "xbase/internal/IndexTag.h"

namespace xbase {

class CdxFile {
  public:
    // Creates a compound index with no tags, overwriting any file of that name.
    static CdxFile create(const std::string& path);
    // Opens a compound index and reads its tag directory and tag headers. Throws Error naming
    // the file when it is not a compound index or a header is damaged. Every tag starts with
    // character keys; the opener sets each tag's key type from its expression.
    static CdxFile open(const std::string& path, bool writable);

    const std::string& path() const { return pages_->path(); }
    // Throws Error when the path no longer names this open file (see File::requireStillAtPath).
    void requireStillAtPath() const { pages_->requireStillAtPath(); }

    // Tags in creation order.
    std::size_t tagCount() const { return tags_.size(); }
    IndexTag& tag(std::size_t index) { return *tags_.at(index); }
    const IndexTag& tag(std::size_t index) const { return *tags_.at(index); }
    // The tag of that name in any letter case; nullptr when there is none.
    IndexTag* findTag(std::string_view name);

    // Adds a tag and builds it from source (see IndexTag::build); it becomes the last tag.
    // Returns nullptr, leaving the file's tags as they were, when progress stopped the build.
    // Throws Error for a name that is not 1 to 10 letters, digits and underscores starting
    // with a letter or underscore, or that is taken.
    IndexTag* addTag(const TagDefinition& definition, const KeySource& source,
                     std::uint64_t expectedKeys, const BuildProgress& progress = {});
    // The same with the tree written by build (IndexTag::build or IndexTag::buildFrom), which
    // returns false when progress stopped it.
    IndexTag* addTag(const TagDefinition& definition,
                     const std::function<bool(IndexTag& tag)>& build);
    // Removes a tag from the directory and puts its pages on the free list. Throws Error when
    // there is no such tag.
    void dropTag(std::string_view name);

    // Both put the entries the tags hold back in first (see IndexTag::insertNew).
    void sync();
    // See IndexPages::holdWrites.
    void holdWrites(bool on);

    // Catches up with changes that other opens made to the file (see IndexPages::catchUp): the
    // tag list is read again, the tags still listed keeping their objects, so that only
    // dropped tags' objects go. Returns whether the file changed since the last refresh.
    bool refresh();
    // How many times refresh() has found the file changed by another open.
    std::uint64_t generation() const { return generation_; }
    // See IndexPages::lockChanges.
    void lockChanges(bool exclusive = true) { pages_->lockChanges(exclusive); }
    void unlockChanges() { pages_->unlockChanges(); }

  private:
    explicit CdxFile(File file);
    void loadTags();
    void putPending();

    std::unique_ptr<IndexPages> pages_;
    std::unique_ptr<IndexTag> directory_;
    std::vector<std::unique_ptr<IndexTag>> tags_;
    std::uint64_t generation_ = 0;  // the pages' generation when the tag list was read
};

}  // namespace xbase
