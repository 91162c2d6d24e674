#pragma once
// The state/ZIP check: every record of the address file is compared with the state/province
// table (RVPSZCK.DBF: NAME, STATE, LOW_ZIP, HIGH_ZIP, tag STATE on UPPER(STATE)). Records
// whose state is not in the table, or whose ZIP lies outside their state's range, get their
// key added to the work index _chksz.idx, which then orders the address table by last and
// first name and lists only those records.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace xbase {
class Engine;
class Table;
}  // namespace xbase

namespace rp {

inline constexpr const char* kStateZipFile = "RVPSZCK.DBF";
inline constexpr const char* kStateZipWorkIndex = "_chksz.idx";
inline constexpr const char* kStateZipIndexKey = "upper(LNAME)+upper(FNAME)";

// Opens the state/province table from the folder (ending in a separator) in the order of its
// STATE tag. For editing it is opened exclusively and the tag is created when it is missing;
// for the check it is opened shared and a missing tag is a failure. Null on any failure, with
// the engine's text in *cause when given.
std::unique_ptr<xbase::Table> openStateZipTable(xbase::Engine& engine, const QString& folder,
                                                bool forEditing, QString* cause = nullptr);

// Whether a ZIP lies outside the range low..high, both ends included, comparing the stored
// bytes as text, each end with as many characters of the ZIP as it has: 14999-1234 lies
// within 10000..14999 (its 14999 is compared), and so does 1499, which is shorter.
bool outsideZipRange(const std::string& zip, const std::string& low, const std::string& high);

struct StateZipHooks {
    // The whole percentage done, told only while it lies strictly between 0 and 100.
    std::function<void(int percent)> progress;
    // The number of questionable records so far, told after each record.
    std::function<void(std::uint32_t found)> found;
    // Asked after each record; false stops the check there.
    std::function<bool()> keepGoing;
};

// Runs the check over the records the address table's filter lets through, in record order.
// Records with the deletion mark are passed over; so are records with a blank STATE or ZIP
// unless includeBlanks. The work index is created empty at indexPath (replacing any file
// there) and becomes the table's order, at its first record, when the check ends or is
// stopped. states must be in its STATE order; a state is looked up by its whole stored text,
// and only the first row found for it counts. Returns the number of questionable records.
std::uint32_t checkStateZip(xbase::Table& addresses, xbase::Table& states,
                            const std::string& indexPath, bool includeBlanks,
                            const StateZipHooks& hooks = {});

}  // namespace rp
