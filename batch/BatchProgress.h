#pragma once
// Progress of a batch pass on standard error: on a terminal, one line redrawn in place with a
// bar, the records done and the rate; elsewhere (a log, a pipe), one line per tenth.
#include <QString>
#include <chrono>
#include <cstdint>
#include <cstdio>

namespace rp {

class BatchProgress {
  public:
    // terminal: whether out is a terminal (redrawn bar) or not (lines per tenth).
    BatchProgress(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}

    void start(const QString& pass);
    void report(std::uint64_t done, std::uint64_t total);

    // The bar line for a terminal, e.g. "labels [##########          ] 50 % 5000 of 10000
    // records, 2500 records/s" (the rate left out before a tenth of a second has passed).
    static QString barLine(const QString& pass, std::uint64_t done, std::uint64_t total,
                           double seconds);
    // The line for a tenth, e.g. "labels: 50 % (5000 of 10000 records)".
    static QString tenthLine(const QString& pass, int tenth, std::uint64_t done,
                             std::uint64_t total);

  private:
    using Clock = std::chrono::steady_clock;

    std::FILE* out_;
    bool terminal_;
    QString pass_;
    int lastTenth_ = 0;
    Clock::time_point started_;
    Clock::time_point drawn_;
    bool barShown_ = false;
};

}  // namespace rp
