#include "support/ReportLog.h"

#include <stdexcept>

namespace rp {

ReportLog::ReportLog(double resolution, QPointF unprintableMargins)
    : resolution_(resolution), unprintable_(unprintableMargins) {}

bool ReportLog::begin(const ReportPaper& paper) {
    paper_ = paper;
    entries_.clear();
    pages_ = 1;
    ended_ = false;
    aborted_ = false;
    return true;
}

template <typename T>
std::vector<T> ReportLog::ofKind(int page) const {
    std::vector<T> found;
    for (const Entry& entry : entries_) {
        if (page != 0 && entry.page != page) continue;
        if (const T* op = std::get_if<T>(&entry.op)) found.push_back(*op);
    }
    return found;
}

std::vector<TextRun> ReportLog::texts(int page) const {
    return ofKind<TextRun>(page);
}

QStringList ReportLog::textStrings(int page) const {
    QStringList strings;
    for (const TextRun& run : texts(page)) strings << run.text;
    return strings;
}

TextRun ReportLog::text(const QString& text) const {
    for (const TextRun& run : texts())
        if (run.text == text) return run;
    throw std::out_of_range("no text run \"" + text.toStdString() + "\"");
}

std::vector<LineOp> ReportLog::lines(int page) const {
    return ofKind<LineOp>(page);
}

std::vector<RectOp> ReportLog::rects(int page) const {
    return ofKind<RectOp>(page);
}

std::vector<FillOp> ReportLog::fills(int page) const {
    return ofKind<FillOp>(page);
}

std::vector<ImageOp> ReportLog::images(int page) const {
    return ofKind<ImageOp>(page);
}

std::vector<DocumentPageOp> ReportLog::documentPages(int page) const {
    return ofKind<DocumentPageOp>(page);
}

}  // namespace rp
