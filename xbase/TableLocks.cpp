// Record locks and the header lock of appends, where the FoxPro family puts them.
#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

namespace {

constexpr auto kHeaderLockRetry = std::chrono::milliseconds(2);

}  // namespace

LockScheme TableImpl::lockScheme() const {
    return LockScheme((tableFlags_ & dbf::kFlagStructuralIndex) != 0, headerLength_, recordLength_);
}

ByteRange TableImpl::lockHeader(bool exclusive) {
    const ByteRange header = lockScheme().header();
    const auto giveUp = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(engine_.settings.lockWaitMilliseconds);
    // Other programs hold it for a moment around each change of the header; one that holds it
    // for long is at work on the file as a whole.
    while (!dbf_.tryLockBytes(header, exclusive)) {
        if (std::chrono::steady_clock::now() >= giveUp)
            throw LockedError("The header of " + path_ + " is locked by another program or user");
        std::this_thread::sleep_for(kHeaderLockRetry);
    }
    return header;
}

void TableImpl::changeUnderHeaderLock(const std::function<void()>& change, bool counted) {
    const ByteRange header = lockHeader();
    headerHeld_ = true;
    try {
        const bool quiet = readChangeMarks() == seenMarks_;
        change();
        if (counted) {
            char bytes[dbf::kChangeCountSize];
            dbf_.readExact(dbf::kChangeCountOffset, bytes, sizeof bytes, "the header");
            storeLe32(bytes, loadLe32(bytes) + 1);
            dbf_.writeAt(dbf::kChangeCountOffset, bytes, sizeof bytes);
        }
        if (quiet) seenMarks_ = readChangeMarks();
    } catch (...) {
        headerHeld_ = false;
        dbf_.unlockBytes(header);
        throw;
    }
    headerHeld_ = false;
    dbf_.unlockBytes(header);
}

std::string TableImpl::changeMarks(const char* header) {
    return std::string(header + dbf::kDateOffset, dbf::kDateSize + dbf::kRecordCountSize) +
           std::string(header + dbf::kChangeCountOffset, dbf::kChangeCountSize);
}

std::string TableImpl::readChangeMarks() const {
    // Read with a call, not through the mapping: over NFS what a lock makes coherent is what
    // the next read brings.
    char header[dbf::kChangeCountOffset + dbf::kChangeCountSize];
    dbf_.readExact(0, header, sizeof header, "the header");
    return changeMarks(header);
}

std::uint64_t TableImpl::indexGeneration() const {
    return cdx_ ? cdx_->generation() : 0;
}

bool TableImpl::othersChanged() {
    if (!isOpen()) throw Error(path_ + " is not open");
    if (mode_ == OpenMode::Exclusive) return false;  // nobody else can change the files
    const ByteRange header = lockHeader(false);
    std::string marks;
    try {
        marks = readChangeMarks();
    } catch (...) {
        dbf_.unlockBytes(header);
        throw;
    }
    dbf_.unlockBytes(header);
    bool changed = marks != seenMarks_;
    seenMarks_ = marks;
    if (changed) {
        // The current record stays as shown until the table moves.
        if (!editing_ && current_ != blank_.data()) {
            shown_.assign(current_, recordLength_);
            current_ = shown_.data();
        }
        cacheCount_ = 0;
        setCountFromHeader(loadLe32(marks.data() + dbf::kDateSize));
    }
    catchUpIndexes();
    changed = changed || indexGeneration() != seenIndexGeneration_;
    seenIndexGeneration_ = indexGeneration();
    return changed;
}

void TableImpl::lockRecord(std::uint32_t recno) {
    requireWritable();
    if (mode_ != OpenMode::Exclusive) refreshCount();
    if (recno < 1 || recno > count_) throw Error(path_ + " has no record " + std::to_string(recno));
    if (!dbf_.tryLockBytes(lockScheme().record(recno), true))
        throw LockedError(recordLockedMessage(recno));
    if (!holdsRecord(recno)) heldRecords_.push_back(recno);
}

void TableImpl::unlockRecord(std::uint32_t recno) {
    if (recno < 1 || !isOpen()) return;
    dbf_.unlockBytes(lockScheme().record(recno));
    std::erase(heldRecords_, recno);
}

std::optional<ByteRange> TableImpl::lockForPost() {
    if (mode_ != OpenMode::Shared || appending_ || holdsRecord(recno_)) return std::nullopt;
    const ByteRange bytes = lockScheme().record(recno_);
    if (!dbf_.tryLockBytes(bytes, true)) throw LockedError(recordLockedMessage(recno_));
    return bytes;
}

bool TableImpl::holdsRecord(std::uint32_t recno) const {
    return std::find(heldRecords_.begin(), heldRecords_.end(), recno) != heldRecords_.end();
}

std::string TableImpl::recordLockedMessage(std::uint32_t recno) const {
    return "Record " + std::to_string(recno) + " of " + path_ +
           " is locked by another program or user";
}

bool TableImpl::isRecordLockedByOther(std::uint32_t recno) const {
    return recno >= 1 && isOpen() && dbf_.bytesLockedByOther(lockScheme().record(recno));
}

}  // namespace xbase
