#pragma once
// Converting chosen fields of address records to capitals: only the ASCII letters a to z
// change, so accented Windows-1252 letters stay as they are.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "framework/BulkProgress.h"

namespace xbase {
class Table;
}

namespace rp {

struct UppercaseField {
    const char* field;
    const char* caption;  // translated where shown, in the context ConvertToUppercaseDialog
};
// The fields that can be converted, in the order they are converted and offered.
const std::array<UppercaseField, 11>& uppercaseFields();

std::string upperAscii(std::string_view bytes);

enum class ConvertScope { CurrentRecord, AllRecords, MatchingFilter };

// Converts the fields (names from uppercaseFields) of the current record, of every record
// that is not program-deleted (the table's query is set aside for the walk), or of every
// record of the query in force. The query and the current record are put back afterwards,
// also when a write fails. Returns the number of records converted.
std::uint32_t convertToUppercase(xbase::Table& table, const std::vector<std::string>& fields,
                                 ConvertScope scope, const BulkHooks& hooks = {});

}  // namespace rp
