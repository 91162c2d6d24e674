#pragma once
// The bulk-mail presort's work: count the ZIP keys of the address table's current view and
// write the presort list PRESORT.PSL, which the label print run walks line by line.
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace xbase {
class Table;
}

namespace rp {

inline const QString kPresortFileName = QStringLiteral("PRESORT.PSL");

// The reading pass shows the record number when it is a multiple of this.
inline constexpr std::uint32_t kStatusInterval = 100;

struct PresortHooks {
    // Shows a status line; may be empty.
    std::function<void(const QString&)> status;
    // Runs after every record read; false when a cancel has been confirmed, which ends the
    // reading pass. May be empty.
    std::function<bool()> afterRecord;
};

enum class PresortResult {
    Done,       // the list was written
    Cancelled,  // a cancel was confirmed during the reading pass; no file was written
    Failed,     // the table could not be read or the file not written; the user was told
};

// What the presort counts for each ZIP: every record, or (for one label per household) the
// households and the records that stand alone (data/Households.h), as many as pieces are
// printed.
enum class PresortCount { Records, Households };

// Reads the ZIP of every record in the table's current view (filter and hidden deleted
// records honoured) in natural order, which the table keeps afterwards, and on a completed
// pass writes the list into folder as PRESORT.PSL. The file is replaced only once the new one
// is complete: after a cancel or a failure any earlier file is as it was.
PresortResult runPresort(xbase::Table& table, const QString& folder, const PresortHooks& hooks = {},
                         PresortCount count = PresortCount::Records);

// The list file's bytes: every line ended by CR LF.
std::string presortFileText(const std::vector<std::string>& lines);

// folder + PRESORT.PSL, a separator put between them when folder lacks one.
QString presortFilePath(const QString& folder);

}  // namespace rp
