#pragma once
// The DBF file header and field list: reading them from bytes with every check a damaged file
// needs, and writing them for the tables we create.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/DateUtil.h"
#include "xbase/DbfLayout.h"
#include "xbase/Field.h"

namespace xbase {

struct DbfHeader {
    std::uint8_t version = dbf::kPlain;
    JulianDay lastUpdate = 0;
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    std::uint8_t tableFlags = 0;
    std::uint8_t codePage = dbf::kCodePage1252;
    bool incomplete = false;  // the incomplete transaction byte is not 0
    FieldList fields;         // user fields, offsets computed from the widths
    FieldList systemFields;   // Visual FoxPro system fields such as _NullFlags

    bool isVisualFoxPro() const { return version == 0x30 || version == 0x31 || version == 0x32; }
    bool hasMemoFields() const;
};

// Parses the 32-byte header and the field descriptors. `bytes` holds the start of the file
// (at least the header length, or the whole file if shorter); `fileName` goes into messages.
// Throws Error for a truncated or inconsistent header or field list.
DbfHeader parseDbfHeader(std::string_view bytes, const std::string& fileName);

// How many header bytes parseDbfHeader needs, read from the first 32 bytes (at least 32).
std::size_t dbfHeaderLength(std::string_view first32);

// Header and field list bytes for a table we write (no Visual FoxPro backlink).
std::string encodeDbfHeader(const DbfHeader& header);
// The 32 fixed header bytes alone (to rewrite the record count and date).
std::string encodeDbfPrefix(const DbfHeader& header);
// The header's date of last update, kDateSize bytes at `at`; nothing changes for a day of 0.
void encodeDbfDate(JulianDay day, char* at);

// Field list for a new table from a caller's specs; throws Error naming the bad field.
FieldList makeFieldList(const std::vector<FieldSpec>& specs);

}  // namespace xbase
