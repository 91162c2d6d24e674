#pragma once
// An open table as the engine holds it: its files, the header facts, the current record and
// its buffer, the orders, the scope and the query plan. Table.h is the contract and describes
// each operation; TableImpl carries them out, and Engine::open hands one out as a Table. The
// index and memo files it works through are held by pointer, and only the Table*.cpp files
// see their definitions.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xbase/Table.h"
#include "xbase/internal/File.h"
#include "xbase/internal/KeyRange.h"
#include "xbase/internal/LockScheme.h"

namespace xbase {

class CdxFile;
class IdxFile;
class IndexCursor;
class IndexTag;
class MemoFile;
struct PreparedKeys;
struct TagDefinition;
enum class KeyType;  // IndexKey.h

class TableImpl final : public Table {
  public:
    ~TableImpl() override;

    // The operations of Table.h, which Table forwards here.
    void close();
    bool isOpen() const { return dbf_.isOpen(); }

    Engine& engine() const { return engine_; }
    const std::string& path() const { return path_; }
    const std::string& alias() const { return alias_; }
    OpenMode mode() const { return mode_; }

    std::uint8_t version() const { return version_; }
    std::uint8_t codePage() const { return codePage_; }
    std::uint8_t tableFlags() const { return tableFlags_; }
    JulianDay lastUpdate() const { return lastUpdate_; }
    std::uint16_t headerLength() const { return headerLength_; }
    std::uint16_t recordLength() const { return recordLength_; }
    std::string memoPath() const;

    const FieldList& fields() const override { return fields_; }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    const Field& field(int n) const;
    int fieldNumber(std::string_view name) const;

    void goTop();
    void goBottom();
    void skip(long n = 1);
    void go(std::uint32_t recno);
    std::uint32_t recNo() const override { return recno_; }
    std::uint32_t recordCount() const { return count_; }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    std::uint32_t visibleCount();

    std::string text(int n) const;
    std::string text(std::string_view name) const { return text(require(name)); }
    double number(int n) const;
    double number(std::string_view name) const { return number(require(name)); }
    JulianDay date(int n) const;
    JulianDay date(std::string_view name) const { return date(require(name)); }
    std::optional<bool> logical(int n) const;
    std::optional<bool> logical(std::string_view name) const { return logical(require(name)); }
    std::string memo(int n) const;
    std::string memo(std::string_view name) const { return memo(require(name)); }
    bool isEmpty(int n) const;

    std::string_view fieldBytes(int n) const override;
    std::string memoText(int n) const override { return memo(n); }
    bool deleted() const override;
    std::string_view recordBytes() const;

    void setText(int n, std::string_view value);
    void setText(std::string_view name, std::string_view value) { setText(require(name), value); }
    void setNumber(int n, double value);
    void setNumber(std::string_view name, double value) { setNumber(require(name), value); }
    void setDate(int n, JulianDay value);
    void setDate(std::string_view name, JulianDay value) { setDate(require(name), value); }
    void setLogical(int n, bool value);
    void setLogical(std::string_view name, bool value) { setLogical(require(name), value); }
    void setMemo(int n, std::string_view text);
    void setMemo(std::string_view name, std::string_view text) { setMemo(require(name), text); }
    void setEmpty(int n);

    void appendBlank();
    void post();
    void cancel();
    bool editing() const { return editing_; }
    bool appending() const { return appending_; }
    void commit();
    void forgetUnwritten();

    void deleteRecord();
    void recall();

    void lockRecord(std::uint32_t recno);
    void unlockRecord(std::uint32_t recno);
    bool isRecordLockedByOther(std::uint32_t recno) const;
    bool othersChanged();

    void pack(const ProgressFn& progress = {});
    void zap();
    void copyStructure(const std::string& path) const;
    void copyFile(const std::string& path);

    Expression compile(std::string_view text) const;
    void setFilter(std::string_view expression);
    const std::string& filter() const { return filterText_; }

    bool hasStructuralIndex() const { return cdx_ != nullptr; }
    std::string structuralIndexPath() const;
    void createTag(const std::string& name, std::string_view keyExpression,
                   std::string_view forExpression = {}, bool unique = false,
                   const ProgressFn& progress = {});
    void createTags(const std::vector<TagRequest>& tags, const TagsProgressFn& progress = {});
    void dropTag(std::string_view name);
    void closeIndexes();
    void deleteIndexes();
    bool indexRebuiltAtOpen() const { return rebuiltAtOpen_; }
    bool indexMayBeStale() const { return indexStale_; }
    bool markedIncomplete() const { return incomplete_; }
    void reindex(const ProgressFn& progress = {});
    void setIndexAside();

    int orderCount() const { return static_cast<int>(orders_.size()); }
    int orderNumber(std::string_view tagName) const;
    std::string tagName(int n) const;
    void setOrder(int n);
    void setOrder(std::string_view tagName);
    int order() const { return order_; }
    std::string orderTagName() const { return tagName(order_); }
    std::string orderKeyExpression() const;
    std::string orderIndexFile() const;

    bool seek(std::string_view key);
    bool seekNumber(double value);
    bool seekDate(JulianDay value);
    bool seekLogical(bool value);
    bool found() const { return found_; }
    void setScope(std::string_view low, std::string_view high);

    int createIndexFile(const std::string& path, std::string_view keyExpression, bool empty,
                        const ProgressFn& progress = {});
    int openIndexFile(const std::string& path);
    void addKey();
    void fillIndexFile(const std::vector<std::uint32_t>& records);
    void deleteKey();

  private:
    friend class Engine;
    struct Order {
        IndexTag* tag = nullptr;
        std::unique_ptr<IdxFile> file;  // for index files; null for structural tags
        Expression key;
        std::optional<Expression> condition;
        KeyType type{};  // KeyType::Character (checked in TableIndex.cpp)
        std::size_t keyLength = 0;
    };

    TableImpl(Engine& engine, std::string path, OpenMode mode);
    void openFiles(bool openIndexes, const ProgressFn& rebuildProgress);
    // Opens the table file and tries to lock it; false when the lock is held elsewhere.
    bool openLocked(LockKind kind);
    // The shared lock, tried for a moment; false when it stays held elsewhere.
    bool lockSharedSoon();
    void openMemo();
    void openStructuralIndex();
    // ---- Crash safety (TableRecovery.cpp) ----
    // Deals with the incomplete mark that the open found: rebuilds, keeps or ignores the index.
    void settleIncompleteMark(bool alone, bool openIndexes, const ProgressFn& progress);
    // The definitions of the structural index's tags, in creation order, each checked against
    // the table's fields; throws IndexError when they cannot be read.
    std::vector<TagDefinition> tagDefinitions(CdxFile& cdx) const;
    // Writes a new structural index holding these tags, built from the table, to path and
    // flushes it. Progress runs once from 0 to 100 over all the tags.
    void writeStructuralIndex(const std::string& path, const std::vector<TagDefinition>& tags,
                              const ProgressFn& progress);
    // Throws Error when another program removed or replaced one of the table's files since
    // the open (see "Files that change underneath" above); close() then writes nothing.
    void requireFilesInPlace();
    void beginChanges();
    void endChanges();
    // Shared opens: a run of changes takes a writer slot, sets its bit in the header and marks
    // the header, under the header lock, and flushes the mark; at its end the open clears its
    // bit, and the mark with the last bit, when finished (else both stay for the repair), and
    // lets the slot go. Throws LockedError when every slot is taken.
    void joinWriters();
    void leaveWriters(bool finished);
    // Whether the header's mark was left by a writer that did not finish its run: one that was
    // killed or failed, an exclusive open or another program; false when the writers whose bits
    // are set still hold their slots, or the mark is gone.
    bool writerLeftMark();
    void writeIncompleteMark(bool on);
    // Whether the structural index on disk follows this open's changes: it is open, or there is
    // none.
    bool indexInSync() const;
    Order makeOrder(IndexTag& tag) const;
    TagDefinition defineIndex(std::string name, std::string_view keyExpression,
                              const Expression& key) const;
    void loadStructuralOrders();
    // Shared and read-only opens: catches up with index changes by other opens before an
    // operation reads or changes the indexes (see IndexPages::catchUp); when tags came or went,
    // the orders follow, the current one kept when its tag is still there. The structural
    // index's change counter is read under its index lock (a read lock for the moment, unless
    // this open holds the lock for a change of keys): over NFS only a lock makes it coherent.
    // A cursor that catches up on its way through the leaves reads it without the lock.
    void catchUpIndexes();
    bool ordersListStructuralTags() const;
    void reloadStructuralOrders();
    Order& currentOrder();
    // Whether an order holds one entry for every record (no condition, not unique, not a file).
    static bool listsEveryRecord(const Order& o);
    // The current record's key in an order; nullopt when its condition leaves it out.
    // honourCondition false gives the key of a record that the condition leaves out too.
    std::optional<std::string> keyFor(const Order& o, bool honourCondition = true) const;
    // The same into key, reusing its storage; false when the condition leaves the record out.
    bool formKey(const Order& o, std::string& key, bool honourCondition = true) const;
    // The same for the record that rec shows (formKey's work, for any thread).
    static bool formKeyOf(const Order& o, const RecordSource& rec, const Settings& s,
                          std::string& key, bool honourCondition = true);
    // The same without padding a character key to the key length (it is cut to it), and
    // without a copy where the expression's result can be used as it is: a view into that
    // result or into buffer, valid until the next call. nullopt when the condition leaves the
    // record out.
    static std::optional<std::string_view> keyViewOf(const Order& o, const RecordSource& rec,
                                                     const Settings& s, std::string& buffer,
                                                     bool honourCondition = true);
    std::string encodeSeekKey(const Order& o, std::string_view text) const;
    // Builds tag's tree from prepared keys when they are given and sorted, else from the
    // records; rethrows the error that stopped their preparation.
    bool fillTag(IndexTag& tag, const Order& o, const PreparedKeys* prepared,
                 const ProgressFn& progress);
    // Builds tag from the records, or from prepared keys when they are given.
    void buildTag(IndexTag& tag, const Order& o, const ProgressFn& progress,
                  const PreparedKeys* prepared);
    // The order and definition of a tag that createTags makes; throws as createTag does.
    Order planTag(const TagRequest& request, TagDefinition& def) const;
    // Whether the table is large enough, all on disk, for a second thread to form keys.
    bool secondThreadPays() const;
    // Whether a build of this many tags gathers their keys on two threads (see TagPipeline).
    bool pipelinesTags(std::size_t tagCount) const;

    // Calls build(i, prepared) for each order in turn, with its keys prepared ahead on a
    // second thread where that pays (else prepared is nullptr); a null order has none. Each
    // tag reads every record again: where the keys are prepared ahead it reads them with calls,
    // else in place in the file's mapping, whose pages stay with the process until the last
    // tag is built.
    void buildInTurn(const std::vector<const Order*>& orders,
                     const std::function<void(std::size_t i, const PreparedKeys* prepared)>& build);
    // The keys of every record in o, gathered from the file and sorted; for any thread, which
    // works on its own copy of o's expressions. Gives up early once stop is set.
    PreparedKeys prepareKeys(const Order& o, const std::atomic<bool>& stop) const;
    // Calls each(bytes, recno) for the records first to last in turn, read a chunk at a time,
    // until it returns false; for any thread.
    template <class Each>
    void forEachRecordBytes(std::uint32_t first, std::uint32_t last, Each each) const;
    // The expressions of o in a copy of their own (expressions keep scratch space).
    static Order copyForThread(const Order& o);
    // Rebuilds every structural tag; progress runs from 0 to 100 for each tag in turn.
    void rebuildTags(const ProgressFn& progress);
    // The records' keys in the order, one per call, as IndexTag's builders take them (a
    // KeySource).
    std::function<bool(std::string& key, std::uint32_t& recno)> keySourceFor(const Order& o);
    // Loads the records after next, one by one, until one has a key in o: true with its key and
    // number (next left on it); false past the last record.
    bool nextKeyedRecord(const Order& o, std::uint32_t& next, std::string& key,
                         std::uint32_t& recno);
    // keySourceFor for a large table: a second thread forms the keys of the later records
    // meanwhile (TableKeys.cpp).
    std::function<bool(std::string& key, std::uint32_t& recno)> twoThreadKeySource(const Order& o);
    void captureOldKeys();
    std::optional<std::string> oldKey(const Order& o, std::uint32_t recno) const;
    void updateKeys(std::uint32_t recno, bool appended);
    // updateKeys' work, under the index lock when the open is shared.
    void changeKeys(std::uint32_t recno, bool appended);
    void setIndexFlag(bool on);
    // Throws Error ("<work> <path> needs the table opened exclusively") in a shared open.
    void requireExclusive(const std::string& work) const;
    void indexChanged();
    void dropQueryCandidates();
    void planQuery();
    const std::vector<std::uint32_t>* queryCandidates();

    // Where navigation in the current order keeps: the scope, narrowed by the query's ranges
    // on that order's keys (see TableQuery.cpp).
    const KeyRange& bounds();

    // Ordered navigation.
    // Moves the cursor on until a visible record within the bounds; a cursor short of the
    // bounds goes to their near end first.
    bool orderedStep(int direction);
    bool placeCursorOnCurrent();  // true when the cursor stands on the current record's entry
    bool seekEncoded(const std::string& key);
    void orderedTop();
    void orderedBottom();
    void orderedSkip(long n);

    // ---- Locks (TableLocks.cpp) ----
    // Where the family's locks of this table lie, as its header now says.
    LockScheme lockScheme() const;
    // Takes the header lock (for an append, or a shared open's write of the header; a read lock
    // for a look at the header), waiting for another holder at most as long as the settings
    // say, and returns its bytes; throws LockedError when it stays held.
    ByteRange lockHeader(bool exclusive = true);
    // Under the header lock: runs change, then raises the header's change counter when counted.
    // What this open changes is no news to itself: when no other open changed the table since
    // it last looked, the marks after the change count as seen.
    void changeUnderHeaderLock(const std::function<void()>& change, bool counted);
    // The header's bytes that tell of others' changes (the date, the record count and the
    // change counter), from the header's first bytes or read from the file.
    static std::string changeMarks(const char* header);
    std::string readChangeMarks() const;
    // The structural index's changes by others seen so far.
    std::uint64_t indexGeneration() const;
    // Shared opens change a record under its lock: the lock this open holds (lockRecord), or
    // one taken for the post, returned to be let go after it. Throws LockedError, the edit
    // kept, when another open or program holds the record.
    std::optional<ByteRange> lockForPost();
    bool holdsRecord(std::uint32_t recno) const;  // locked by this open's lockRecord
    std::string recordLockedMessage(std::uint32_t recno) const;

    void readHeader();
    int require(std::string_view name) const;
    void requireWritable() const;

    // Record access.
    const char* recordAt(std::uint32_t recno);  // recno in 1..count_
    void load(std::uint32_t recno);             // sets the current record (count_+1 = phantom)
    bool visible();                             // current record passes deletion and filter
    bool seekVisible(std::int64_t from, int direction);  // loads the first visible record
    // Posts; shared opens re-read the record count and catch up with index changes.
    void refreshForNewPosition();
    // Reads the record count again, under the header lock (see TableImpl.cpp).
    void refreshCount();
    void setCountFromHeader(std::uint32_t headerCount);
    void standAtEnd(bool bof);
    char* beginEdit();
    // post's work once the run of changes has begun: the memos, the record and its keys.
    void writeEdit();
    void writeRecord(std::uint32_t recno, const char* bytes);
    void flushAppends();
    void writeHeaderCount();
    void storeMemos();
    std::uint32_t memoBlock(int n) const;
    const std::string* pendingMemo(int n) const;
    void copyMemoHeader(const std::string& toDbfPath) const;
    // Pack: writes the live records to tmpDbf and their memos to tmpMemo (when not empty), and
    // flushes both.
    void writePackedFiles(const std::string& tmpDbf, const std::string& tmpMemo,
                          const ProgressFn& progress);

    Engine& engine_;
    std::string path_;
    std::string alias_;
    OpenMode mode_;
    File dbf_;
    FileMap dbfMap_;  // the file's length at open (or pack), for reading
    // During a build of several tags on a large table, each tag reads the records with calls
    // rather than in place in the mapping (see buildInTurn).
    bool readRecordsByCalls_ = false;
    std::unique_ptr<MemoFile> memo_;

    std::uint8_t version_ = 0;
    std::uint8_t codePage_ = 0;
    std::uint8_t tableFlags_ = 0;
    bool incomplete_ = false;  // the header's incomplete mark, as the open found it
    JulianDay lastUpdate_ = 0;
    std::uint16_t headerLength_ = 0;
    std::uint16_t recordLength_ = 0;
    bool vfpMemo_ = false;  // memo fields hold 4-byte binary block numbers
    FieldList fields_;
    std::vector<Field> systemFields_;

    std::uint32_t count_ = 0;      // records in the table, buffered appends included
    std::uint32_t diskCount_ = 0;  // records whose bytes are on disk and in the header
    std::uint32_t recno_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    bool dirtyHeader_ = false;

    // Crash safety: a run of changes is under way (written since the last commit; shared opens
    // hold a writer slot meanwhile), this open marked the header for it, the mark found at
    // open is another open's and stays (see settleIncompleteMark), and what the open did.
    bool changing_ = false;
    bool markWritten_ = false;
    int writerSlot_ = -1;  // the writer slot a shared open's run holds
    bool keepMark_ = false;
    bool rebuiltAtOpen_ = false;
    bool indexStale_ = false;
    // A change found a file removed or replaced by another program.
    bool filesReplaced_ = false;
    // The records this open locked with lockRecord.
    std::vector<std::uint32_t> heldRecords_;
    // What othersChanged compares: the header's change marks and the index's generation, as
    // this open last saw them.
    std::string seenMarks_;
    std::uint64_t seenIndexGeneration_ = 0;
    // This open holds the header lock (changeUnderHeaderLock) or the index lock (updateKeys):
    // reads that take the lock for a moment leave it as it is.
    bool headerHeld_ = false;
    bool indexHeld_ = false;

    const char* current_ = nullptr;  // the current record's bytes
    std::string shown_;  // the current record's bytes, kept when the read cache was dropped
    std::string blank_;  // the phantom record
    std::string edit_;   // the edit buffer
    bool editing_ = false;
    bool appending_ = false;
    std::uint32_t appendFrom_ = 0;  // where cancel() of an append returns to
    bool appendFromBof_ = false;
    bool appendFromEof_ = false;
    std::vector<std::pair<int, std::string>> pendingMemos_;

    // Read cache: records cacheFirst_ .. cacheFirst_ + cacheCount_ - 1.
    std::vector<char> cache_;
    std::uint32_t cacheFirst_ = 0;
    std::uint32_t cacheCount_ = 0;
    // Appended records not yet written (exclusive opens), from diskCount_ + 1 on.
    std::string appendBuf_;

    std::string filterText_;
    std::optional<Expression> filter_;

    std::unique_ptr<CdxFile> cdx_;
    std::vector<Order> orders_;
    int order_ = 0;
    std::unique_ptr<IndexCursor> cursor_;
    bool cursorOnCurrent_ = false;
    KeyRange scope_;
    KeyRange bounds_;
    bool boundsKnown_ = false;  // bounds_ is for the current order, scope and query
    bool found_ = false;
    // The structural keys before the edit, by the header offset of their tag.
    std::vector<std::pair<std::uint32_t, std::optional<std::string>>> oldKeys_;

    // A query whose conjunct compares a tag's key (or its leading term) with a constant is
    // answered from that tag's key range: the records listed there are the only candidates.
    struct QueryPlan {
        const IndexTag* tag = nullptr;  // null: every record is a candidate
        KeyRange range;
        bool computed = false;
        std::vector<std::uint32_t> candidates;  // sorted record numbers, once computed
    };
    QueryPlan plan_;
};

}  // namespace xbase
