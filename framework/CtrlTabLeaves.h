#pragma once
// For a text editor that types Tab into its text (a letter, links of a help page): Ctrl+Tab
// and Ctrl+Shift+Tab leave it for the window's next or previous control, as in Qt's own
// editors' convention.
class QWidget;

namespace rp {

void letCtrlTabLeave(QWidget* editor);

}  // namespace rp
