#pragma once
// The memo search of the record page: "Search Memo" asks for a text and searches from the
// first record; "Find Next" searches on from the record after the current one. The text is
// kept between the two, and "Find Next" is offered exactly while the last search found it.
#include <QString>

#include "app/MemoWalk.h"

class QWidget;

namespace xbase {
class Table;
}

namespace rp {

class MemoSearch {
  public:
    // A new text (cut to kMemoTextLimit characters); the last search's finding is forgotten.
    void setText(const QString& text);
    const QString& text() const { return text_; }
    // The last search found the text: "Find Next" is shown.
    bool found() const { return found_; }

    // Walks for the text (see walkMemos) and keeps whether it was found; beeps when not.
    bool find(xbase::Table& table, MemoWalkStart start, const MemoWalkStep& step);

  private:
    QString text_;
    bool found_ = false;
};

// find() with the "Searching" window over parent, which handles pending events during the
// walk and stops it on Cancel, and with list not repainted while the table moves (may be
// null). The window closes when the walk ends.
bool findTextInMemo(MemoSearch& search, xbase::Table& table, MemoWalkStart start, QWidget* parent,
                    QWidget* list);

}  // namespace rp
