#pragma once
// The status lines of a pass over the address table that counts its ZIP codes (the presort and
// the ZIP count), in the order the pass shows them.
#include <QString>
#include <cstdint>

namespace rp {

QString readingRecordsStatus();

// The record the pass has come to.
QString readingRecordStatus(std::uint32_t record);

QString sortingZipCodesStatus();

}  // namespace rp
