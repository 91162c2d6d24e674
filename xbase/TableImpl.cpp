#include "xbase/internal/TableImpl.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/DbfHeader.h"
#include "xbase/internal/IdxFile.h"
#include "xbase/internal/IndexCursor.h"
#include "xbase/internal/MemoFile.h"
#include "xbase/internal/PackJournal.h"

namespace xbase {

namespace {

constexpr std::size_t kCacheBytes = 256 * 1024;
constexpr std::size_t kJumpBytes = 4096;
constexpr std::size_t kAppendFlushBytes = 1024 * 1024;
constexpr int kSharedLockAttempts = 40;  // 5 ms apart

MemoKind memoKindFor(std::uint8_t version, const std::string& dbtPath) {
    switch (version) {
        case 0x83:
            return MemoKind::Dbt3;
        case 0x8B:
        case 0xCB:
        case 0x8E:
            return MemoKind::Dbt4;
        default:
            return fileExists(dbtPath) ? MemoKind::Dbt3 : MemoKind::Fpt;
    }
}

}  // namespace

TableImpl::TableImpl(Engine& engine, std::string path, OpenMode mode)
    : engine_(engine), path_(std::move(path)), mode_(mode) {}

TableImpl::~TableImpl() {
    try {
        close();
    } catch (const Error&) {
        // A destructor cannot report; callers who care close() explicitly.
    }
}

void TableImpl::openFiles(bool openIndexes, const ProgressFn& rebuildProgress) {
    // First try to have the file alone: then what a killed writer left can be settled.
    bool alone = openLocked(LockKind::Exclusive);
    if (alone && settlePack(path_)) alone = openLocked(LockKind::Exclusive);  // a new file now
    if (!alone && (mode_ == OpenMode::Exclusive || !lockSharedSoon())) {
        dbf_.close();
        throw Error(
            mode_ == OpenMode::Exclusive
                ? path_ + " is in use by another program or user and cannot be opened exclusively"
                : path_ + " is open exclusively by another program or user");
    }
    readHeader();
    openMemo();
    blank_.assign(recordLength_, ' ');
    load(count_ + 1);
    settleIncompleteMark(alone, openIndexes, rebuildProgress);
    if (openIndexes && !indexStale_ && (tableFlags_ & dbf::kFlagStructuralIndex))
        openStructuralIndex();
    if (alone && mode_ != OpenMode::Exclusive && !dbf_.tryLock(LockKind::Shared))
        throw Error(path_ + ": the lock could not be changed to a shared one");
    // The shared lock keeps out the exclusive opens that shrink the file, so the header and
    // records on disk now stay readable through a mapping; appended later, they are read. An
    // exclusive open drops its mapping before it shrinks or replaces the file (zap, pack).
    dbfMap_ = dbf_.mapForReading(dbf_.size());
    goTop();
}

bool TableImpl::lockSharedSoon() {
    // Another open may hold the file alone for a moment while it looks for what to settle.
    for (int attempt = 0; attempt < kSharedLockAttempts; ++attempt) {
        if (dbf_.tryLock(LockKind::Shared)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

bool TableImpl::openLocked(LockKind kind) {
    dbf_ = File::open(path_, mode_ != OpenMode::ReadOnly);
    return dbf_.tryLock(kind);
}

void TableImpl::openMemo() {
    DbfHeader probe;
    probe.version = version_;
    probe.fields = fields_;
    if (!probe.hasMemoFields()) return;
    MemoKind kind = memoKindFor(version_, companionPath(path_, "dbt"));
    std::string memoFile = companionPath(path_, kind == MemoKind::Fpt ? "fpt" : "dbt");
    if (!fileExists(memoFile)) throw Error(path_ + ": its memo file " + memoFile + " is missing");
    memo_ = MemoFile::open(memoFile, kind, mode_ != OpenMode::ReadOnly && kind == MemoKind::Fpt);
}

void TableImpl::readHeader() {
    char first[dbf::kHeaderSize] = {};
    std::size_t got = dbf_.readAt(0, first, sizeof first);
    std::size_t need = dbfHeaderLength(std::string_view(first, got));
    std::string bytes(need, '\0');
    bytes.resize(dbf_.readAt(0, bytes.data(), need));
    DbfHeader h = parseDbfHeader(bytes, path_);
    version_ = h.version;
    codePage_ = h.codePage;
    tableFlags_ = h.tableFlags;
    incomplete_ = h.incomplete;
    lastUpdate_ = h.lastUpdate;
    headerLength_ = h.headerLength;
    recordLength_ = h.recordLength;
    vfpMemo_ = h.isVisualFoxPro();
    seenMarks_ = changeMarks(bytes.data());
    fields_ = std::move(h.fields);
    systemFields_ = std::move(h.systemFields);
    setCountFromHeader(h.recordCount);
}

void TableImpl::close() {
    if (!dbf_.isOpen()) return;
    std::exception_ptr failure;
    try {
        // What a refused change left buffered has no file to go to.
        if (!filesReplaced_) commit();
    } catch (...) {
        failure = std::current_exception();
    }
    dbfMap_ = FileMap();
    try {
        dbf_.closeChecked();
    } catch (...) {
        if (!failure) failure = std::current_exception();
    }
    memo_.reset();
    cursor_.reset();
    orders_.clear();
    cdx_.reset();
    order_ = 0;
    plan_ = QueryPlan{};
    cache_.clear();
    cacheCount_ = 0;
    appendBuf_.clear();
    filter_.reset();
    filterText_.clear();
    engine_.detach(this);
    if (failure) std::rethrow_exception(failure);
}

std::string TableImpl::memoPath() const {
    return memo_ ? memo_->path() : std::string();
}

const Field& TableImpl::field(int n) const {
    if (n < 1 || n > fieldCount())
        throw Error(alias_ + ": there is no field number " + std::to_string(n));
    return fields_[static_cast<std::size_t>(n - 1)];
}

int TableImpl::fieldNumber(std::string_view name) const {
    return findField(fields_, name);
}

int TableImpl::require(std::string_view name) const {
    int n = findField(fields_, name);
    if (n == 0) throw Error(alias_ + ": there is no field named " + std::string(name));
    return n;
}

void TableImpl::requireWritable() const {
    if (!isOpen()) throw Error(path_ + " is not open");
    if (mode_ == OpenMode::ReadOnly) throw Error(path_ + " is open read-only");
    if (vfpMemo_) throw Error(path_ + " is a Visual FoxPro table, which can only be read");
}

// ---- Record access -------------------------------------------------------------------------

const char* TableImpl::recordAt(std::uint32_t recno) {
    if (recno > diskCount_)
        return appendBuf_.data() + static_cast<std::size_t>(recno - diskCount_ - 1) * recordLength_;
    if (recno >= cacheFirst_ && recno < cacheFirst_ + cacheCount_)
        return cache_.data() + static_cast<std::size_t>(recno - cacheFirst_) * recordLength_;
    // Refill the window: a long one that runs on in the direction of travel when the walk
    // goes on from the old window, a short one for a record reached by a jump.
    bool forward = cacheCount_ > 0 && recno == cacheFirst_ + cacheCount_;
    bool backward = cacheCount_ > 0 && recno + 1 == cacheFirst_;
    std::size_t bytes = forward || backward ? kCacheBytes : kJumpBytes;
    std::uint32_t per =
        std::max<std::uint32_t>(1, static_cast<std::uint32_t>(bytes / recordLength_));
    std::uint32_t first = backward ? (recno > per ? recno - per + 1 : 1) : recno;
    std::uint32_t n = std::min(per, diskCount_ - first + 1);
    const std::uint64_t offset =
        headerLength_ + static_cast<std::uint64_t>(first - 1) * recordLength_;
    // A jump copies only its record from the mapping: its neighbours cost no read call either.
    if (!forward && !backward && dbfMap_.covers(offset, recordLength_)) n = 1;
    // The window holds nothing until the read has filled it: a failed read leaves no stale
    // window over a buffer of another size.
    cacheCount_ = 0;
    cache_.resize(static_cast<std::size_t>(n) * recordLength_);
    if (dbfMap_.covers(offset, cache_.size()))
        dbfMap_.copy(offset, cache_.data(), cache_.size());
    else
        dbf_.readExact(offset, cache_.data(), cache_.size(), "a record");
    cacheFirst_ = first;
    cacheCount_ = n;
    return cache_.data() + static_cast<std::size_t>(recno - first) * recordLength_;
}

void TableImpl::load(std::uint32_t recno) {
    recno_ = recno;
    current_ = recno >= 1 && recno <= count_ ? recordAt(recno) : blank_.data();
}

bool TableImpl::visible() {
    if (engine_.settings.hideDeleted && current_[0] == dbf::kDeleted) return false;
    return !filter_ || filter_->evalLogical(*this, engine_.settings);
}

bool TableImpl::seekVisible(std::int64_t from, int direction) {
    if (const std::vector<std::uint32_t>* candidates = queryCandidates()) {
        // Only the records the query's index range lists can match.
        if (from < 1 || from > count_) return false;
        auto r = static_cast<std::uint32_t>(from);
        if (direction > 0) {
            for (auto it = std::lower_bound(candidates->begin(), candidates->end(), r);
                 it != candidates->end(); ++it) {
                load(*it);
                if (visible()) return true;
            }
        } else {
            for (auto it = std::upper_bound(candidates->begin(), candidates->end(), r);
                 it != candidates->begin();) {
                load(*--it);
                if (visible()) return true;
            }
        }
        return false;
    }
    for (std::int64_t r = from; r >= 1 && r <= count_; r += direction) {
        load(static_cast<std::uint32_t>(r));
        if (visible()) return true;
    }
    return false;
}

void TableImpl::refreshForNewPosition() {
    post();
    if (mode_ == OpenMode::Exclusive) return;
    refreshCount();
    catchUpIndexes();
}

void TableImpl::refreshCount() {
    // Another program may have changed or appended records since we last looked. Over NFS
    // what a read brings is coherent only across locks (nfs(5)): the count is read under the
    // header lock, a read lock for the moment unless this open holds the lock already.
    cacheCount_ = 0;
    char bytes[dbf::kRecordCountSize];
    const std::optional<ByteRange> lock =
        headerHeld_ ? std::nullopt : std::optional<ByteRange>(lockHeader(false));
    try {
        if (dbfMap_.covers(dbf::kRecordCountOffset, sizeof bytes))
            dbfMap_.copy(dbf::kRecordCountOffset, bytes, sizeof bytes);
        else
            dbf_.readExact(dbf::kRecordCountOffset, bytes, sizeof bytes, "the header");
    } catch (...) {
        if (lock) dbf_.unlockBytes(*lock);
        throw;
    }
    if (lock) dbf_.unlockBytes(*lock);
    const std::uint32_t headerCount = loadLe32(bytes);
    // Nobody shrinks the file while it is open shared, so an unchanged count still fits it.
    if (headerCount != count_) setCountFromHeader(headerCount);
}

void TableImpl::setCountFromHeader(std::uint32_t headerCount) {
    // The header's count is the truth, unless the file ends before those records do.
    std::uint64_t size = dbf_.size();
    std::uint64_t whole = size > headerLength_ ? (size - headerLength_) / recordLength_ : 0;
    count_ = diskCount_ = static_cast<std::uint32_t>(std::min<std::uint64_t>(headerCount, whole));
}

void TableImpl::standAtEnd(bool bof) {
    load(count_ + 1);
    eof_ = true;
    bof_ = bof;
}

// ---- Navigation ----------------------------------------------------------------------------

void TableImpl::goTop() {
    refreshForNewPosition();
    if (order_ > 0)
        orderedTop();
    else if (seekVisible(1, +1))
        bof_ = eof_ = false;
    else
        standAtEnd(true);
}

void TableImpl::goBottom() {
    refreshForNewPosition();
    if (order_ > 0)
        orderedBottom();
    else if (seekVisible(count_, -1))
        bof_ = eof_ = false;
    else
        standAtEnd(true);
}

void TableImpl::go(std::uint32_t recno) {
    refreshForNewPosition();
    cursorOnCurrent_ = false;
    if (recno >= 1 && recno <= count_) {
        load(recno);
        bof_ = eof_ = false;
    } else {
        standAtEnd(count_ == 0);
    }
}

void TableImpl::skip(long n) {
    post();
    // Other opens' index changes matter to a skip only where it reads a tag afresh: from its
    // root (the cursor is not on the current record's entry), or whole (the query's candidates
    // are still to be found). A skip on from the cursor's entry needs no look: the cursor has
    // the index catch up before it leaves its leaf.
    if (order_ > 0 ? !cursorOnCurrent_ : plan_.tag && !plan_.computed) catchUpIndexes();
    if (n == 0) {
        load(recno_);
        return;
    }
    if (order_ > 0) return orderedSkip(n);
    for (; n > 0; --n) {
        if (eof_) return;
        bof_ = false;
        if (!seekVisible(static_cast<std::int64_t>(recno_) + 1, +1)) {
            standAtEnd(false);
            return;
        }
    }
    for (; n < 0; ++n) {
        std::int64_t from = eof_ ? count_ : static_cast<std::int64_t>(recno_) - 1;
        if (!seekVisible(from, -1)) {
            // Before the first record: stand on the first visible one, with bof set.
            if (seekVisible(1, +1))
                eof_ = false;
            else
                standAtEnd(true);
            bof_ = true;
            return;
        }
        eof_ = bof_ = false;
    }
}

std::uint32_t TableImpl::visibleCount() {
    refreshForNewPosition();
    std::uint32_t here = recno_;
    bool bof = bof_, eof = eof_;
    std::uint32_t n = 0;
    if (order_ > 0 && (!scope_.unbounded() || !listsEveryRecord(currentOrder()))) {
        for (orderedTop(); !eof_; orderedSkip(1)) ++n;
    } else if (const std::vector<std::uint32_t>* candidates = queryCandidates()) {
        for (std::uint32_t r : *candidates) {
            load(r);
            if (visible()) ++n;
        }
    } else if (!filter_ && !engine_.settings.hideDeleted) {
        n = count_;
    } else {
        for (std::uint32_t r = 1; r <= count_; ++r) {
            load(r);
            if (visible()) ++n;
        }
    }
    load(here);
    bof_ = bof;
    eof_ = eof;
    cursorOnCurrent_ = false;
    return n;
}

// ---- The record buffer ---------------------------------------------------------------------

char* TableImpl::beginEdit() {
    if (!editing_) {
        requireWritable();
        if (recno_ < 1 || recno_ > count_)
            throw Error(path_ + ": there is no current record to change (end of file)");
        captureOldKeys();
        edit_.assign(current_, recordLength_);
        editing_ = true;
        current_ = edit_.data();
    }
    return edit_.data();
}

void TableImpl::appendBlank() {
    post();
    requireWritable();
    appendFrom_ = recno_;
    appendFromBof_ = bof_;
    appendFromEof_ = eof_;
    edit_ = blank_;
    editing_ = appending_ = true;
    recno_ = count_ + 1;
    current_ = edit_.data();
    bof_ = eof_ = false;
}

void TableImpl::cancel() {
    if (!editing_) return;
    bool wasAppending = appending_;
    editing_ = appending_ = false;
    pendingMemos_.clear();
    if (wasAppending) {
        load(appendFrom_);
        bof_ = appendFromBof_;
        eof_ = appendFromEof_;
    } else {
        load(recno_);
    }
}

void TableImpl::post() {
    if (!editing_) return;
    // The first post of a run is looked at by beginChanges; an exclusive open's appends are
    // looked at a batch at a time, when flushAppends writes them.
    try {
        if (changing_ && !(appending_ && mode_ == OpenMode::Exclusive)) requireFilesInPlace();
        beginChanges();
    } catch (const Error&) {
        // An edit refused for good is dropped: else every move would post it again.
        if (filesReplaced_) cancel();
        throw;
    }
    const std::optional<ByteRange> lock = lockForPost();
    try {
        writeEdit();
    } catch (...) {
        if (lock) dbf_.unlockBytes(*lock);
        throw;
    }
    if (lock) dbf_.unlockBytes(*lock);
}

void TableImpl::writeEdit() {
    storeMemos();
    bool inTable = false;  // whether the record's bytes have reached the table
    try {
        if (appending_ && mode_ == OpenMode::Exclusive) {
            appendBuf_ += edit_;
            recno_ = ++count_;
            inTable = true;
            if (appendBuf_.size() >= kAppendFlushBytes) flushAppends();
            updateKeys(recno_, true);
        } else if (appending_) {
            // Shared opens append one record at a time under the append lock, at the end that
            // the header shows now: other programs may have appended meanwhile.
            changeUnderHeaderLock(
                [&] {
                    refreshCount();
                    std::string bytes = edit_ + dbf::kEndOfFile;
                    dbf_.writeAt(headerLength_ + static_cast<std::uint64_t>(count_) * recordLength_,
                                 bytes);
                    recno_ = ++count_;
                    diskCount_ = count_;
                    writeHeaderCount();
                    inTable = true;
                    updateKeys(recno_, true);
                },
                true);
        } else {
            writeRecord(recno_, edit_.data());
            dirtyHeader_ = true;
            inTable = true;
            // Others learn of the change from the header's counter.
            if (mode_ == OpenMode::Shared) changeUnderHeaderLock([] {}, true);
            updateKeys(recno_, false);
        }
    } catch (...) {
        if (!inTable) throw;  // the edit stays, to be posted again
        // The record is in the table, so posting it again would append it twice; the tags may
        // miss it, so the mark stays for the next open that can rebuild them.
        keepMark_ = true;
        editing_ = appending_ = false;
        current_ = recordAt(recno_);
        throw;
    }
    editing_ = appending_ = false;
    current_ = recordAt(recno_);
}

void TableImpl::writeRecord(std::uint32_t recno, const char* bytes) {
    if (recno > diskCount_) {
        std::memcpy(
            appendBuf_.data() + static_cast<std::size_t>(recno - diskCount_ - 1) * recordLength_,
            bytes, recordLength_);
        return;
    }
    dbf_.writeAt(headerLength_ + static_cast<std::uint64_t>(recno - 1) * recordLength_, bytes,
                 recordLength_);
    if (recno >= cacheFirst_ && recno < cacheFirst_ + cacheCount_)
        std::memcpy(cache_.data() + static_cast<std::size_t>(recno - cacheFirst_) * recordLength_,
                    bytes, recordLength_);
}

void TableImpl::flushAppends() {
    if (!appendBuf_.empty()) {
        // Records first, then the count: an interrupted append leaves a file whose header
        // still tells the truth.
        requireFilesInPlace();
        appendBuf_ += dbf::kEndOfFile;
        try {
            dbf_.writeAt(headerLength_ + static_cast<std::uint64_t>(diskCount_) * recordLength_,
                         appendBuf_);
        } catch (...) {
            appendBuf_.pop_back();  // the records stay to be written again
            throw;
        }
        appendBuf_.clear();
        diskCount_ = count_;
        dirtyHeader_ = true;
        // The current record may have lived in the append buffer.
        if (!editing_) load(recno_);
    }
    if (!dirtyHeader_) return;
    if (mode_ != OpenMode::Shared) {
        writeHeaderCount();
        return;
    }
    // Other opens may have appended since this one last looked: the count is read again under
    // the header lock, so that the header never loses their records.
    changeUnderHeaderLock(
        [this] {
            refreshCount();
            writeHeaderCount();
        },
        false);
}

void TableImpl::writeHeaderCount() {
    lastUpdate_ = today();
    // The date and the count lie side by side: one write changes both.
    char bytes[dbf::kDateSize + dbf::kRecordCountSize] = {};
    encodeDbfDate(lastUpdate_, bytes);
    storeLe32(bytes + dbf::kDateSize, diskCount_);
    dbf_.writeAt(dbf::kDateOffset, bytes, sizeof bytes);
    dirtyHeader_ = false;
}

void TableImpl::commit() {
    post();
    if (mode_ == OpenMode::ReadOnly) return;
    flushAppends();
    endChanges();
}

void TableImpl::forgetUnwritten() {
    cancel();
    const std::uint32_t before = count_;
    appendBuf_.clear();
    refreshCount();
    if (count_ < before) keepMark_ = true;
    cursorOnCurrent_ = false;
    if (recno_ >= 1 && recno_ <= count_)
        load(recno_);
    else
        standAtEnd(count_ == 0);
}

void TableImpl::deleteRecord() {
    beginEdit()[0] = dbf::kDeleted;
    post();
}

void TableImpl::recall() {
    beginEdit()[0] = dbf::kNotDeleted;
    post();
}

bool TableImpl::deleted() const {
    return current_[0] == dbf::kDeleted;
}

std::string_view TableImpl::recordBytes() const {
    return std::string_view(current_, recordLength_);
}

// ---- Filter --------------------------------------------------------------------------------

Expression TableImpl::compile(std::string_view text) const {
    return Expression::compile(text, fields_);
}

void TableImpl::setFilter(std::string_view expression) {
    std::string_view trimmed = expression;
    while (!trimmed.empty() && trimmed.front() == ' ') trimmed.remove_prefix(1);
    if (trimmed.empty()) {
        filter_.reset();
        filterText_.clear();
        planQuery();
        return;
    }
    Expression e = compile(expression);
    if (e.type() != ValueType::Logical)
        throw ExpressionError("A filter must be a logical expression: " + std::string(expression),
                              std::string(expression), 1);
    filter_ = std::move(e);
    filterText_ = std::string(expression);
    planQuery();
}

}  // namespace xbase
