#include "app/MemoSearch.h"

#include <QCoreApplication>
#include <QWidget>

#include "app/MemoSearchProgress.h"
#include "framework/Messages.h"

namespace rp {
namespace {

// Keeps a widget from repainting for the life of the object.
class FrozenDisplay {
  public:
    explicit FrozenDisplay(QWidget* widget)
        : widget_(widget && widget->updatesEnabled() ? widget : nullptr) {
        if (widget_) widget_->setUpdatesEnabled(false);
    }
    FrozenDisplay(const FrozenDisplay&) = delete;
    FrozenDisplay& operator=(const FrozenDisplay&) = delete;
    ~FrozenDisplay() {
        if (widget_) widget_->setUpdatesEnabled(true);
    }

  private:
    QWidget* widget_;
};

}  // namespace

void MemoSearch::setText(const QString& text) {
    text_ = text.left(kMemoTextLimit);
    found_ = false;
}

bool MemoSearch::find(xbase::Table& table, MemoWalkStart start, const MemoWalkStep& step) {
    found_ = walkMemos(table, text_, start, step);
    if (!found_) beep();
    return found_;
}

bool findTextInMemo(MemoSearch& search, xbase::Table& table, MemoWalkStart start, QWidget* parent,
                    QWidget* list) {
    // The window closes when it goes out of scope, after the walk and its beep.
    MemoSearchProgress window(search.text(), parent);
    window.show();
    QCoreApplication::processEvents();
    const FrozenDisplay frozen(list);
    return search.find(table, start, [&window] { return window.afterRecord(); });
}

}  // namespace rp
