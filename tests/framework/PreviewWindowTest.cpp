// The print preview window: zoom rules and the fits (exact numbers), page navigation and its
// counter, the buttons shown for one page, the help topic of each caption, the Up and Down
// keys, and the page painted in the scrolling area.
#include "framework/PreviewWindow.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include "framework/PreviewPageView.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"

namespace {

using rp::PreviewPageView;
using rp::PreviewWindow;
using rp::RecordedPages;
using rp::ReportCanvas;

const QSizeF kLetter(8.5, 11);

// Pages whose text says their number, on Letter paper.
void record(RecordedPages& pages, int count) {
    ReportCanvas canvas(pages);
    canvas.setMarginLeft(1);
    canvas.setMarginTop(1);
    ASSERT_TRUE(canvas.start());
    for (int page = 1; page <= count; ++page) {
        if (page > 1) canvas.newPage();
        canvas.println(QStringLiteral("Page %1").arg(page));
        canvas.shadeRectangle(QRectF(1, 2, 4, 3), 100);
    }
    canvas.finish();
}

// A preview on count recorded pages, shown (offscreen) as its caller would open it.
struct ShownPreview {
    explicit ShownPreview(int count, const QString& caption = QStringLiteral("Label Preview")) {
        record(pages, count);
        form = std::make_unique<PreviewWindow>(pages, caption);
        form->show();
    }
    RecordedPages pages;
    std::unique_ptr<PreviewWindow> form;
};

int scrollBarWidth(const PreviewWindow& form) {
    return form.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                     form.pageArea()->verticalScrollBar());
}

TEST(PreviewZoomRules, ClampedToTenAndTwoHundred) {
    EXPECT_EQ(PreviewWindow::clampZoom(5), 10);
    EXPECT_EQ(PreviewWindow::clampZoom(10), 10);
    EXPECT_EQ(PreviewWindow::clampZoom(137), 137);
    EXPECT_EQ(PreviewWindow::clampZoom(200), 200);
    EXPECT_EQ(PreviewWindow::clampZoom(201), 200);
}

TEST(PreviewZoomRules, OneHundredPercentIsOneInchToTheLogicalDpi) {
    EXPECT_DOUBLE_EQ(PreviewWindow::pixelsPerInch(100, 96), 96);
    EXPECT_DOUBLE_EQ(PreviewWindow::pixelsPerInch(50, 96), 48);
    EXPECT_DOUBLE_EQ(PreviewWindow::pixelsPerInch(150, 120), 180);
}

TEST(PreviewZoomRules, FitWidthLeavesRoomForTheScrollBarWhenThePageIsTaller) {
    // 8.5 in with margins at 96 dpi is 856.8 px at 100: 800 px hold 93.37 percent, at which
    // the page is 1031 px high, taller than 600, so 784 px are left: 91.5 percent.
    EXPECT_EQ(PreviewWindow::fitWidthZoom(kLetter, QSize(800, 600), 16, 96), 91);
    // Without the scroll bar rule the zoom would have been 93.
    EXPECT_EQ(PreviewWindow::fitWidthZoom(kLetter, QSize(800, 600), 0, 96), 93);
}

TEST(PreviewZoomRules, FitWidthUsesTheWholeWidthWhenThePageFitsInHeight) {
    // At 93 percent the page is 1031.2 px high: it fits 1100 px, so no scroll bar is needed.
    EXPECT_EQ(PreviewWindow::fitWidthZoom(kLetter, QSize(800, 1100), 16, 96), 93);
    // Landscape Letter, 11 in wide: 1108.8 px at 100; 1000 px hold 90.19 percent, at which
    // the page is 771.1 px high: it fits 772 px, but in 771 the scroll bar's 17 px go.
    EXPECT_EQ(PreviewWindow::fitWidthZoom(QSizeF(11, 8.5), QSize(1000, 772), 17, 96), 90);
    EXPECT_EQ(PreviewWindow::fitWidthZoom(QSizeF(11, 8.5), QSize(1000, 771), 17, 96), 88);
}

TEST(PreviewZoomRules, FitWidthExactFitKeepsItsPercent) {
    // 10 in plus margins at 100 dpi at 50 percent is exactly 525 px.
    EXPECT_EQ(PreviewWindow::fitWidthZoom(QSizeF(10, 1), QSize(525, 400), 16, 100), 50);
    EXPECT_EQ(PreviewWindow::fitWidthZoom(QSizeF(10, 1), QSize(524, 400), 16, 100), 49);
}

TEST(PreviewZoomRules, FitPageTakesTheSmallerOfWidthAndHeight) {
    // Width allows 93.37, height 600 / 1108.8 = 54.11.
    EXPECT_EQ(PreviewWindow::fitPageZoom(kLetter, QSize(800, 600), 96), 54);
    // A wide, low envelope: height allows 600 / (4.125 * 1.05 * 96) = 144.3, width 800 /
    // (9.5 * 1.05 * 96) = 83.5.
    EXPECT_EQ(PreviewWindow::fitPageZoom(QSizeF(9.5, 4.125), QSize(800, 600), 96), 83);
}

TEST(PreviewZoomRules, FitsStayWithinTheZoomRange) {
    EXPECT_EQ(PreviewWindow::fitPageZoom(QSizeF(1, 1), QSize(2000, 2000), 96), 200);
    EXPECT_EQ(PreviewWindow::fitWidthZoom(QSizeF(1, 1), QSize(2000, 2000), 16, 96), 200);
    EXPECT_EQ(PreviewWindow::fitPageZoom(kLetter, QSize(50, 50), 96), 10);
    EXPECT_EQ(PreviewWindow::fitWidthZoom(kLetter, QSize(50, 50), 16, 96), 10);
}

TEST(PreviewZoomButtons, StepByTenAndStopAtTheLimits) {
    ShownPreview preview(1);
    PreviewWindow& form = *preview.form;
    form.setZoom(15);
    form.zoomOutButton()->click();
    EXPECT_EQ(form.zoom(), 10);
    form.zoomOutButton()->click();
    EXPECT_EQ(form.zoom(), 10);
    form.setZoom(195);
    form.zoomInButton()->click();
    EXPECT_EQ(form.zoom(), 200);
    form.zoomInButton()->click();
    EXPECT_EQ(form.zoom(), 200);
    form.setZoom(100);
    form.zoomInButton()->click();
    EXPECT_EQ(form.zoom(), 110);
    form.zoomOutButton()->click();
    form.zoomOutButton()->click();
    EXPECT_EQ(form.zoom(), 90);
    form.setZoom(-30);
    EXPECT_EQ(form.zoom(), 10);
}

TEST(PreviewZoomButtons, RedrawThePageAtTheNewSize) {
    ShownPreview preview(1);
    PreviewWindow& form = *preview.form;
    form.setZoom(100);
    const double dpi = form.pageView()->logicalDpiX();
    EXPECT_DOUBLE_EQ(form.pageView()->pixelsPerInch(), dpi);
    EXPECT_EQ(form.pageView()->width(), qCeil(8.5 * 1.05 * dpi));
    form.zoomInButton()->click();
    EXPECT_DOUBLE_EQ(form.pageView()->pixelsPerInch(), 1.1 * dpi);
    EXPECT_EQ(form.pageView()->height(), qCeil(11 * 1.05 * 1.1 * dpi));
}

TEST(PreviewZoomButtons, FitButtonsUseTheVisibleArea) {
    ShownPreview preview(2);
    PreviewWindow& form = *preview.form;
    const QSize visible = form.pageArea()->maximumViewportSize();
    const double dpi = form.pageView()->logicalDpiX();
    const int scrollBar = scrollBarWidth(form);
    form.setZoom(10);
    form.zoomToPageButton()->click();
    EXPECT_EQ(form.zoom(), PreviewWindow::fitPageZoom(kLetter, visible, dpi));
    // The whole page is in view: nothing to scroll.
    EXPECT_LE(form.pageView()->width(), visible.width());
    EXPECT_LE(form.pageView()->height(), visible.height());
    form.zoomToWidthButton()->click();
    EXPECT_EQ(form.zoom(), PreviewWindow::fitWidthZoom(kLetter, visible, scrollBar, dpi));
    EXPECT_GT(form.zoom(), PreviewWindow::fitPageZoom(kLetter, visible, dpi));
}

TEST(PreviewFirstActivation, OnePageShowsItsCounterAndNoPreviousOrNext) {
    ShownPreview preview(1);
    PreviewWindow& form = *preview.form;
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 1 of 1"));
    EXPECT_FALSE(form.previousButton()->isVisible());
    EXPECT_FALSE(form.nextButton()->isVisible());
    EXPECT_TRUE(form.firstButton()->isVisible());
    EXPECT_TRUE(form.lastButton()->isVisible());
}

TEST(PreviewFirstActivation, SeveralPagesStartOnTheFirstAtPageWidth) {
    ShownPreview preview(3);
    PreviewWindow& form = *preview.form;
    EXPECT_EQ(form.currentPage(), 0);
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 1 of 3"));
    EXPECT_TRUE(form.previousButton()->isVisible());
    EXPECT_TRUE(form.nextButton()->isVisible());
    const int scrollBar = scrollBarWidth(form);
    EXPECT_EQ(form.zoom(),
              PreviewWindow::fitWidthZoom(kLetter, form.pageArea()->maximumViewportSize(),
                                          scrollBar, form.pageView()->logicalDpiX()));
    // The page width fits: no horizontal scroll bar.
    EXPECT_EQ(form.pageArea()->horizontalScrollBar()->maximum(), 0);
}

TEST(PreviewFirstActivation, OnlyTheFirstShowResetsPageAndZoom) {
    ShownPreview preview(3);
    PreviewWindow& form = *preview.form;
    form.lastButton()->click();
    form.setZoom(40);
    form.hide();
    form.show();
    EXPECT_EQ(form.currentPage(), 2);
    EXPECT_EQ(form.zoom(), 40);
}

TEST(PreviewFirstActivation, CaptionIsTheCallers) {
    ShownPreview preview(1, QStringLiteral("Preview Report"));
    EXPECT_EQ(preview.form->windowTitle(), QStringLiteral("Preview Report"));
    RecordedPages pages;
    EXPECT_EQ(PreviewWindow(pages).windowTitle(), QStringLiteral("Label Preview"));
}

TEST(PreviewNavigation, FirstLastPreviousNextAndTheCounter) {
    ShownPreview preview(3);
    PreviewWindow& form = *preview.form;
    form.nextButton()->click();
    EXPECT_EQ(form.currentPage(), 1);
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 2 of 3"));
    form.lastButton()->click();
    EXPECT_EQ(form.currentPage(), 2);
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 3 of 3"));
    EXPECT_EQ(form.pageView()->pageIndex(), 2);
    form.previousButton()->click();
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 2 of 3"));
    form.firstButton()->click();
    EXPECT_EQ(form.currentPage(), 0);
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 1 of 3"));
    EXPECT_EQ(form.pageView()->pageIndex(), 0);
}

TEST(PreviewNavigation, NextOnTheLastPageAndPreviousOnTheFirstStay) {
    ShownPreview preview(3);
    PreviewWindow& form = *preview.form;
    form.lastButton()->click();
    form.nextButton()->click();
    EXPECT_EQ(form.currentPage(), 2);
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 3 of 3"));
    form.firstButton()->click();
    form.previousButton()->click();
    EXPECT_EQ(form.currentPage(), 0);
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 1 of 3"));
}

TEST(PreviewNavigation, AnEmptyRecordingKeepsTheFirstCounter) {
    RecordedPages pages;
    PreviewWindow form(pages);
    form.show();
    form.lastButton()->click();
    form.firstButton()->click();
    EXPECT_EQ(form.currentPage(), 0);
    EXPECT_EQ(form.pageCounter()->text(), QStringLiteral("Page 1 of 1"));
    EXPECT_FALSE(form.nextButton()->isVisible());
    EXPECT_FALSE(form.previousButton()->isVisible());
}

TEST(PreviewNavigation, TurningAPageKeepsTheZoom) {
    ShownPreview preview(3);
    PreviewWindow& form = *preview.form;
    form.setZoom(70);
    form.nextButton()->click();
    EXPECT_EQ(form.zoom(), 70);
    EXPECT_DOUBLE_EQ(form.pageView()->pixelsPerInch(), 0.7 * form.pageView()->logicalDpiX());
}

TEST(PreviewHelp, TopicComesFromTheCaption) {
    EXPECT_EQ(PreviewWindow::helpTopicFor(QStringLiteral("Preview Envelope")), 1031);
    EXPECT_EQ(PreviewWindow::helpTopicFor(QStringLiteral("Preview Labels")), 1032);
    EXPECT_EQ(PreviewWindow::helpTopicFor(QStringLiteral("Preview Report")), 1034);
    EXPECT_EQ(PreviewWindow::helpTopicFor(QStringLiteral("Preview Zipcode Count")), 4572);
    EXPECT_EQ(PreviewWindow::helpTopicFor(QStringLiteral("Label Preview")),
              PreviewWindow::kNoHelpTopic);
    EXPECT_EQ(PreviewWindow::helpTopicFor(QStringLiteral("preview labels")),
              PreviewWindow::kNoHelpTopic);
}

TEST(PreviewHelp, HelpButtonOpensTheCaptionsTopicOrIsDisabled) {
    RecordedPages pages;
    record(pages, 1);
    PreviewWindow zip(pages, QStringLiteral("Preview Zipcode Count"));
    EXPECT_EQ(zip.helpTopic(), 4572);
    EXPECT_EQ(zip.helpButton()->text(), QStringLiteral("Help"));
    EXPECT_TRUE(zip.helpButton()->isEnabled());
    PreviewWindow plain(pages);
    EXPECT_EQ(plain.helpTopic(), PreviewWindow::kNoHelpTopic);
    EXPECT_FALSE(plain.helpButton()->isEnabled());
}

TEST(PreviewControls, CloseIsTheDefaultAndClosesTheWindow) {
    ShownPreview preview(1);
    PreviewWindow& form = *preview.form;
    EXPECT_TRUE(form.isModal());
    EXPECT_EQ(form.closeButton()->text(), QStringLiteral("Close"));
    EXPECT_TRUE(form.closeButton()->isDefault());
    form.closeButton()->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(PreviewControls, EveryButtonExplainsItself) {
    RecordedPages pages;
    PreviewWindow form(pages);
    for (QToolButton* button : {form.zoomInButton(), form.zoomOutButton(), form.zoomToWidthButton(),
                                form.zoomToPageButton(), form.previousButton(), form.nextButton(),
                                form.firstButton(), form.lastButton()}) {
        EXPECT_FALSE(button->toolTip().isEmpty()) << button->text().toStdString();
        EXPECT_FALSE(button->whatsThis().isEmpty()) << button->text().toStdString();
    }
    EXPECT_FALSE(form.closeButton()->whatsThis().isEmpty());
}

// The window active (keys reach only the active window) with a page taller than the area.
QScrollBar* activeAtFullZoom(PreviewWindow& form) {
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    form.setZoom(200);
    QScrollBar* bar = form.pageArea()->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 2 * bar->singleStep());
    return bar;
}

TEST(PreviewKeys, UpAndDownScrollOneStepWithinTheArea) {
    ShownPreview preview(1);
    PreviewWindow& form = *preview.form;
    QScrollBar* bar = activeAtFullZoom(form);
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(bar->value(), bar->singleStep());
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(bar->value(), 2 * bar->singleStep());
    QTest::keyClick(&form, Qt::Key_Up);
    QTest::keyClick(&form, Qt::Key_Up);
    QTest::keyClick(&form, Qt::Key_Up);
    EXPECT_EQ(bar->value(), 0);
    bar->setValue(bar->maximum());
    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST(PreviewKeys, ArrowsScrollWhicheverControlHasTheFocus) {
    ShownPreview preview(3);
    PreviewWindow& form = *preview.form;
    QScrollBar* bar = activeAtFullZoom(form);
    for (QWidget* control :
         std::initializer_list<QWidget*>{form.nextButton(), form.closeButton(), form.pageArea()}) {
        bar->setValue(0);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Down);
        EXPECT_EQ(bar->value(), bar->singleStep()) << control->metaObject()->className();
    }
}

TEST(PreviewPainting, ThePageIsDrawnInsideItsMargin) {
    ShownPreview preview(2);
    PreviewWindow& form = *preview.form;
    form.setZoom(50);
    form.nextButton()->click();
    const QImage image = form.pageView()->grab().toImage();
    const double ppi = form.pageView()->pixelsPerInch();
    const double margin = 8.5 * ppi * PreviewPageView::kMarginFraction;
    const double top = 11 * ppi * PreviewPageView::kMarginFraction;
    // The black band recorded from (1, 2) to (5, 5) inches, 1 inch from the section's left.
    auto at = [&](double x, double y) {
        return image.pixelColor(qRound(margin + x * ppi), qRound(top + y * ppi));
    };
    EXPECT_EQ(at(3, 3.5), QColor(Qt::black));
    EXPECT_EQ(at(6, 3.5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), QColor(Qt::white));
}

}  // namespace
