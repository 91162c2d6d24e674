#pragma once
// The page shown by the print preview: one recorded page at a given number of pixels to the
// inch, on white, with a margin of 2.5 percent of the page's width at the left and right and
// of its height at the top and bottom. The widget is exactly as large as page plus margins,
// so a scroll area around it scrolls over the whole page. A screen reader finds the page as
// "Page n of m".
#include <QWidget>

#include "framework/AccessibleView.h"

namespace rp {

class RecordedPages;

class PreviewPageView : public QWidget, public AccessibleView {
    Q_OBJECT
  public:
    // Of the page's size, on each side.
    static constexpr double kMarginFraction = 0.025;

    explicit PreviewPageView(const RecordedPages& pages, QWidget* parent = nullptr);

    // The page (from 0) and the zoom; resizes to fit them and repaints.
    void showPage(int index, double pixelsPerInch);
    int pageIndex() const { return index_; }
    double pixelsPerInch() const { return pixelsPerInch_; }

    // Page plus margins in pixels, for a page of the given inches.
    static QSizeF contentSize(QSizeF pageInches, double pixelsPerInch);

    QList<AccessibleItem> accessibleItems() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const RecordedPages& pages_;
    int index_ = 0;
    double pixelsPerInch_ = 0;
};

}  // namespace rp
