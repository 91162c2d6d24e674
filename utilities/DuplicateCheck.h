#pragma once
// The duplicate check: the address file is walked in the order of its NAME or STREET tag, so
// that equal keys are neighbours, and every record whose key equals the one before it gets
// both its own key and its neighbour's added to the work index _chkdup.idx. That index then
// orders the address table and lists only the possible duplicates.
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

namespace xbase {
class Table;
}

namespace rp {

inline constexpr const char* kDuplicateWorkIndex = "_chkdup.idx";
inline constexpr int kMaxStreetCharacters = 30;

enum class DuplicateKind {
    Name,     // last name and the whole first name
    Initial,  // last name and the first character of the first name
    Street,   // the first N characters of the street
};

// The key the work index is created on for a kind of check.
const char* duplicateIndexKey(DuplicateKind kind);
// The tag whose order the check walks for a kind of check.
const char* duplicateScanTag(DuplicateKind kind);

// The parts of one record's key: the last name and the first name or its first character, or
// the street's first characters alone. Keys are compared joined, the first part immediately
// followed by the second, as the NAME order sorts its records (trimmed last name, then first
// name), so that records with equal keys stand together in the order the check walks. A key
// whose first part is empty (no last name, or blank street characters) is never reported.
// For the initial, rest holds the first name after its first character: two records whose
// whole names join equal are alike under the initial as well, although a record whose joined
// name merely begins the same (Smith/John, SmithJ/ohn) may stand between them in the order.
struct DuplicateKey {
    std::string first;
    std::string second;
    std::string rest;
    bool skipped() const { return first.empty(); }
};

// The key of the table's current record for the kind; streetCharacters counts for Street only.
DuplicateKey duplicateKey(const xbase::Table& table, DuplicateKind kind, int streetCharacters);
// Whether two keys are equal joined, with ASCII letters folded: their first and second parts,
// or all three.
bool sameDuplicateKey(const DuplicateKey& a, const DuplicateKey& b);

// The count line a check ends with: "Found 2 possible duplicates".
QString duplicatesFoundText(std::uint32_t found);

struct DuplicateHooks {
    // The whole percentage done, told only while it lies strictly between 0 and 100.
    std::function<void(int percent)> progress;
    // The number of equal neighbour pairs so far, told after each record.
    std::function<void(std::uint32_t found)> found;
    // Asked after each record; false stops the check there.
    std::function<bool()> keepGoing;
};

// Runs the check over the records the table's filter lets through, in the kind's tag order,
// to the end of the file or until keepGoing says stop (the count taken first only drives the
// percentage). The first record visited has no neighbour before it, so it never matches.
// Records with the deletion mark are passed over and leave the previous key as it was. The
// work index is created empty at indexPath (replacing any file there); each record is added
// to it once, even the middle ones of a run of three or more. When the check ends or is
// stopped the work index is the table's order, at its first record. Returns the number of
// equal neighbour pairs: a run of three counts two. When the work index cannot be created or
// written, or the walk fails, the engine's error goes on to the caller and the table stands
// as it stood before: its query, order and record.
std::uint32_t checkDuplicates(xbase::Table& table, DuplicateKind kind, int streetCharacters,
                              const std::string& indexPath, const DuplicateHooks& hooks = {});

}  // namespace rp
