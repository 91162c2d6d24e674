#pragma once
// Copying the records of an address file's view, in the view's order, to a new DBF file with
// the address structure or to a comma-delimited text file. The copy is written under a
// temporary name in the target's folder and takes the chosen name only when complete, so a
// stopped or failed copy leaves whatever was there before.
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "framework/BulkProgress.h"
#include "xbase/DateUtil.h"

namespace xbase {
class Table;
}

namespace rp {

struct CopyResult {
    enum class Status { Copied, Stopped, Failed };
    Status status = Status::Copied;
    std::uint32_t records = 0;  // records written before the copy ended
    QString error;              // what went wrong, for Failed
};

// The display text of a date (empty for an empty date).
using DateTextFn = std::function<QString(xbase::JulianDay)>;

// One comma-delimited line of the current record, Windows-1252 bytes ending in CR LF:
// PREFIX, FNAME, MIDDLE, LNAME, TITLE, ORG, STREET, CITY, STATE, ZIP, COUNTRY, PHONE, EMAIL,
// FAX, the DATE's display text and NOTES, each in double quotes.
std::string csvRecordLine(const xbase::Table& source, const DateTextFn& dateText);

// The names of the fields of csvRecordLine, in its order and quoting, ending in CR LF.
std::string csvHeaderLine();

// The memo text as the DBF copy stores it: a text whose length is a positive multiple of 4
// gets a blank at its end.
std::string memoForCopy(std::string memo);

// The copies refuse a target that is the source table or one of its companion files.
CopyResult copyToDbf(xbase::Table& source, const QString& target, const BulkHooks& hooks = {});
// withHeader: the text file starts with csvHeaderLine.
CopyResult copyToAscii(xbase::Table& source, const QString& target, const DateTextFn& dateText,
                       const BulkHooks& hooks = {}, bool withHeader = false);
// A text copy: first, then recordText() for every record of the view, in one file that takes
// the target's name only when complete; copyToAscii and the vCard copy are written by it.
CopyResult copyToTextFile(xbase::Table& source, const QString& target, std::string first,
                          const std::function<std::string()>& recordText,
                          const BulkHooks& hooks = {});

}  // namespace rp
