#pragma once
// What "Print Letters" asks of a print or preview run of the current letter.
#include "mailpiece/PrintRecords.h"

namespace rp {

using LetterRecords = PrintRecords;

struct LetterPrintRequest {
    LetterRecords records = LetterRecords::Current;
    bool startFromCurrent = false;
    int copies = 1;  // of each letter, 1 to 999
    bool operator==(const LetterPrintRequest&) const = default;
};

}  // namespace rp
