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
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/DateUtil.h"
#include "xbase/Engine.h"
#include "xbase/Expression.h"
#include "xbase/Field.h"
#include "xbase/File.h"
#include "xbase/MemoFile.h"
#include "xbase/RecordSource.h"

namespace xbase {

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
    const Field& field(int n) const;        // throws Error for a number out of range
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
    // Posts, then writes every buffered record and the header to the files.
    void commit();

    // The deletion mark, written at once.
    void deleteRecord();
    void recall();

    // Whole-file operations; pack and zap need an exclusive open.
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

private:
    friend class Engine;
    Table(Engine& engine, std::string path, OpenMode mode);
    void openFiles();
    void readHeader();
    int require(std::string_view name) const;
    void requireWritable() const;

    // Record access.
    const char* recordAt(std::uint32_t recno);  // recno in 1..count_
    void load(std::uint32_t recno);             // sets the current record (count_+1 = phantom)
    bool visible();                             // current record passes deletion and filter
    bool seekVisible(std::int64_t from, int direction);  // loads the first visible record
    void refreshForNewPosition();  // posts; shared opens re-read the record count
    void refreshCount();
    void standAtEnd(bool bof);
    char* beginEdit();
    void writeRecord(std::uint32_t recno, const char* bytes);
    void flushAppends();
    void writeHeaderCount();
    void storeMemos();
    std::uint32_t memoBlock(int n) const;
    const std::string* pendingMemo(int n) const;
    void copyMemoHeader(const std::string& toDbfPath) const;

    Engine& engine_;
    std::string path_;
    std::string alias_;
    OpenMode mode_;
    File dbf_;
    std::unique_ptr<MemoFile> memo_;

    std::uint8_t version_ = 0;
    std::uint8_t codePage_ = 0;
    std::uint8_t tableFlags_ = 0;
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
};

}  // namespace xbase
