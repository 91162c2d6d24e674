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
// Crash safety. A table with a structural index is marked in its header (dBase IV's
// "incomplete transaction" byte, dbf::kIncompleteOffset, which FoxPro-style readers ignore) from
// the first change that the index file on disk may not reflect yet until the index pages, the
// records and the header are flushed: one header write when a run of changes starts (the first post
// after a commit or the open, or the start of reindex, zap or deleteIndexes) and one when it ends
// (commit(), close(), the end of those operations). When commit() returns, what it committed is
// on the disk: the files written since the last commit are flushed to the device.
// Shared opens keep the mark as a team. A run takes one of 63 writer slots: under the header
// lock it sets the slot's bit in the header (bytes 20 to 27, reserved in the family's format
// and ignored by it; see DbfLayout.h) and the mark, and holds the slot's lock byte
// (LockScheme::writerSlot) until the run ends. A run that ends with its changes all in the index
// clears its bit, and the last bit cleared clears the mark. A writer that is killed (or cut off)
// leaves its bit set, its lock byte free, and one whose index may have missed a change (after a
// failure, or without the index open) sets the last bit, which no slot has: either way the mark
// stays however the others finish (the next run turns a killed writer's bit into the last bit,
// so that its slot serves again). An open that finds the mark and can have the
// table to itself repairs it (see Engine::open) and clears the bits. One that cannot (another
// open has the table, or it is read-only) looks: while every set bit's slot is held, the mark
// belongs to writers at work and the index is used; when a set bit's slot is free, or the mark
// has no bits (an exclusive open or another program left it), the index may miss a change, so
// the open reads in record order without it and indexMayBeStale() says so, until a later open
// that has the table alone repairs it. xbase-tool check reports a marked table as a problem.
//
// This header is the contract. What an open table holds, and how it does its work, lies in
// TableImpl (xbase/internal/TableImpl.h): Engine::open makes one and hands it out as a Table.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/DateUtil.h"
#include "xbase/Engine.h"
#include "xbase/Expression.h"
#include "xbase/Field.h"
#include "xbase/RecordSource.h"

namespace xbase {

class Table : public RecordSource {
  public:
    ~Table() override;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Posts any edit, writes what is buffered, releases the files. Safe to call twice.
    void close();
    bool isOpen() const;

    Engine& engine() const;
    const std::string& path() const;
    const std::string& alias() const;
    OpenMode mode() const;

    // Header facts.
    std::uint8_t version() const;
    std::uint8_t codePage() const;
    std::uint8_t tableFlags() const;
    JulianDay lastUpdate() const;  // 0 when the header has no date
    std::uint16_t headerLength() const;
    std::uint16_t recordLength() const;
    // The memo file's path; empty when the table has none.
    std::string memoPath() const;

    // Structure. System fields (Visual FoxPro's _NullFlags) are not listed.
    const FieldList& fields() const override = 0;
    int fieldCount() const;
    const Field& field(int n) const;               // throws Error for a number out of range
    int fieldNumber(std::string_view name) const;  // case-insensitive; 0 when none

    // Navigation.
    void goTop();
    void goBottom();
    void skip(long n = 1);
    void go(std::uint32_t recno);
    std::uint32_t recNo() const override = 0;
    std::uint32_t recordCount() const;
    bool bof() const;
    bool eof() const;
    // How many records navigation visits: hidden deleted records and the filter honoured.
    std::uint32_t visibleCount();

    // Values of the current record (through the buffer when an edit is under way).
    // Text: character fields without trailing blanks; numbers without the padding; dates as
    // "YYYYMMDD" ("" when empty); logicals "T", "F" or ""; memos their text.
    std::string text(int n) const;
    std::string text(std::string_view name) const;
    double number(int n) const;  // 0 for an empty number
    double number(std::string_view name) const;
    JulianDay date(int n) const;  // 0 for an empty date
    JulianDay date(std::string_view name) const;
    std::optional<bool> logical(int n) const;  // empty for "?" or blank
    std::optional<bool> logical(std::string_view name) const;
    std::string memo(int n) const;
    std::string memo(std::string_view name) const;
    bool isEmpty(int n) const;  // the field holds only blanks (or no memo)

    std::string_view fieldBytes(int n) const override = 0;
    std::string memoText(int n) const override = 0;
    bool deleted() const override = 0;
    std::string_view recordBytes() const;  // the whole record, deletion byte first

    // Writing into the buffer. Character values are padded with blanks and cut at the width;
    // numbers are right-aligned and refused (Error) when they do not fit; dates and logicals
    // take their own types; setText on a numeric, date or logical field parses the text and
    // refuses what it cannot read.
    void setText(int n, std::string_view value);
    void setText(std::string_view name, std::string_view value);
    void setNumber(int n, double value);
    void setNumber(std::string_view name, double value);
    void setDate(int n, JulianDay value);
    void setDate(std::string_view name, JulianDay value);
    void setLogical(int n, bool value);
    void setLogical(std::string_view name, bool value);
    void setMemo(int n, std::string_view text);
    void setMemo(std::string_view name, std::string_view text);
    void setEmpty(int n);

    void appendBlank();
    void post();
    void cancel();
    bool editing() const;
    bool appending() const;
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

    // Record locks, seen by every other open of the table, in this process or another, and by
    // other xBase programs of the FoxPro family (they lie where those programs put them; see
    // xbase/internal/LockScheme.h). lockRecord does not wait: it throws LockedError ("Record 7
    // of FILE is locked by another program or user") when another open holds the record or the
    // whole file. A lock lasts until unlockRecord() or close(); taking it twice is harmless.
    // Not for read-only opens. A shared open posts a change of a record (deleteRecord and
    // recall too) under its lock: its own, or one taken for the post, so that a record another
    // open or program holds is refused with that LockedError, the edit kept. Appends by shared
    // opens take the family's header lock for a moment, waiting at most
    // Settings::lockWaitMilliseconds for another holder. Shared and read-only opens read the
    // record count again under that lock (a read lock, for a moment) on every move and the
    // index's change counter under the index lock, as NFS needs (nfs(5)): a move throws
    // LockedError ("The header of FILE is locked by another program or user") when another
    // program keeps the header locked longer than that.
    void lockRecord(std::uint32_t recno);
    void unlockRecord(std::uint32_t recno);
    // Whether another open or program holds the record's lock (or the whole file's).
    bool isRecordLockedByOther(std::uint32_t recno) const;
    // Whether another open or program appended, changed, deleted or recalled records, or packed,
    // since this open last asked (or opened). Reads what it compares under the header lock (a
    // moment; waits at most Settings::lockWaitMilliseconds): over NFS, caches are coherent only
    // across locks. When it returns true the open's record count and indexes are up to date; the
    // current record number, the buffer and any edit are left as they are.
    // What it compares: the header's date and record count, the engine's change counter in
    // header bytes 16 to 19 (see DbfLayout.h), which every post of a shared open raises under
    // the header lock, and the structural index's change counter. The counter sees a change of
    // any field, indexed or not (a memo, a phone number), which the record count and the index
    // cannot; the FoxPro family and dBase leave those bytes reserved and ignore them, so other
    // programs read the table as before, and exclusive opens, whose work nobody else sees
    // meanwhile, leave it alone. Other xBase programs do not raise it: their changes show when
    // they append, change the date or change an indexed field. Exclusive opens answer false.
    // To show the current record as the disk now holds it, go(recNo()): in shared and read-only
    // opens every go() reads the record count and the record from the file again (it posts an
    // edit first, as every move does).
    bool othersChanged();

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
    const std::string& filter() const;

    // ---- Indexes and orders ------------------------------------------------------------
    // The structural compound index (same folder and base name, extension .cdx in any letter
    // case) opens with the table when the header's flag says there is one. Its tags are kept
    // up to date on every append, change, deletion mark, pack and zap. Orders are numbered
    // from 1: the structural tags in creation order, then the index files opened; order 0 is
    // natural record order.
    // Tags are added, dropped and rebuilt, and the structural index removed, only by exclusive
    // opens: a shared open is refused with Error ("Adding tags to FILE needs the table opened
    // exclusively"). A build reads every record while others would change them, and a table
    // that gains or loses its structural index moves the family's lock bytes (see
    // LockScheme.h), which every open of the table must agree on.
    bool hasStructuralIndex() const;
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
    bool indexRebuiltAtOpen() const;
    bool indexMayBeStale() const;
    // Whether the header carried the incomplete mark when the table was opened and still
    // does (an open that repaired the table clears it).
    bool markedIncomplete() const;
    // Commits, then rebuilds every structural tag; progress runs from 0 to 100 for each tag in
    // turn. The tags then follow the records, so the incomplete mark is cleared at its end; a
    // rebuild that fails leaves it set. A structural index set aside is opened again first.
    void reindex(const ProgressFn& progress = {});
    // For a run of appends that no tag is to follow, one at a time: commits, marks the header
    // incomplete (on the disk when it returns) and closes the structural index, whose file and
    // tag definitions stay. The mark stays until reindex(), so a writer cut short leaves a table
    // that the next open able to repair rebuilds. Nothing happens without a structural index.
    void setIndexAside();

    int orderCount() const;
    int orderNumber(std::string_view tagName) const;  // case-insensitive; 0 when none
    std::string tagName(int n) const;                 // empty past the last
    void setOrder(int n);                             // 0 = natural order
    void setOrder(std::string_view tagName);          // Error when there is no such tag
    int order() const;
    std::string orderTagName() const;
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
    bool found() const;
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

  protected:
    Table() = default;
};

}  // namespace xbase
