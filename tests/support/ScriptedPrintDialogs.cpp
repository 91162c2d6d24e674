#include "support/ScriptedPrintDialogs.h"

#include <QPrinter>
#include <stdexcept>

namespace rp {

bool ScriptedPrintDialogs::print(QPrinter& printer) {
    shown_.push_back({QStringLiteral("print"), printer.printerName(), printer.outputFileName()});
    if (printAnswers_.empty()) throw std::logic_error("unexpected print dialog");
    const Answer answer = printAnswers_.front();
    printAnswers_.pop_front();
    if (!answer.confirm) return false;
    printer.setPrintRange(answer.fromPage == 0 ? QPrinter::AllPages : QPrinter::PageRange);
    printer.setFromTo(answer.fromPage, answer.toPage);
    printer.setCopyCount(answer.copies);
    if (!answer.outputFile.isEmpty()) printer.setOutputFileName(answer.outputFile);
    return true;
}

bool ScriptedPrintDialogs::setup(QPrinter& printer) {
    shown_.push_back({QStringLiteral("setup"), printer.printerName(), printer.outputFileName()});
    if (setupAnswers_.empty()) throw std::logic_error("unexpected printer set-up dialog");
    const bool confirm = setupAnswers_.front();
    setupAnswers_.pop_front();
    return confirm;
}

}  // namespace rp
