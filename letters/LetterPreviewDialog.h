#pragma once
// The "Preview Letters" window: a letter merged with the current address record, one page at a
// time on a sheet of its paper, with buttons to move through the address records, to zoom and
// to go to the next or previous page. Help topic 1033.
//
// When first shown it merges the letter with the table's current record and lays the merged
// copy out at the screen's logical dpi; a move to another record merges again and returns to
// page 1. The zoom starts fitted to the page width; Zoom In multiplies it by 1.25 while it is
// under 150, Zoom Out by 0.75 while it is over 50 (never below 10), truncating each time. A
// zoom fitted to the width or the page is fitted again when the window is resized.
#include <QString>
#include <memory>
#include <vector>

#include "framework/Dialog.h"
#include "letters/RtfPageLayout.h"

class QLabel;
class QPushButton;
class QTextDocument;
class QToolButton;

namespace xbase {
class Table;
}

namespace rp {

class LetterPageView;
class LetterPages;

class LetterPreviewDialog : public Dialog {
    Q_OBJECT
  public:
    static constexpr int kZoomInBelow = 150;  // Zoom In works while the zoom is under this
    static constexpr int kZoomOutAbove = 50;  // Zoom Out works while the zoom is over this
    static constexpr int kMinZoom = 10;

    LetterPreviewDialog(const QTextDocument& letterTemplate, xbase::Table& addresses, QString today,
                        QWidget* parent = nullptr);
    ~LetterPreviewDialog() override;

    // The zoom after a step in or out; the zoom itself when the step is not allowed.
    static int zoomedIn(int zoom);
    static int zoomedOut(int zoom);
    // The zoom at which a length of paper fills a length of view: (int)(view / page * 100),
    // at least kMinZoom.
    static int fittingZoom(int viewPixels, int pagePixels);

    // How the zoom was last chosen: by the buttons, or fitted to the width or the whole page.
    enum class Fit { None, Width, Page };

    int zoom() const;
    Fit fit() const { return fit_; }
    int pageNumber() const { return pageIndex_ + 1; }  // the page shown, from 1
    int pageCount() const { return pageCount_; }
    // The letter merged with the current record; null before the window was first shown.
    const QTextDocument* document() const { return document_.get(); }
    int screenDpi() const;

    void firstRecord();
    void previousRecord();
    void nextRecord();
    void lastRecord();
    void zoomIn();
    void zoomOut();
    void fitWidth();
    void fitPage();
    void previousPage();
    void nextPage();

    LetterPageView* pageView() const { return view_; }
    QLabel* pageLabel() const { return pageLabel_; }
    QToolButton* firstRecordButton() const { return firstRecord_; }
    QToolButton* previousRecordButton() const { return previousRecord_; }
    QToolButton* nextRecordButton() const { return nextRecord_; }
    QToolButton* lastRecordButton() const { return lastRecord_; }
    QToolButton* zoomInButton() const { return zoomIn_; }
    QToolButton* zoomOutButton() const { return zoomOut_; }
    QToolButton* fitWidthButton() const { return fitWidth_; }
    QToolButton* fitPageButton() const { return fitPage_; }
    QToolButton* previousPageButton() const { return previousPage_; }
    QToolButton* nextPageButton() const { return nextPage_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* helpButton() const { return help_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Moves the table with move, then merges the letter with the record it stands on and shows
    // page 1. A failure is told as an error drawing the preview.
    template <class Move>
    void goToRecord(Move move);
    void mergeCurrentRecord();
    void setZoom(int zoom, Fit fit);
    void applyFit();
    void showPage();
    void drawFailed(const QString& cause);

    const QTextDocument& template_;
    xbase::Table& addresses_;
    QString today_;
    std::shared_ptr<QTextDocument> document_;
    std::unique_ptr<LetterPages> pages_;  // document_ on its pages
    PageLayout page_;
    int pageCount_ = 0;
    int pageIndex_ = 0;            // the page shown, from 0
    std::vector<int> pageStarts_;  // the pages before it that Next Page left
    Fit fit_ = Fit::Width;
    bool activated_ = false;

    LetterPageView* view_;
    QLabel* pageLabel_;
    QToolButton *firstRecord_, *previousRecord_, *nextRecord_, *lastRecord_;
    QToolButton *zoomIn_, *zoomOut_, *fitWidth_, *fitPage_;
    QToolButton *previousPage_, *nextPage_;
    QPushButton *close_, *help_;
};

}  // namespace rp
