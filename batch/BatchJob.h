#pragma once
// What every ravenpost-batch command shares: the data folder (--home, under the program's rules,
// with the delivered side files copied in when missing), the address file opened shared or
// exclusively, the records chosen (--filter, --where, --order), progress on standard error, and the
// stop that Ctrl+C asks for.
#include <QString>
#include <cstdint>
#include <functional>

#include "batch/BatchArgs.h"
#include "batch/BatchProgress.h"
#include "data/AddressTable.h"
#include "xbase/Engine.h"

namespace rp {

// The options every command that walks the address file takes.
OptionNames commonOptions();

class BatchJob {
  public:
    // Resolves the data folder and opens the address file (the second positional argument):
    // shared for the jobs that only read it, exclusively for those that change it. As in the
    // program, records marked deleted are hidden. Throws
    // BatchError when either cannot be had (for an exclusive open, with the program's message
    // that the file is in use).
    BatchJob(const BatchArgs& args, const QString& executableFolder,
             xbase::OpenMode mode = xbase::OpenMode::Shared);

    const BatchArgs& args() const { return args_; }
    const QString& dataFolder() const { return dataFolder_; }
    xbase::Engine& engine() { return engine_; }
    xbase::Table& table() { return table_.table(); }
    AddressTable& addressTable() { return table_; }

    // Sets the view: every record but those marked deleted, or --filter and the Filter page
    // lines of --where (both when both are given) joined to that condition; the order --order
    // names. Throws BatchError for a bad expression (with its position), an unusable --where
    // line or an unknown tag.
    void chooseRecords();

    // Stands on the record --record names, for the commands that print one record: throws
    // BatchError naming the option when the file has no such record, or when it is one the
    // program hides (marked deleted, or PREFIX "DELETED").
    void goToRecordOption();

    // Starts a pass over the records (its name leads its progress lines); recordDone() counts
    // them against total.
    void startPass(const QString& name, std::uint64_t total = 0);
    // Called after each record of a pass started with its total: keepGoing for the next count.
    bool recordDone() { return keepGoing(++done_, total_); }
    // The short date format of the data folder's RAVENP.INI.
    QString shortDateFormat() const;
    // Called after each record: tells the progress of done records out of total (unless
    // --quiet) and says whether to go on (false once Ctrl+C was pressed).
    bool keepGoing(std::uint64_t done, std::uint64_t total);
    static bool stopRequested();

  private:
    const BatchArgs& args_;
    QString dataFolder_;
    xbase::Engine engine_;
    AddressTable table_;
    BatchProgress progress_;
    std::uint64_t done_ = 0;
    std::uint64_t total_ = 0;
};

// Installs the Ctrl+C handler that asks running jobs to stop.
void installStopHandler();

}  // namespace rp
