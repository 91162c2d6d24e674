#pragma once
// The DBF file header and field list: reading them from bytes with every check a damaged file
// needs, and writing them for the tables we create.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/DateUtil.h"
#include "xbase/Field.h"

namespace xbase {

namespace dbf {
constexpr std::uint8_t kPlain = 0x03;
constexpr std::uint8_t kFoxPro2Memo = 0xF5;
constexpr std::uint8_t kDbase3Memo = 0x83;
constexpr std::uint8_t kDbase4Memo = 0x8B;
constexpr std::uint8_t kCodePage1252 = 0x03;
constexpr std::uint8_t kFlagStructuralIndex = 0x01;
constexpr std::uint8_t kFlagVfpMemo = 0x02;
// dBase IV's "incomplete transaction" byte. We set it while the structural index on disk may
// not reflect the records (see Table) and clear it once both are flushed.
constexpr std::size_t kIncompleteOffset = 14;
constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
constexpr std::size_t kVfpBacklink = 263;
constexpr char kFieldTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr int kMaxFields = 255;
}  // namespace dbf

struct DbfHeader {
    std::uint8_t version = dbf::kPlain;
    JulianDay lastUpdate = 0;
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    std::uint8_t tableFlags = 0;
    std::uint8_t codePage = dbf::kCodePage1252;
    bool incomplete = false;  // byte 14 is not 0
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

// Field list for a new table from a caller's specs; throws Error naming the bad field.
FieldList makeFieldList(const std::vector<FieldSpec>& specs);

}  // namespace xbase
