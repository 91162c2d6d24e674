#pragma once
// One run of a command of the main window: its preparations in order, its dialog unless a
// preparation stopped or skipped it, then the restorations of whatever was prepared, each
// run even when the dialog or another restoration failed. A failure is told to the user
// once everything is back.
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "app/CommandContext.h"
#include "app/CommandHost.h"
#include "app/CommandPlan.h"

namespace rp {

class CommandRun {
  public:
    CommandRun(CommandHost& host, const CommandPlan& plan, const CommandDialog& dialog);
    void run();

  private:
    enum class Outcome { Go, Stop, SkipDialog };
    Outcome prepare(Prepare step);
    void restore(Restore step);
    bool openSideFile(bool mayCreate);
    void fail(const std::exception& e);

    CommandHost& host_;
    const CommandPlan& plan_;
    const CommandDialog& dialog_;
    std::vector<Prepare> done_;
    CommandContext context_;
    AddressTable own_;
    QString path_;
    QString sharedPath_;  // the file AloneWhenShared took from the window's shared open
    std::uint32_t record_ = 0;
    std::string query_;
    QString failure_;
    QString sideFileCause_;  // why the side file could not be opened
};

}  // namespace rp
