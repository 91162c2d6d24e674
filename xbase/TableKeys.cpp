// The keys of every record for a tag build, in record order. On a large table a second thread
// forms the keys of the later half of the records from its own reads of the file while this
// one forms those of the first half; its keys then follow, so the builder sees exactly the
// sequence one thread would give. Where the second thread cannot go on (a memo field, an
// expression that fails) this thread carries on from that record itself.
//
// A build of several tags (TagPipeline) prepares each tag's keys whole on one thread, either,
// sorted and ready for the tree; a tag whose keys need a memo is left to the table's thread.
#include <algorithm>
#include <atomic>
#include <thread>

#include "xbase/DbfLayout.h"
#include "xbase/internal/HugePages.h"
#include "xbase/internal/IdxFile.h"
#include "xbase/internal/IndexTag.h"
#include "xbase/internal/KeyBlock.h"
#include "xbase/internal/TableImpl.h"
#include "xbase/internal/TagPipeline.h"

namespace xbase {

namespace {

// Tables with fewer records are built by one thread.
constexpr std::uint32_t kTwoThreadMinimum = 50000;
// Records are read, or taken from the file's mapping, this many bytes at a time.
constexpr std::size_t kReadBytes = 256 * 1024;

// Records are asked for this many ahead of their keys being formed: each record read in place
// would otherwise wait on memory.
constexpr std::uint32_t kLookAhead = 8;
constexpr std::size_t kCacheLine = 64;

// Asks for the record at bytes to be brought into the cache ahead of its use.
void prefetchRecord(const char* bytes, std::size_t length) {
    for (std::size_t b = 0; b < length; b += kCacheLine) __builtin_prefetch(bytes + b);
}

// Thrown by RecordBytes for a memo: the thread that owns the table reads memos.
struct MemoNeeded {};

// A record's bytes as an expression sees them.
class RecordBytes : public RecordSource {
  public:
    explicit RecordBytes(const FieldList& fields) : fields_(fields) {}
    void show(const char* bytes, std::uint32_t recno) {
        bytes_ = bytes;
        recno_ = recno;
    }
    const FieldList& fields() const override { return fields_; }
    std::string_view fieldBytes(int n) const override {
        const Field& f = fields_[static_cast<std::size_t>(n - 1)];
        return std::string_view(bytes_ + f.offset, f.width);
    }
    std::string memoText(int) const override { throw MemoNeeded{}; }
    bool deleted() const override { return bytes_[0] == dbf::kDeleted; }
    std::uint32_t recNo() const override { return recno_; }

  private:
    const FieldList& fields_;
    const char* bytes_ = nullptr;
    std::uint32_t recno_ = 0;
};

// The second thread's work and what it has formed: the keys of records from first on, each
// with its length byte, up to (not including) stoppedAt.
struct LaterKeys {
    std::thread thread;
    std::atomic<bool> cancel{false};
    std::vector<char, HugePageAllocator<char>> keys;
    std::vector<std::uint32_t, HugePageAllocator<std::uint32_t>> recnos;
    std::uint32_t stoppedAt = 0;

    ~LaterKeys() {
        cancel = true;
        if (thread.joinable()) thread.join();
    }
};

}  // namespace

TableImpl::Order TableImpl::copyForThread(const Order& o) {
    Order own;
    own.key = o.key;
    own.condition = o.condition;
    own.type = o.type;
    own.keyLength = o.keyLength;
    return own;
}

bool TableImpl::secondThreadPays() const {
    return count_ >= kTwoThreadMinimum && count_ == diskCount_ &&
           std::thread::hardware_concurrency() > 1;
}

bool TableImpl::pipelinesTags(std::size_t tagCount) const {
    return tagCount > 1 && secondThreadPays();
}

template <class Each>
void TableImpl::forEachRecordBytes(std::uint32_t first, std::uint32_t last, Each each) const {
    const std::uint32_t perRead =
        std::max<std::uint32_t>(1, static_cast<std::uint32_t>(kReadBytes / recordLength_));
    std::vector<char> buffer;
    for (std::uint32_t from = first; from <= last; from += perRead) {
        const std::uint32_t n = std::min(perRead, last - from + 1);
        const std::uint64_t offset =
            headerLength_ + static_cast<std::uint64_t>(from - 1) * recordLength_;
        const std::size_t length = static_cast<std::size_t>(n) * recordLength_;
        // Keys are formed from the mapped records in place: most keys need a few of a
        // record's bytes, and copying every byte of every record costs more than forming them.
        const char* chunk = nullptr;
        if (!readRecordsByCalls_ && dbfMap_.covers(offset, length)) {
            chunk = dbfMap_.bytesAt(offset);
        } else {
            buffer.resize(length);
            dbf_.readStillThere(offset, buffer.data(), length);
            chunk = buffer.data();
        }
        // Records of a file cut short read as zeros: what was formed from them is not kept, and
        // a failure they caused gives way to the file's.
        bool more = true;
        try {
            for (std::uint32_t i = 0; more && i < n; ++i) {
                if (i + kLookAhead < n)
                    prefetchRecord(chunk + std::size_t{i + kLookAhead} * recordLength_,
                                   recordLength_);
                more = each(chunk + static_cast<std::size_t>(i) * recordLength_, from + i);
            }
        } catch (...) {
            dbfMap_.checkInPlace(offset);
            throw;
        }
        dbfMap_.checkInPlace(offset);
        if (!more) return;
    }
}

PreparedKeys TableImpl::prepareKeys(const Order& source, const std::atomic<bool>& stop) const {
    const Order o = copyForThread(source);
    KeyBlock keys(o.keyLength, keyTrailByte(o.type));
    keys.reserve(count_);
    RecordBytes rec(fields_);
    std::string key;
    bool complete = true;
    try {
        forEachRecordBytes(1, count_, [&](const char* bytes, std::uint32_t recno) {
            if (stop) return complete = false;
            rec.show(bytes, recno);
            const std::optional<std::string_view> view = keyViewOf(o, rec, engine_.settings, key);
            if (!view) return true;
            // The owner's build of the tag fails on a key too long, with the tag's words.
            if (view->size() > o.keyLength) return complete = false;
            keys.add(*view, recno);
            return true;
        });
    } catch (const MemoNeeded&) {
        complete = false;  // the owner of the table forms these keys itself
    }
    PreparedKeys prepared;
    if (!complete) return prepared;
    KeyOrder order = keys.order();
    prepared.sorted.emplace(SortedKeys{std::move(keys), std::move(order)});
    return prepared;
}

bool TableImpl::nextKeyedRecord(const Order& o, std::uint32_t& next, std::string& key,
                                std::uint32_t& recno) {
    while (++next <= count_) {
        load(next);
        if (formKey(o, key)) {
            recno = next;
            return true;
        }
    }
    return false;
}

KeySource TableImpl::keySourceFor(const Order& o) {
    if (secondThreadPays()) return twoThreadKeySource(o);
    auto next = std::make_shared<std::uint32_t>(0);
    return [this, &o, next](std::string& key, std::uint32_t& recno) {
        return nextKeyedRecord(o, *next, key, recno);
    };
}

KeySource TableImpl::twoThreadKeySource(const Order& o) {
    const std::uint32_t middle = count_ / 2 + 1;
    const std::uint32_t last = count_;
    auto later = std::make_shared<LaterKeys>();
    auto own = std::make_shared<Order>(copyForThread(o));
    later->stoppedAt = middle;
    // Room for a key of every record, each with its length byte, so that nothing is moved.
    later->keys.reserve(static_cast<std::size_t>(last - middle + 1) * (o.keyLength + 1));
    later->recnos.reserve(last - middle + 1);
    later->thread = std::thread([this, own, middle, last, work = later.get()] {
        RecordBytes rec(fields_);
        std::string key;
        try {
            forEachRecordBytes(middle, last, [&](const char* bytes, std::uint32_t recno) {
                if (work->cancel) return false;
                rec.show(bytes, recno);
                if (formKeyOf(*own, rec, engine_.settings, key)) {
                    work->keys.push_back(static_cast<char>(key.size()));
                    work->keys.insert(work->keys.end(), key.begin(), key.end());
                    work->recnos.push_back(recno);
                }
                work->stoppedAt = recno + 1;
                return true;
            });
        } catch (...) {
            // This thread carries on from stoppedAt, where the same record fails or is read
            // with its memo.
        }
    });

    auto next = std::make_shared<std::uint32_t>(0);
    auto taken = std::make_shared<std::size_t>(0);   // keys of the second thread handed on
    auto offset = std::make_shared<std::size_t>(0);  // where the next of them starts
    return [this, &o, middle, later, next, taken, offset](std::string& key, std::uint32_t& recno) {
        while (*next + 1 < middle) {
            load(++*next);
            if (formKey(o, key)) {
                recno = *next;
                return true;
            }
        }
        if (later->thread.joinable()) later->thread.join();
        if (*taken < later->recnos.size()) {
            const auto length = static_cast<unsigned char>(later->keys[*offset]);
            key.assign(later->keys.data() + *offset + 1, length);
            *offset += 1 + length;
            recno = later->recnos[(*taken)++];
            *next = recno;
            return true;
        }
        // Past the second thread's keys: on from the record where it stopped.
        *next = std::max(*next, later->stoppedAt - 1);
        return nextKeyedRecord(o, *next, key, recno);
    };
}

}  // namespace xbase
