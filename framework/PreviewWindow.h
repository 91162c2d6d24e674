#pragma once
// The print preview window: shows the pages of a recorded report one at a time in a scrolling
// area, with zoom and page navigation; it does not print. The caller owns the pages, opens the
// window modally on them with a caption of its own, and may release them once it has closed:
//
//     PreviewWindow preview(pages, QStringLiteral("Preview Labels"), this);
//     preview.exec();
//
// Zoom is a percentage of the paper's real size on the screen: at 100 one inch of paper takes
// the screen's logical DPI in pixels (96 pixels on a usual desktop).
#include <QString>

#include "framework/Dialog.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace rp {

class PreviewPageView;
class RecordedPages;

class PreviewWindow : public Dialog {
    Q_OBJECT
  public:
    static constexpr int kMinZoom = 10;
    static constexpr int kMaxZoom = 200;
    static constexpr int kZoomStep = 10;
    // The help topic of a caption that has none of its own.
    static constexpr HelpTopic::Number kNoHelpTopic{HelpTopic::None};

    explicit PreviewWindow(const RecordedPages& pages, const QString& caption = tr("Label Preview"),
                           QWidget* parent = nullptr);

    // The Help button's topic for a caption: the captions of the printing windows have one,
    // any other caption gets kNoHelpTopic (and a disabled Help button).
    static HelpTopic::Number helpTopicFor(const QString& caption);

    // Zoom percentages, all clamped to kMinZoom..kMaxZoom. The page is measured with its
    // margins; the visible area (viewport) is the page area without scroll bars.
    static int clampZoom(int zoom);
    static double pixelsPerInch(int zoom, double logicalDpi);
    // The largest zoom at which the page width fills the viewport's width; when the page is
    // then taller than the viewport, a vertical scroll bar's width is first taken from it.
    static int fitWidthZoom(QSizeF pageInches, QSize viewport, int scrollBarWidth,
                            double logicalDpi);
    // The largest zoom at which the whole page fits the viewport.
    static int fitPageZoom(QSizeF pageInches, QSize viewport, double logicalDpi);

    int zoom() const { return zoom_; }
    // Clamps and redraws the current page.
    void setZoom(int zoom);
    // The page shown, from 0.
    int currentPage() const { return page_; }

    QLabel* pageCounter() const { return counter_; }
    QScrollArea* pageArea() const { return area_; }
    PreviewPageView* pageView() const { return view_; }
    QToolButton* zoomInButton() const { return zoomIn_; }
    QToolButton* zoomOutButton() const { return zoomOut_; }
    QToolButton* zoomToWidthButton() const { return zoomWidth_; }
    QToolButton* zoomToPageButton() const { return zoomPage_; }
    QToolButton* previousButton() const { return previous_; }
    QToolButton* nextButton() const { return next_; }
    QToolButton* firstButton() const { return first_; }
    QToolButton* lastButton() const { return last_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* helpButton() const { return help_; }

  protected:
    void showEvent(QShowEvent* event) override;
    // The pages are still being recorded: only complete pages are shown, and until the report
    // has finished the counter reads "Page n of m+".
    void followRecording() { live_ = true; }
    // The pages changed while the window is open: the counter, the buttons, and the first page
    // once there is one.
    void showPagesRecorded();

  private:
    void onFormActivated();
    void showCounter();
    int shownPages() const;
    bool moreToCome() const;
    void zoomToWidth();
    void zoomToPage();
    void showPage(int page);
    QSize visibleArea() const;
    double logicalDpi() const;

    const RecordedPages& pages_;
    QScrollArea* area_;
    PreviewPageView* view_;
    QLabel* counter_;
    QToolButton *zoomIn_, *zoomOut_, *zoomWidth_, *zoomPage_;
    QToolButton *previous_, *next_, *first_, *last_;
    QPushButton *close_, *help_;
    int zoom_ = 100;
    int page_ = 0;
    bool activated_ = false;
    bool shownFirst_ = false;
    bool live_ = false;
};

}  // namespace rp
