#pragma once
// One field of a table: what the table's field list says about it.
#include <cstdint>
#include <string>
#include <vector>

namespace xbase {

// What a caller asks for when creating a table.
struct FieldSpec {
    std::string name;  // at most 10 characters: letters, digits and "_", starting with a letter
    char type = 'C';   // C, N, D, L or M
    int width = 0;     // ignored for D (8), L (1) and M (10)
    int decimals = 0;  // N only
};

struct Field {
    std::string name;         // upper case
    char type = 'C';          // the type letter as stored
    std::uint16_t width = 0;  // bytes in the record (FoxPro character fields can exceed 255)
    std::uint8_t decimals = 0;
    std::uint32_t offset = 0;  // byte offset in the record, the deletion byte being offset 0
    std::uint8_t flags = 0;    // Visual FoxPro field flags
};

using FieldList = std::vector<Field>;

// Field number (1-based) of a name, case-insensitive; 0 when the list has no such field.
int findField(const FieldList& fields, std::string_view name);

}  // namespace xbase
