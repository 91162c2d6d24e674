#pragma once
// What "Print Letters" asks of a print or preview run of the current letter.
namespace rp {

enum class LetterRecords { All, Filtered, Current };

struct LetterPrintRequest {
    LetterRecords records = LetterRecords::Current;
    bool startFromCurrent = false;
    int copies = 1;  // of each letter, 1 to 999
    bool operator==(const LetterPrintRequest&) const = default;
};

}  // namespace rp
