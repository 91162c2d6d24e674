#pragma once
// Printing a letter once per address record: from the record the table stands on to the end of
// its view (or that record alone), each record's letter merged and laid out into the letter's
// text rectangle at the output's resolution, every copy and every continuation page on a page
// of its own.
#include <QString>
#include <functional>
#include <memory>

#include "letters/LetterLayout.h"
#include "letters/LetterMerge.h"

class QTextDocument;

namespace xbase {
class Table;
}

namespace rp {

class ReportSurface;

// Told when the letter's page leaves no text rectangle on the output.
QString noTextAreaMessage();

struct LetterRunOptions {
    int copies = 1;
    bool onlyCurrent = false;  // the current record alone
    QString today;             // "Today's Date" in the program's short date format
};

class LetterPrintRun {
  public:
    LetterPrintRun(const QTextDocument& letter, xbase::Table& addresses, LetterRunOptions options);

    // Asked after each record with the pages counted so far; false ends the run as cancelled.
    std::function<bool(int pagesCounted)> keepGoing;

    // Runs the job on the surface: begins it, prints, ends it; a cancelled run or a failure
    // aborts it (the failure is thrown on). Returns false when cancelled.
    bool run(ReportSurface& surface);

    int pagesCounted() const { return pages_; }

  private:
    void printRecord(ReportSurface& surface);
    // The letter merged with the current record: a copy of its own when the surface keeps what
    // it is given, else the one working copy with the last record's values replaced, so that a
    // letter laid out in place lays out again only what the merge changed.
    std::shared_ptr<QTextDocument> mergeCurrentRecord();

    const QTextDocument& letter_;
    xbase::Table& addresses_;
    LetterRunOptions options_;
    double dpi_ = 0;
    QRectF textRect_;  // inches from the paper's corner
    QSizeF textPixels_;
    int pages_ = 0;
    bool reuse_ = false;
    std::unique_ptr<LetterMerger> working_;
};

}  // namespace rp
