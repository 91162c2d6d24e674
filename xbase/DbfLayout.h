#pragma once
// Where things lie in a DBF file: the 32-byte header, the field descriptors after it, and the
// version, flag and mark values the engine reads and writes. Integers are little-endian.
//
//   offset  size  header field
//        0     1  version (kPlain, kDbase3Memo, kDbase4Memo, kFoxPro2Memo, 0x30 to 0x32 for
//                 Visual FoxPro ...)
//        1     3  date of last update: year - 1900, month, day
//        4     4  record count
//        8     2  header length: these 32 bytes, the descriptors, the end mark and, in Visual
//                 FoxPro tables, the 263-byte backlink
//       10     2  record length, the deletion mark included
//       12     2  zero
//       14     1  dBase IV's "incomplete transaction" byte, kept set while the structural index
//                 on disk may not reflect the records
//       15     1  zero
//       16     4  the engine's change counter: raised under the header lock by every change a
//                 shared open makes (a record appended, changed, deleted or recalled), so that
//                 other opens see a change of any field (Table::othersChanged). The FoxPro
//                 family and dBase leave bytes 16 to 27 reserved and ignore them; exclusive
//                 opens leave the counter alone.
//       20     8  the engine's writers at work (little-endian): bit n set while a shared open
//                 holding writer slot n (LockScheme::writerSlot) is in a run of changes, bit 63
//                 once a writer ended a run its index may have missed (see Table.h, "Crash
//                 safety"); reserved and ignored by the family as above
//       28     1  table flags: kFlagStructuralIndex, kFlagVfpMemo
//       29     1  code page mark (kCodePage1252)
//       30     2  zero
//
// From offset 32, one 32-byte descriptor a field, ended by kFieldTerminator:
//
//   offset  size  descriptor field
//        0    11  name, zero-padded (at most 10 characters)
//       11     1  type letter
//       12     4  the field's offset in the record (written; readers work it out from widths)
//       16     1  width (a wide character field's low byte)
//       17     1  decimals (a wide character field's high byte of the width, outside Visual
//                 FoxPro)
//       18     1  field flags (Visual FoxPro: 0x01 for a system field such as _NullFlags)
//       19    13  zero
//
// The records follow the header: a deletion mark (' ' or '*') and the fields, then kEndOfFile.
#include <cstddef>
#include <cstdint>

namespace xbase::dbf {

constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kVersionOffset = 0;
constexpr std::size_t kDateOffset = 1;
constexpr std::size_t kDateSize = 3;
constexpr std::size_t kRecordCountOffset = 4;
constexpr std::size_t kRecordCountSize = 4;
constexpr std::size_t kHeaderLengthOffset = 8;
constexpr std::size_t kRecordLengthOffset = 10;
constexpr std::size_t kLengthSize = 2;
constexpr std::size_t kIncompleteOffset = 14;
constexpr std::size_t kChangeCountOffset = 16;
constexpr std::size_t kChangeCountSize = 4;
constexpr std::size_t kWritersOffset = 20;
constexpr std::size_t kWritersSize = 8;
constexpr std::size_t kTableFlagsOffset = 28;
constexpr std::size_t kCodePageOffset = 29;

static_assert(kDateOffset == kVersionOffset + 1);
// The date and the count are written together, in one write.
static_assert(kRecordCountOffset == kDateOffset + kDateSize);
static_assert(kHeaderLengthOffset == kRecordCountOffset + kRecordCountSize);
static_assert(kRecordLengthOffset == kHeaderLengthOffset + kLengthSize);
static_assert(kIncompleteOffset > kRecordLengthOffset + kLengthSize);
static_assert(kChangeCountOffset > kIncompleteOffset + 1);  // byte 15 is dBase's encryption flag
static_assert(kWritersOffset == kChangeCountOffset + kChangeCountSize);
static_assert(kTableFlagsOffset == kWritersOffset + kWritersSize);
static_assert(kCodePageOffset == kTableFlagsOffset + 1);
static_assert(kCodePageOffset < kHeaderSize);

constexpr std::size_t kDescriptorSize = 32;
constexpr std::size_t kFieldNameOffset = 0;
constexpr std::size_t kFieldNameSize = 11;
constexpr std::size_t kFieldTypeOffset = 11;
constexpr std::size_t kFieldPlaceOffset = 12;
constexpr std::size_t kFieldPlaceSize = 4;
constexpr std::size_t kFieldWidthOffset = 16;
constexpr std::size_t kFieldDecimalsOffset = 17;
constexpr std::size_t kFieldFlagsOffset = 18;
constexpr std::size_t kMaxFieldName = 10;

static_assert(kFieldTypeOffset == kFieldNameOffset + kFieldNameSize);
static_assert(kFieldPlaceOffset == kFieldTypeOffset + 1);
static_assert(kFieldWidthOffset == kFieldPlaceOffset + kFieldPlaceSize);
static_assert(kFieldDecimalsOffset == kFieldWidthOffset + 1);
static_assert(kFieldFlagsOffset == kFieldDecimalsOffset + 1);
static_assert(kFieldFlagsOffset < kDescriptorSize);
static_assert(kMaxFieldName < kFieldNameSize);  // a full name keeps one zero after it

constexpr std::uint8_t kPlain = 0x03;
constexpr std::uint8_t kFoxPro2Memo = 0xF5;
constexpr std::uint8_t kDbase3Memo = 0x83;
constexpr std::uint8_t kDbase4Memo = 0x8B;
constexpr std::uint8_t kCodePage1252 = 0x03;
constexpr std::uint8_t kFlagStructuralIndex = 0x01;
constexpr std::uint8_t kFlagVfpMemo = 0x02;
constexpr std::uint8_t kFieldFlagSystem = 0x01;
constexpr std::size_t kVfpBacklink = 263;
constexpr char kFieldTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr char kDeleted = '*';
constexpr char kNotDeleted = ' ';
constexpr int kMaxFields = 255;

}  // namespace xbase::dbf
