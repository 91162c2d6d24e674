// Record locks and the header lock of appends, where the FoxPro family puts them.
#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

namespace {

constexpr auto kHeaderLockRetry = std::chrono::milliseconds(2);

}  // namespace

LockScheme TableImpl::lockScheme() const {
    return LockScheme((tableFlags_ & dbf::kFlagStructuralIndex) != 0, headerLength_, recordLength_);
}

ByteRange TableImpl::lockHeader() {
    const ByteRange header = lockScheme().header();
    const auto giveUp = std::chrono::steady_clock::now() +
                        std::chrono::milliseconds(engine_.settings.lockWaitMilliseconds);
    // Other programs hold it for a moment around each change of the header; one that holds it
    // for long is at work on the file as a whole.
    while (!dbf_.tryLockBytes(header, true)) {
        if (std::chrono::steady_clock::now() >= giveUp)
            throw LockedError("The header of " + path_ + " is locked by another program or user");
        std::this_thread::sleep_for(kHeaderLockRetry);
    }
    return header;
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
