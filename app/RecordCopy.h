#pragma once
// What Clone copies from a record: the fields the record page shows, byte for byte, and the
// memo's text. CARRIER, BEGIN and SEQNO are not copied.
#include <string>
#include <utility>
#include <vector>

#include "xbase/DateUtil.h"

namespace xbase {
class Table;
}

namespace rp {

struct RecordCopy {
    std::vector<std::pair<int, std::string>> texts;  // field number, value without trailing blanks
    xbase::JulianDay date = 0;                       // 0 for an empty date
    std::string memo;
};

RecordCopy readRecordCopy(const xbase::Table& table);

// Puts the copy into the record being added; an empty date stays empty.
void putRecordCopy(xbase::Table& table, const RecordCopy& copy);

}  // namespace rp
