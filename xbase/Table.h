#pragma once
// An open DBF table: its structure, navigation, the current record and its buffer, and the
// operations on the whole file.
//
// Record numbers are 1-based; field numbers are 1-based (0 = no such field).
// Navigation honours the engine's hidden-deleted setting and the table's filter, except go(),
// which stands on the asked record whatever it holds. Past the last record the table stands on
// the phantom record recordCount() + 1 (blank values, eof() true).
//
// Changes go to a record buffer: setting a value starts an edit of the current record,
// appendBlank() starts a new record, and nothing reaches the file until post() (or a move to
// another record, or commit(), or close(), which post first). cancel() drops the edit.
//
// Files that change underneath. Another program may remove the table, its memo file or its
// structural index, or put a new file in its place, while this open still works through the
// old one. Before each change (the start of a run of changes, each post of a record, each
// batch of appended records an exclusive open writes, a pack, a tag built or dropped) the table
// makes sure its paths still name the files it has open, and refuses the change with an Error
// naming the file when they do not: nothing more reaches a file that nobody sees again. Reads
// go on from the files as they were, and close() then writes nothing.
//
// Crash safety. A table with a structural index is marked in its header (byte 14, dBase IV's
// "incomplete transaction" flag, which FoxPro-style readers ignore) from the first change that
// the index file on disk may not reflect yet until the index pages, the records and the header
// are flushed: one header write when a run of changes starts (the first post after a commit or
// the open, or the start of reindex, zap or deleteIndexes) and one when it ends (commit(),
// close(), the end of those operations). A shared open clears the mark only when no other open
// is in a run of changes. A table left marked by a program that was killed or cut off by a
// power failure, or that arrives marked from elsewhere, is repaired by the next open that can
// have it to itself (see Engine::open). When commit() returns, what it committed is on the
// disk: the files written since the last commit are flushed to the device.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xbase/DateUtil.h"
#include "xbase/Engine.h"
#include "xbase/Expression.h"
#include "xbase/Field.h"
#include "xbase/RecordSource.h"
#include "xbase/internal/File.h"
#include "xbase/internal/KeyRange.h"

namespace xbase {

// The index and memo files a table works through stay out of this header: the table holds
// them by pointer, and only the Table*.cpp files see their definitions.
class CdxFile;
class IdxFile;
class IndexCursor;
class IndexTag;
class MemoFile;
struct PreparedKeys;
struct TagDefinition;
enum class KeyType;  // IndexKey.h

class Table : public RecordSource {
  public:
    ~Table() override;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Posts any edit, writes what is buffered, releases the files. Safe to call twice.
    void close();
    bool isOpen() const { return dbf_.isOpen(); }

    Engine& engine() const { return engine_; }
    const std::string& path() const { return path_; }
    const std::string& alias() const { return alias_; }
    OpenMode mode() const { return mode_; }

    // Header facts.
    std::uint8_t version() const { return version_; }
    std::uint8_t codePage() const { return codePage_; }
    std::uint8_t tableFlags() const { return tableFlags_; }
    JulianDay lastUpdate() const { return lastUpdate_; }  // 0 when the header has no date
    std::uint16_t headerLength() const { return headerLength_; }
    std::uint16_t recordLength() const { return recordLength_; }
    // The memo file's path; empty when the table has none.
    std::string memoPath() const;

    // Structure. System fields (Visual FoxPro's _NullFlags) are not listed.
    const FieldList& fields() const override { return fields_; }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    const Field& field(int n) const;               // throws Error for a number out of range
    int fieldNumber(std::string_view name) const;  // case-insensitive; 0 when none

    // Navigation.
    void goTop();
    void goBottom();
    void skip(long n = 1);
    void go(std::uint32_t recno);
    std::uint32_t recNo() const override { return recno_; }
    std::uint32_t recordCount() const { return count_; }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    // How many records navigation visits: hidden deleted records and the filter honoured.
    std::uint32_t visibleCount();

    // Values of the current record (through the buffer when an edit is under way).
    // Text: character fields without trailing blanks; numbers without the padding; dates as
    // "YYYYMMDD" ("" when empty); logicals "T", "F" or ""; memos their text.
    std::string text(int n) const;
    std::string text(std::string_view name) const { return text(require(name)); }
    double number(int n) const;  // 0 for an empty number
    double number(std::string_view name) const { return number(require(name)); }
    JulianDay date(int n) const;  // 0 for an empty date
    JulianDay date(std::string_view name) const { return date(require(name)); }
    std::optional<bool> logical(int n) const;  // empty for "?" or blank
    std::optional<bool> logical(std::string_view name) const { return logical(require(name)); }
    std::string memo(int n) const;
    std::string memo(std::string_view name) const { return memo(require(name)); }
    bool isEmpty(int n) const;  // the field holds only blanks (or no memo)

    std::string_view fieldBytes(int n) const override;
    std::string memoText(int n) const override { return memo(n); }
    bool deleted() const override;
    std::string_view recordBytes() const;  // the whole record, deletion byte first

    // Writing into the buffer. Character values are padded with blanks and cut at the width;
    // numbers are right-aligned and refused (Error) when they do not fit; dates and logicals
    // take their own types; setText on a numeric, date or logical field parses the text and
    // refuses what it cannot read.
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
    // Posts, then writes every buffered record and the header to the files. When it returns,
    // what was posted since the last commit is on disk (the files are flushed to the device
    // when anything was written) and the header's incomplete mark is cleared again.
    void commit();
    // After a write failed: drops the edit and the appended records not yet written (an
    // exclusive open holds them back), and takes the record count from the header on the disk,
    // so that recordCount() tells how many records the file holds. When records were dropped
    // the tags may list them, so the mark stays for the next open unless reindex() follows.
    void forgetUnwritten();

    // The deletion mark, written at once.
    void deleteRecord();
    void recall();

    // Whole-file operations; pack and zap need an exclusive open.
    // Pack writes the packed table, memo file and structural index beside the originals
    // (BASE~.DBF, BASE~.FPT, BASE~.CDX), then a journal (BASE.JNL) naming them, and only then
    // renames them into place. Killed before the journal is complete, it leaves the original
    // files (the next open removes the scratch files); after, the next open finishes the
    // renames. Either way the table, its memo file and its index belong together.
    void pack(const ProgressFn& progress = {});
    void zap();
    void copyStructure(const std::string& path) const;
    void copyFile(const std::string& path);

    // Expressions on this table's fields.
    Expression compile(std::string_view text) const;
    // The query filter: a logical expression that navigation and counts honour. Empty text
    // clears it. A text that does not compile, or is not logical, throws ExpressionError and
    // leaves the filter in force as it was.
    void setFilter(std::string_view expression);
    const std::string& filter() const { return filterText_; }

    // ---- Indexes and orders ------------------------------------------------------------
    // The structural compound index (same folder and base name, extension .cdx in any letter
    // case) opens with the table when the header's flag says there is one. Its tags are kept
    // up to date on every append, change, deletion mark, pack and zap. Orders are numbered
    // from 1: the structural tags in creation order, then the index files opened; order 0 is
    // natural record order.
    bool hasStructuralIndex() const { return cdx_ != nullptr; }
    std::string structuralIndexPath() const;
    // Adds a tag to the structural index (creating the index on the first tag) and builds it
    // from the table, after committing what was posted. Key expressions give character (at most 240
    // bytes), numeric, date or logical keys. Progress runs from 0 to 100; when it asks to stop,
    // Error is thrown and the index stays as it was. The current order is unchanged.
    void createTag(const std::string& name, std::string_view keyExpression,
                   std::string_view forExpression = {}, bool unique = false,
                   const ProgressFn& progress = {});
    // One tag of createTags.
    struct TagRequest {
        std::string name;
        std::string keyExpression;
        std::string forExpression;
        bool unique = false;
    };
    // Told how far the build of a tag (numbered from 0 in the list) has got, 0 to 100; returns
    // false to stop it.
    using TagsProgressFn = std::function<bool(std::size_t tag, int percent)>;
    // createTag for each tag of the list in turn, with the same outcome byte for byte and the
    // same errors; the tags built before an error or a stop stay. On a large table the keys of
    // the next tag are gathered and sorted on a second thread while a tree is written; a tag
    // whose keys came that way reports its progress from 55 on.
    void createTags(const std::vector<TagRequest>& tags, const TagsProgressFn& progress = {});
    void dropTag(std::string_view name);
    // Closes every index of the table (structural and opened files); order 0 follows.
    void closeIndexes();
    // Commits, closes the indexes, deletes the structural index file and clears the header's
    // flag (and the incomplete mark: there is no index left to be out of date).
    void deleteIndexes();
    // What the open found (see Engine::open). indexRebuiltAtOpen: the table was marked as not
    // closed properly and its structural index has been rebuilt. indexMayBeStale: it was
    // marked and could not be repaired by this open (a read-only one), so its structural index
    // is not used: the table has no orders from it.
    bool indexRebuiltAtOpen() const { return rebuiltAtOpen_; }
    bool indexMayBeStale() const { return indexStale_; }
    // Whether the header carried the incomplete mark when the table was opened and still
    // does (an open that repaired the table clears it).
    bool markedIncomplete() const { return incomplete_; }
    // Commits, then rebuilds every structural tag; progress runs from 0 to 100 for each tag in
    // turn. The tags then follow the records, so the incomplete mark is cleared at its end; a
    // rebuild that fails leaves it set. A structural index set aside is opened again first.
    void reindex(const ProgressFn& progress = {});
    // For a run of appends that no tag is to follow, one at a time: commits, marks the header
    // incomplete (on the disk when it returns) and closes the structural index, whose file and
    // tag definitions stay. The mark stays until reindex(), so a writer cut short leaves a table
    // that the next open able to repair rebuilds. Nothing happens without a structural index.
    void setIndexAside();

    int orderCount() const { return static_cast<int>(orders_.size()); }
    int orderNumber(std::string_view tagName) const;  // case-insensitive; 0 when none
    std::string tagName(int n) const;                 // empty past the last
    void setOrder(int n);                             // 0 = natural order
    void setOrder(std::string_view tagName);          // Error when there is no such tag
    int order() const { return order_; }
    std::string orderTagName() const { return tagName(order_); }
    std::string orderKeyExpression() const;
    std::string orderIndexFile() const;

    // Seeks on the current order. Character orders: with exact matching off a key matches
    // every index key that begins with it; with exact matching on the whole key must match
    // (trailing blanks ignored). Other orders take the value's text ("42.5", "YYYYMMDD",
    // "T") or the typed forms. On a failed seek the table stands at the end, or with soft seek
    // on the next greater key. Hidden deleted records, the filter and the scope are honoured.
    bool seek(std::string_view key);
    bool seekNumber(double value);
    bool seekDate(JulianDay value);
    bool seekLogical(bool value);
    bool found() const { return found_; }
    // Low and high keys of the current order, as for seek; both empty clear the scope.
    void setScope(std::string_view low, std::string_view high);

    // Single-order index files. create builds the index from the table, or leaves it empty to
    // be filled with addKey; both open it as a new order, which becomes the current order.
    // Returns the order number. Such orders are not kept up to date by changes: they list
    // what was added to them.
    int createIndexFile(const std::string& path, std::string_view keyExpression, bool empty,
                        const ProgressFn& progress = {});
    int openIndexFile(const std::string& path);
    // Adds or removes the current record's key in the current order; adding twice is harmless.
    void addKey();
    // Fills the current order, an index file created empty, with the keys of the given records
    // (as addKey on each, repeats harmless) in one pass: the keys are sorted and the file written
    // once. The current record stays.
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

    Table(Engine& engine, std::string path, OpenMode mode);
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
    // the orders follow, the current one kept when its tag is still there.
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
    // second thread where that pays (else prepared is nullptr); a null order has none. The
    // records' pages read meanwhile stay with the process until the last tag is built, as
    // each tag reads them all again.
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
    void setIndexFlag(bool on);
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
    void refreshCount();
    void setCountFromHeader(std::uint32_t headerCount);
    void standAtEnd(bool bof);
    char* beginEdit();
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
    // hold the writers' lock meanwhile), this open marked the header for it, the mark found at
    // open is another open's and stays (see settleIncompleteMark), and what the open did.
    bool changing_ = false;
    bool markWritten_ = false;
    bool keepMark_ = false;
    bool rebuiltAtOpen_ = false;
    bool indexStale_ = false;
    // A change found a file removed or replaced by another program.
    bool filesReplaced_ = false;

    const char* current_ = nullptr;  // the current record's bytes
    std::string blank_;              // the phantom record
    std::string edit_;               // the edit buffer
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
