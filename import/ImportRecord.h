#pragma once
// Fills a new address record from imported values, each going to the field its match caption
// names: character fields take the value cut to their width, the memo takes each value as a
// new last line. A letter the file cannot hold is stored in its closest spelling (see
// storableSpelling), a character without one as "?".
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "framework/Messages.h"
#include "import/ImportTags.h"
#include "xbase/Error.h"

namespace xbase {
class Table;
}

namespace rp {

// Where a match caption's values go in the table: a character field (its number and width) or
// the memo.
struct ImportTarget {
    int field = 0;
    std::size_t width = 0;
    bool memo = false;
};

class ImportRecord {
  public:
    // The table's records before the import are the ones it holds now.
    explicit ImportRecord(xbase::Table& table);

    // The target of caption (a caption of matchTargets), looked up once for many values.
    ImportTarget target(const QString& caption) const;

    // Appends a blank record to fill; throws xbase::Error when it cannot.
    void begin();
    // Stores value in the field of caption (a caption of matchTargets); throws xbase::Error on
    // an engine failure.
    void put(const QString& caption, const QString& value);
    // The same for a target looked up before.
    void put(const ImportTarget& target, QStringView value);
    // The same for a value already in Windows-1252 bytes (ASCII text is), which needs no
    // spelling.
    void putBytes(const ImportTarget& target, std::string_view bytes);
    // Writes the collected memo lines into the record; throws as put.
    void finish();
    // Drops the record being filled after a failure, so that no part of it is written.
    void drop();
    // Writes the records the table still holds back. When that fails they are dropped, so that
    // the table counts only what the file holds, the engine's text is added to cause on a line
    // of its own (unless cause says it already), and the result is false.
    bool writeHeldBack(QString& cause);
    // The records the import added that the table holds.
    std::uint32_t recordsAdded() const;

    // Values cut to their field's width so far.
    std::uint32_t cutValues() const { return cutValues_; }
    // Characters stored in a close spelling so far.
    std::uint32_t spelledCharacters() const { return spelled_; }
    // Characters stored as "?" so far.
    std::uint32_t replacedCharacters() const { return replaced_; }

  private:
    // A value spelled before: its storable bytes and what spelling it counted.
    struct Spelling {
        std::string bytes;
        std::uint32_t spelled = 0;
        std::uint32_t replaced = 0;
    };
    // The storable bytes of a value that needs a spelling, counted as if spelled again.
    const std::string& spelledBytes(const QString& text);

    xbase::Table& table_;
    std::uint32_t before_;
    int memoField_;
    std::string memo_;  // the memo lines so far, in Windows-1252
    // Names and places recur: the spellings of the latest values that needed one (a few
    // thousand at most), since a spelling costs far more than a look-up.
    std::unordered_map<QString, Spelling> spellings_;
    std::uint32_t cutValues_ = 0;
    std::uint32_t spelled_ = 0;
    std::uint32_t replaced_ = 0;
};

// Begins an import's appends by setting the address tags aside; when that fails, the outcome is
// a write error with the engine's text as the result's cause, and the answer false.
template <class Result>
bool startImport(xbase::Table& table, Result& result) {
    try {
        setAddressTagsAside(table);
    } catch (const xbase::Error& e) {
        result.outcome = Result::Outcome::WriteError;
        result.cause = errorText(e);
        return false;
    }
    return true;
}

// Ends an import's appends: writes the records still held back (a failure makes the outcome a
// write error, its text in the result's cause) and fills in what the result counts.
template <class Result>
void finishImport(ImportRecord& record, Result& result) {
    if (!record.writeHeldBack(result.cause)) result.outcome = Result::Outcome::WriteError;
    result.written = record.recordsAdded();
    result.cutValues = record.cutValues();
    result.spelledCharacters = record.spelledCharacters();
    result.replacedCharacters = record.replacedCharacters();
}

// The notes told after an import's closing message about the values it stored: letters in a
// close spelling or as "?", and values cut to their fields; empty when there is nothing to tell.
QStringList importedValueNotes(std::uint32_t spelled, std::uint32_t replaced,
                               std::uint32_t cutValues);

}  // namespace rp
