#include "import/AsciiMatching.h"

namespace rp {

AsciiMatching::AsciiMatching(const ImportLayout& layout) {
    for (const ImportColumn& c : layout.columns) matches_.append(c.match);
}

void AsciiMatching::select(int row) {
    if (row >= 0 && row < rowCount()) selected_ = row;
}

bool AsciiMatching::buttonEnabled(const QString& caption) const {
    return caption == kNoMatchCaption || caption == kMemoCaption || !matches_.contains(caption);
}

void AsciiMatching::choose(const QString& caption) {
    if (selected_ >= rowCount() || !buttonEnabled(caption)) return;
    matches_[selected_] = caption == kNoMatchCaption ? QString() : caption;
    if (selected_ + 1 < rowCount()) ++selected_;
}

bool AsciiMatching::saveTo(ImportLayout& layout) const {
    for (int row = 0; row < rowCount() && row < layout.columnCount(); ++row)
        layout.columns[static_cast<std::size_t>(row)].match = matches_[row].left(kMaxMatchLength);
    return layout.anyMatch();
}

}  // namespace rp
