#pragma once
// Fills a new address record from imported values, each going to the field its match caption
// names: character fields take the value cut to their width, the memo takes each value as a
// new last line. A character the file cannot hold is stored as "?".
#include <QString>
#include <cstdint>

namespace xbase {
class Table;
}

namespace rp {

class ImportRecord {
  public:
    explicit ImportRecord(xbase::Table& table) : table_(table) {}

    // Appends a blank record to fill; throws xbase::Error when it cannot.
    void begin();
    // Stores value in the field of caption (a caption of matchTargets); throws xbase::Error on
    // an engine failure.
    void put(const QString& caption, const QString& value);
    // Writes the collected memo lines into the record; throws as put.
    void finish();
    // Drops the record being filled after a failure, so that no part of it is written.
    void drop();

    // Values cut to their field's width so far.
    std::uint32_t cutValues() const { return cutValues_; }
    // Characters stored as "?" so far.
    std::uint32_t replacedCharacters() const { return replaced_; }

  private:
    xbase::Table& table_;
    QString memo_;
    std::uint32_t cutValues_ = 0;
    std::uint32_t replaced_ = 0;
};

}  // namespace rp
