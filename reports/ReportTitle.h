#pragma once
// The list report's title as the page heading prints it: on one line, and cut with an ellipsis
// where it would run into the page number. The title box of "Print Report" keeps it on one
// line as it is typed or pasted.
#include <QString>
#include <QValidator>

namespace rp {

class ReportCanvas;

// Each line break (CR LF, LF, CR, or the line and paragraph separators) becomes one blank.
QString titleOnOneLine(const QString& title);

// The title on one line, no wider than room inches in the canvas's current font: the longest
// beginning that fits with an ellipsis after it, when the whole does not fit.
QString titleInRoom(const ReportCanvas& canvas, const QString& title, double room);

// Puts line breaks that reach the title box (a paste, a stored title) on one line.
class TitleValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace rp
