#include "batch/BatchProgress.h"

#include <QCoreApplication>

namespace rp {
namespace {

constexpr int kBarWidth = 20;
// A terminal line is redrawn at most this often, and at the end of the pass.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

QString BatchProgress::barLine(const QString& pass, std::uint64_t done, std::uint64_t total,
                               double seconds) {
    const std::uint64_t percent = total == 0 ? 100 : done * 100 / total;
    const int filled = static_cast<int>(percent * kBarWidth / 100);
    QString line = QCoreApplication::translate("BatchProgress", "%1 [%2%3] %4 % %5 of %6 records")
                       .arg(pass, QString(filled, QLatin1Char('#')),
                            QString(kBarWidth - filled, QLatin1Char(' ')))
                       .arg(percent)
                       .arg(done)
                       .arg(total);
    if (seconds >= 0.1)
        line += QCoreApplication::translate("BatchProgress", ", %1 records/s")
                    .arg(static_cast<std::uint64_t>(done / seconds));
    return line;
}

QString BatchProgress::tenthLine(const QString& pass, int tenth, std::uint64_t done,
                                 std::uint64_t total) {
    return QCoreApplication::translate("BatchProgress", "%1: %2 % (%3 of %4 records)")
        .arg(pass)
        .arg(tenth * 10)
        .arg(done)
        .arg(total);
}

void BatchProgress::start(const QString& pass) {
    pass_ = pass;
    lastTenth_ = 0;
    started_ = Clock::now();
    drawn_ = {};
    barShown_ = false;
}

void BatchProgress::report(std::uint64_t done, std::uint64_t total) {
    if (total == 0) return;
    if (!terminal_) {
        const int tenth = static_cast<int>(done * 10 / total);
        if (tenth <= lastTenth_) return;
        lastTenth_ = tenth;
        std::fprintf(out_, "%s\n", tenthLine(pass_, tenth, done, total).toLocal8Bit().constData());
        std::fflush(out_);
        return;
    }
    const Clock::time_point now = Clock::now();
    const bool last = done >= total;
    if (!last && barShown_ && now - drawn_ < kRedrawInterval) return;
    drawn_ = now;
    barShown_ = true;
    const double seconds = std::chrono::duration<double>(now - started_).count();
    // \r and the erase-to-end-of-line control redraw the line in place.
    std::fprintf(out_, "\r%s\x1b[K%s",
                 barLine(pass_, done, total, seconds).toLocal8Bit().constData(), last ? "\n" : "");
    std::fflush(out_);
}

}  // namespace rp
