// Crash safety of a table: the header's incomplete mark around runs of changes, and what an
// open does with a table that a writer left marked.
#include "xbase/Error.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/DbfHeader.h"
#include "xbase/internal/IdxFile.h"
#include "xbase/internal/IndexTag.h"
#include "xbase/internal/MemoFile.h"
#include "xbase/internal/PackJournal.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

// ---- The mark around runs of changes ---------------------------------------------------------

bool TableImpl::indexInSync() const {
    return cdx_ || !(tableFlags_ & dbf::kFlagStructuralIndex);
}

void TableImpl::writeIncompleteMark(bool on) {
    const char byte = on ? 1 : 0;
    dbf_.writeAt(dbf::kIncompleteOffset, &byte, 1);
    // The mark must be on the disk before any change that the index may miss.
    if (on) dbf_.sync();
}

void TableImpl::requireFilesInPlace() {
    try {
        dbf_.requireStillAtPath();
        if (memo_) memo_->requireStillAtPath();
        if (cdx_) cdx_->requireStillAtPath();
    } catch (const Error&) {
        filesReplaced_ = true;
        throw;
    }
}

void TableImpl::beginChanges() {
    if (changing_) return;
    if (mode_ == OpenMode::Shared) dbf_.lockWriters();
    const bool marks = tableFlags_ & dbf::kFlagStructuralIndex;
    try {
        // Among shared opens the files are looked at under the writers' lock, once per run.
        requireFilesInPlace();
        if (marks) writeIncompleteMark(true);
    } catch (...) {
        // Nothing may be changed before the mark is on the disk: the run has not begun.
        if (mode_ == OpenMode::Shared) dbf_.unlockWriters();
        throw;
    }
    if (marks) {
        markWritten_ = true;
        // Under the mark, an exclusive open writes each changed index page once per run.
        if (mode_ == OpenMode::Exclusive && cdx_) cdx_->holdWrites(true);
    }
    changing_ = true;
}

void TableImpl::endChanges() {
    if (!changing_) return;
    if (memo_) memo_->sync();
    if (cdx_) {
        cdx_->holdWrites(false);
        cdx_->sync();
    }
    dbf_.sync();
    // Among shared opens, the last one to finish its changes clears the mark.
    const bool last = mode_ != OpenMode::Shared || dbf_.tryLockWritersAlone();
    if (markWritten_ && last && !keepMark_ && indexInSync()) writeIncompleteMark(false);
    if (mode_ == OpenMode::Shared) dbf_.unlockWriters();
    changing_ = markWritten_ = false;
}

// ---- At open ---------------------------------------------------------------------------------

void TableImpl::settleIncompleteMark(bool alone, bool openIndexes, const ProgressFn& progress) {
    if (!incomplete_) return;
    const std::string cdxPath = companionPath(path_, "cdx");
    const bool hasIndex = (tableFlags_ & dbf::kFlagStructuralIndex) && fileExists(cdxPath);
    if (mode_ == OpenMode::ReadOnly || vfpMemo_) {
        indexStale_ = hasIndex;  // this open may not repair it
        return;
    }
    if (!alone || !openIndexes) {
        // Another open is at work on the table, or the opener deals with the index itself.
        keepMark_ = true;
        return;
    }
    if (hasIndex) {
        std::vector<TagDefinition> tags;
        try {
            CdxFile old = CdxFile::open(cdxPath, false);
            tags = tagDefinitions(old);
        } catch (const IndexError&) {
            throw;
        } catch (const Error& e) {
            throw IndexError(e.what());
        }
        const std::string scratch = scratchPath(path_, "cdx");
        try {
            writeStructuralIndex(scratch, tags, progress);
        } catch (...) {
            removeFile(scratch);
            throw;
        }
        renameFile(scratch, cdxPath);
        syncFolderOf(cdxPath);
        rebuiltAtOpen_ = true;
    }
    writeIncompleteMark(false);
    incomplete_ = false;
}

std::vector<TagDefinition> TableImpl::tagDefinitions(CdxFile& cdx) const {
    std::vector<TagDefinition> tags;
    for (std::size_t i = 0; i < cdx.tagCount(); ++i) {
        IndexTag& tag = cdx.tag(i);
        const Order o = makeOrder(tag);
        TagDefinition def;
        def.name = tag.name();
        def.keyExpression = tag.keyExpression();
        def.forExpression = tag.forExpression();
        def.keyType = o.type;
        def.keyLength = o.keyLength;
        def.unique = tag.unique();
        def.descending = tag.descending();
        tags.push_back(std::move(def));
    }
    return tags;
}

void TableImpl::writeStructuralIndex(const std::string& path,
                                     const std::vector<TagDefinition>& tags,
                                     const ProgressFn& progress) {
    CdxFile cdx = CdxFile::create(path);
    const std::uint32_t here = recno_;
    std::vector<Order> orders(tags.size());
    std::vector<const Order*> planned;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const TagDefinition& def = tags[i];
        Order& o = orders[i];
        o.key = compile(def.keyExpression);
        if (!def.forExpression.empty()) o.condition = compile(def.forExpression);
        o.type = def.keyType;
        o.keyLength = def.keyLength;
        planned.push_back(&o);
    }
    buildInTurn(planned, [&](std::size_t i, const PreparedKeys* prepared) {
        BuildProgress overall;
        if (progress)
            overall = [&progress, i, n = tags.size()](int percent) {
                return progress(
                    static_cast<int>((i * 100 + static_cast<std::size_t>(percent)) / n));
            };
        const bool built = cdx.addTag(tags[i], [&](IndexTag& t) {
            return fillTag(t, orders[i], prepared, overall);
        }) != nullptr;
        load(here);
        if (!built) throw Error("Rebuilding the indexes of " + path_ + " was stopped");
    });
    cdx.sync();
}

}  // namespace xbase
