// Crash safety of a table: the header's incomplete mark around runs of changes, and what an
// open does with a table that a writer left marked.
#include <algorithm>
#include <iterator>

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/DbfHeader.h"
#include "xbase/internal/IdxFile.h"
#include "xbase/internal/IndexTag.h"
#include "xbase/internal/MemoFile.h"
#include "xbase/internal/PackJournal.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

namespace {

// The header's bytes from the mark to the writers' bits, read and written under the header lock.
constexpr std::size_t kMarkBytes = dbf::kWritersOffset + dbf::kWritersSize - dbf::kIncompleteOffset;

std::uint64_t writersIn(const char* markBytes) {
    return loadLe64(markBytes + dbf::kWritersOffset - dbf::kIncompleteOffset);
}

void setWritersIn(char* markBytes, std::uint64_t writers) {
    storeLe64(markBytes + dbf::kWritersOffset - dbf::kIncompleteOffset, writers);
}

// The last bit says that a writer ended without finishing its run; it keeps the mark until the
// repair without keeping a slot.
constexpr std::uint64_t kUnfinished = std::uint64_t{1} << 63;
static_assert(LockScheme::kWriterSlots < 64);

std::uint64_t slotBit(unsigned n) {
    return std::uint64_t{1} << n;
}

}  // namespace

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
    requireFilesInPlace();
    if (tableFlags_ & dbf::kFlagStructuralIndex) {
        // Nothing may be changed before the mark is on the disk.
        if (mode_ == OpenMode::Shared)
            joinWriters();
        else
            writeIncompleteMark(true);
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
    const bool finished = !keepMark_ && indexInSync();
    if (writerSlot_ >= 0)
        leaveWriters(finished);
    else if (markWritten_ && finished)
        writeIncompleteMark(false);
    changing_ = markWritten_ = false;
}

void TableImpl::joinWriters() {
    const ByteRange header = lockHeader();
    int slot = -1;
    try {
        char bytes[kMarkBytes];
        dbf_.readExact(dbf::kIncompleteOffset, bytes, sizeof bytes, "the header");
        std::uint64_t writers = writersIn(bytes);
        // The bits of writers that ended without finishing, their slots free, give their slots
        // back to the unfinished bit.
        for (unsigned n = 0; n < LockScheme::kWriterSlots; ++n)
            if ((writers & slotBit(n)) && !dbf_.bytesLockedByOther(LockScheme::writerSlot(n)))
                writers = (writers & ~slotBit(n)) | kUnfinished;
        // A clear bit whose byte is still held belongs to a writer letting go of it.
        for (unsigned n = 0; n < LockScheme::kWriterSlots && slot < 0; ++n)
            if (!(writers & slotBit(n)) && dbf_.tryLockBytes(LockScheme::writerSlot(n), true))
                slot = static_cast<int>(n);
        if (slot < 0) throw LockedError(path_ + " is being changed by too many programs at once");
        setWritersIn(bytes, writers | slotBit(static_cast<unsigned>(slot)));
        bytes[0] = 1;
        dbf_.writeAt(dbf::kIncompleteOffset, bytes, sizeof bytes);
    } catch (...) {
        if (slot >= 0) dbf_.unlockBytes(LockScheme::writerSlot(static_cast<unsigned>(slot)));
        dbf_.unlockBytes(header);
        throw;
    }
    dbf_.unlockBytes(header);
    writerSlot_ = slot;
    try {
        dbf_.sync();
    } catch (...) {
        leaveWriters(true);  // nothing was changed under the mark
        throw;
    }
}

void TableImpl::leaveWriters(bool finished) {
    const ByteRange slot = LockScheme::writerSlot(static_cast<unsigned>(writerSlot_));
    const std::uint64_t bit = slotBit(static_cast<unsigned>(writerSlot_));
    writerSlot_ = -1;
    const ByteRange header = lockHeader();
    try {
        char bytes[kMarkBytes];
        dbf_.readExact(dbf::kIncompleteOffset, bytes, sizeof bytes, "the header");
        // A writer whose changes the index may have missed leaves the mark as a killed one
        // does, until an open that has the table alone repairs it.
        const std::uint64_t writers = (writersIn(bytes) & ~bit) | (finished ? 0 : kUnfinished);
        setWritersIn(bytes, writers);
        if (writers == 0) bytes[0] = 0;  // the last writer done clears the mark
        dbf_.writeAt(dbf::kIncompleteOffset, bytes, sizeof bytes);
    } catch (...) {
        dbf_.unlockBytes(header);
        dbf_.unlockBytes(slot);
        throw;
    }
    dbf_.unlockBytes(header);
    dbf_.unlockBytes(slot);
}

bool TableImpl::writerLeftMark() {
    const ByteRange header = lockHeader(false);
    char bytes[kMarkBytes];
    try {
        dbf_.readExact(dbf::kIncompleteOffset, bytes, sizeof bytes, "the header");
    } catch (...) {
        dbf_.unlockBytes(header);
        throw;
    }
    dbf_.unlockBytes(header);
    if (bytes[0] == 0) return false;  // the writers at work have finished since the open looked
    const std::uint64_t writers = writersIn(bytes);
    // No bits: left by an exclusive open or another program.
    if (writers == 0 || (writers & kUnfinished)) return true;
    for (unsigned n = 0; n < LockScheme::kWriterSlots; ++n)
        if ((writers & slotBit(n)) && !dbf_.bytesLockedByOther(LockScheme::writerSlot(n)))
            return true;
    return false;
}

// ---- At open ---------------------------------------------------------------------------------

void TableImpl::settleIncompleteMark(bool alone, bool openIndexes, const ProgressFn& progress) {
    if (!incomplete_) return;
    const std::string cdxPath = companionPath(path_, "cdx");
    const bool hasIndex = (tableFlags_ & dbf::kFlagStructuralIndex) && fileExists(cdxPath);
    if (mode_ == OpenMode::ReadOnly || vfpMemo_ || !alone) {
        // This open may not repair the table. A mark that writers at work hold is theirs to
        // clear; one that a writer left without finishing says the index may miss its changes:
        // the open reads in record order until an open that has the table alone repairs it.
        indexStale_ = hasIndex && writerLeftMark();
        return;
    }
    if (!openIndexes) {
        // The opener deals with the index itself.
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
    // The open has the table alone: no writer is at work, and the bits of those that did not
    // finish go with the mark.
    char writers[dbf::kWritersSize];
    dbf_.readExact(dbf::kWritersOffset, writers, sizeof writers, "the header");
    if (loadLe64(writers) != 0) {
        std::fill(std::begin(writers), std::end(writers), '\0');
        dbf_.writeAt(dbf::kWritersOffset, writers, sizeof writers);
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
