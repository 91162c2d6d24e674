#include "xbase/internal/DbfHeader.h"

#include <cstring>

#include "xbase/Ascii.h"
#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"

namespace xbase {

namespace {

bool knownVersion(std::uint8_t v) {
    switch (v) {
        case 0x02:
        case 0x03:
        case 0x04:
        case 0x05:
        case 0x30:
        case 0x31:
        case 0x32:
        case 0x43:
        case 0x63:
        case 0x7B:
        case 0x83:
        case 0x8B:
        case 0x8E:
        case 0xCB:
        case 0xE5:
        case 0xF5:
        case 0xFB:
            return true;
        default:
            return false;
    }
}

bool knownType(char t) {
    return std::strchr("CNFDLMGBPIYTVQW0@+O", t) != nullptr && t != 0;
}

// Types stored in binary or fixed forms must have their own width; readers rely on it.
bool fixedWidthFits(const Field& f, bool vfp) {
    switch (f.type) {
        case 'D':
            return f.width == 8;
        case 'L':
            return f.width == 1;
        case 'I':
            return f.width == 4;
        case 'Y':
        case 'T':
            return f.width == 8;
        case 'B':
            return vfp ? f.width == 8 : f.width == 10;
        case 'M':
        case 'G':
        case 'P':
            return vfp ? f.width == 4 || f.width == 10 : f.width == 10;
        default:
            return true;
    }
}

JulianDay headerDate(std::string_view b) {
    const auto* date = reinterpret_cast<const unsigned char*>(b.data() + dbf::kDateOffset);
    return julianDay(1900 + date[0], date[1], date[2]);
}

}  // namespace

bool DbfHeader::hasMemoFields() const {
    for (const Field& f : fields)
        if (f.type == 'M' || f.type == 'G' || f.type == 'P' || (f.type == 'B' && !isVisualFoxPro()))
            return true;
    return false;
}

std::size_t dbfHeaderLength(std::string_view first32) {
    if (first32.size() < dbf::kHeaderSize) return dbf::kHeaderSize;
    return std::max<std::size_t>(loadLe16(first32.data() + dbf::kHeaderLengthOffset),
                                 dbf::kHeaderSize);
}

DbfHeader parseDbfHeader(std::string_view b, const std::string& fileName) {
    auto bad = [&](const std::string& what) -> Error {
        return Error(fileName + ": not a valid table (" + what + ")");
    };
    if (b.size() < dbf::kHeaderSize) throw bad("the header is truncated");
    DbfHeader h;
    h.version = static_cast<std::uint8_t>(b[dbf::kVersionOffset]);
    if (!knownVersion(h.version)) throw bad("unknown version byte");
    h.lastUpdate = headerDate(b);
    h.recordCount = loadLe32(b.data() + dbf::kRecordCountOffset);
    h.headerLength = loadLe16(b.data() + dbf::kHeaderLengthOffset);
    h.recordLength = loadLe16(b.data() + dbf::kRecordLengthOffset);
    h.incomplete = b[dbf::kIncompleteOffset] != 0;
    h.tableFlags = static_cast<std::uint8_t>(b[dbf::kTableFlagsOffset]);
    h.codePage = static_cast<std::uint8_t>(b[dbf::kCodePageOffset]);
    if (h.headerLength < dbf::kHeaderSize + 1) throw bad("the header length is too small");
    if (h.recordLength < 1) throw bad("the record length is zero");
    if (b.size() < h.headerLength) throw bad("the field list is truncated");

    std::uint32_t offset = 1;
    for (std::size_t at = dbf::kHeaderSize;; at += dbf::kDescriptorSize) {
        if (at >= h.headerLength) throw bad("the field list has no end mark");
        if (b[at] == dbf::kFieldTerminator) break;
        if (at + dbf::kDescriptorSize > h.headerLength) throw bad("the field list has no end mark");
        Field f;
        std::string_view name = b.substr(at + dbf::kFieldNameOffset, dbf::kFieldNameSize);
        name = name.substr(0, std::min(name.find('\0'), name.size()));
        f.name = upperAscii(trimRight(name));
        f.type = upperAscii(b[at + dbf::kFieldTypeOffset]);
        f.width = static_cast<unsigned char>(b[at + dbf::kFieldWidthOffset]);
        f.decimals = static_cast<std::uint8_t>(b[at + dbf::kFieldDecimalsOffset]);
        f.flags = static_cast<std::uint8_t>(b[at + dbf::kFieldFlagsOffset]);
        // Character fields wider than 255 keep the high byte of the width in the decimals.
        if (f.type == 'C' && !h.isVisualFoxPro() && f.decimals > 0) {
            f.width = static_cast<std::uint16_t>(f.width | f.decimals << 8);
            f.decimals = 0;
        }
        std::uint32_t width = f.width;
        if (f.name.empty()) throw bad("a field has no name");
        if (!knownType(f.type)) throw bad("field " + f.name + " has an unknown type");
        if (width == 0) throw bad("field " + f.name + " has no width");
        if (!fixedWidthFits(f, h.isVisualFoxPro()))
            throw bad("field " + f.name + " has a wrong width for its type");
        f.offset = offset;
        offset += width;
        if (offset > h.recordLength) throw bad("the fields are wider than the record");
        bool system = h.isVisualFoxPro() && (f.flags & dbf::kFieldFlagSystem) != 0;
        (system ? h.systemFields : h.fields).push_back(f);
        if (h.fields.size() + h.systemFields.size() > 1024) throw bad("too many fields");
    }
    if (h.fields.empty()) throw bad("it has no fields");
    return h;
}

std::string encodeDbfPrefix(const DbfHeader& h) {
    std::string b(dbf::kHeaderSize, '\0');
    b[dbf::kVersionOffset] = static_cast<char>(h.version);
    encodeDbfDate(h.lastUpdate, b.data() + dbf::kDateOffset);
    storeLe32(b.data() + dbf::kRecordCountOffset, h.recordCount);
    storeLe16(b.data() + dbf::kHeaderLengthOffset, h.headerLength);
    storeLe16(b.data() + dbf::kRecordLengthOffset, h.recordLength);
    b[dbf::kIncompleteOffset] = h.incomplete ? 1 : 0;
    b[dbf::kTableFlagsOffset] = static_cast<char>(h.tableFlags);
    b[dbf::kCodePageOffset] = static_cast<char>(h.codePage);
    return b;
}

void encodeDbfDate(JulianDay day, char* at) {
    if (day <= 0) return;
    int y, m, d;
    civilDate(day, y, m, d);
    at[0] = static_cast<char>((y - 1900) & 0xFF);
    at[1] = static_cast<char>(m);
    at[2] = static_cast<char>(d);
}

std::string encodeDbfHeader(const DbfHeader& h) {
    std::string b = encodeDbfPrefix(h);
    for (const Field& f : h.fields) {
        std::string d(dbf::kDescriptorSize, '\0');
        std::memcpy(d.data() + dbf::kFieldNameOffset, f.name.data(),
                    std::min(f.name.size(), dbf::kMaxFieldName));
        d[dbf::kFieldTypeOffset] = f.type;
        storeLe32(d.data() + dbf::kFieldPlaceOffset, f.offset);
        d[dbf::kFieldWidthOffset] = static_cast<char>(f.width);
        d[dbf::kFieldDecimalsOffset] = static_cast<char>(f.decimals);
        b += d;
    }
    b += dbf::kFieldTerminator;
    return b;
}

FieldList makeFieldList(const std::vector<FieldSpec>& specs) {
    if (specs.empty()) throw Error("A table needs at least one field");
    if (specs.size() > static_cast<std::size_t>(dbf::kMaxFields))
        throw Error("A table can have at most 255 fields");
    FieldList fields;
    std::uint32_t offset = 1;
    for (const FieldSpec& s : specs) {
        Field f;
        f.name = upperAscii(s.name);
        f.type = upperAscii(s.type);
        auto bad = [&](const std::string& why) {
            return Error("Field " + (s.name.empty() ? std::string("(no name)") : s.name) + ": " +
                         why);
        };
        if (f.name.empty() || f.name.size() > dbf::kMaxFieldName)
            throw bad("a name has 1 to 10 characters");
        if (!(f.name[0] >= 'A' && f.name[0] <= 'Z')) throw bad("a name starts with a letter");
        for (char c : f.name)
            if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
                throw bad("a name has only letters, digits and _");
        if (findField(fields, f.name) != 0) throw bad("the name is used twice");
        int width = s.width, decimals = 0;
        switch (f.type) {
            case 'C':
                if (width < 1 || width > 254) throw bad("a character field is 1 to 254 wide");
                break;
            case 'N':
                if (width < 1 || width > 20) throw bad("a numeric field is 1 to 20 wide");
                decimals = s.decimals;
                if (decimals < 0 || (decimals > 0 && decimals > width - 2))
                    throw bad("the decimals do not fit the width");
                break;
            case 'D':
                width = 8;
                break;
            case 'L':
                width = 1;
                break;
            case 'M':
                width = 10;
                break;
            default:
                throw bad("the type must be C, N, D, L or M");
        }
        f.width = static_cast<std::uint16_t>(width);
        f.decimals = static_cast<std::uint8_t>(decimals);
        f.offset = offset;
        offset += static_cast<std::uint32_t>(width);
        fields.push_back(f);
    }
    if (offset > 65535) throw Error("The fields are wider than a record can be (65535 bytes)");
    return fields;
}

}  // namespace xbase
