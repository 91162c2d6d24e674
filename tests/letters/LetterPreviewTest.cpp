// The "Preview Letters" window offscreen over a real address file of three records and a letter
// two pages long: the merge of the current record, the record and page buttons, the zoom steps
// and fits, the sheet's size and what is drawn on it, and a table the letter cannot be merged
// with.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextDocument>
#include <QToolButton>
#include <memory>
#include <stdexcept>

#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "letters/LetterDocument.h"
#include "letters/LetterPageView.h"
#include "letters/LetterPreviewDialog.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "tests/letters/PageLines.h"
#include "xbase/Engine.h"

namespace rp {
namespace {

class LetterPreviewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.settings.hideDeleted = true;
        ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
        for (const auto& [first, last] : {std::pair{"Jane", "Public"}, std::pair{"John", "Smith"},
                                          std::pair{"Mary", "Major"}}) {
            addresses->appendBlank();
            addresses->setText("FNAME", first);
            addresses->setText("LNAME", last);
            addresses->post();
        }
        addresses->setOrder(0);
        addresses->goTop();
        letter = newLetterDocument();
        QString text = QStringLiteral("Dear [First] [Last],\n");
        for (int i = 1; i <= 70; ++i)
            text += QStringLiteral("Line %1 of the letter, long enough to be seen.\n").arg(i);
        letter->setPlainText(text);
    }

    QString folder() const { return QString::fromStdString(dir.path()) + QLatin1Char('/'); }

    std::unique_ptr<LetterPreviewDialog> shownDialog(xbase::Table& table) {
        auto dialog =
            std::make_unique<LetterPreviewDialog>(*letter, table, QStringLiteral("12/08/2026"));
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }
    std::unique_ptr<LetterPreviewDialog> shownDialog() { return shownDialog(addresses.table()); }

    static QString text(const LetterPreviewDialog& d) {
        return d.document() ? d.document()->toPlainText() : QString();
    }

    TempDir dir;
    xbase::Engine engine;
    AddressTable addresses{engine};
    std::unique_ptr<QTextDocument> letter;
    ScriptedMessages shown;
    MessagesScope scope{shown};
};

TEST_F(LetterPreviewTest, FirstShowsTheLetterMergedWithTheCurrentRecordOnPageOne) {
    auto d = shownDialog();
    EXPECT_EQ(d->windowTitle(), "Preview Letters");
    EXPECT_EQ(d->helpTopic(), HelpTopic::PreviewLetters);
    ASSERT_NE(d->document(), nullptr);
    EXPECT_TRUE(text(*d).startsWith("Dear Jane Public,"));
    EXPECT_FALSE(text(*d).contains("[First]"));
    EXPECT_FALSE(text(*d).contains("[Last]"));
    EXPECT_TRUE(letter->toPlainText().contains("[First]"));  // the letter itself is untouched
    EXPECT_EQ(d->pageCount(), 2);
    EXPECT_EQ(d->pageNumber(), 1);
    EXPECT_EQ(d->pageLabel()->text(), "Page 1");
    EXPECT_FALSE(d->previousPageButton()->isEnabled());
    EXPECT_TRUE(d->nextPageButton()->isEnabled());
    EXPECT_TRUE(shown.texts().isEmpty());
    // Laid out at the screen's dpi on the text size of the page.
    const PageLayout page = pageLayout(*letter);
    const int dpi = d->screenDpi();
    EXPECT_DOUBLE_EQ(d->document()->pageSize().width(),
                     (page.paperWidth - page.leftMargin - page.rightMargin) * dpi / 1440.0);
    EXPECT_EQ(d->firstRecordButton()->toolTip(), "First Record");
    EXPECT_EQ(d->nextPageButton()->toolTip(), "Next Page");
    EXPECT_EQ(d->closeButton()->text(), "Close");
    EXPECT_EQ(d->helpButton()->text(), "Help");
}

TEST_F(LetterPreviewTest, RecordButtonsMergeTheirRecordAndReturnToPageOne) {
    auto d = shownDialog();
    d->nextPage();
    ASSERT_EQ(d->pageNumber(), 2);
    d->nextRecordButton()->click();
    EXPECT_EQ(addresses->recNo(), 2u);
    EXPECT_TRUE(text(*d).startsWith("Dear John Smith,"));
    EXPECT_EQ(d->pageNumber(), 1);
    EXPECT_EQ(d->pageLabel()->text(), "Page 1");
    EXPECT_FALSE(d->previousPageButton()->isEnabled());  // the page stack starts empty

    d->lastRecord();
    EXPECT_TRUE(text(*d).startsWith("Dear Mary Major,"));
    d->nextRecord();  // stays on the last
    EXPECT_EQ(addresses->recNo(), 3u);
    EXPECT_TRUE(text(*d).startsWith("Dear Mary Major,"));
    d->previousRecord();
    EXPECT_TRUE(text(*d).startsWith("Dear John Smith,"));
    d->firstRecord();
    EXPECT_TRUE(text(*d).startsWith("Dear Jane Public,"));
    d->previousRecordButton()->click();  // stays on the first
    EXPECT_EQ(addresses->recNo(), 1u);
    EXPECT_TRUE(text(*d).startsWith("Dear Jane Public,"));
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(LetterPreviewTest, NextAndPreviousPageFollowTheLabelAndStopAtTheEnds) {
    auto d = shownDialog();
    d->nextPageButton()->click();
    EXPECT_EQ(d->pageNumber(), 2);
    EXPECT_EQ(d->pageLabel()->text(), "Page 2");
    EXPECT_EQ(d->pageView()->pageIndex(), 1);
    EXPECT_FALSE(d->nextPageButton()->isEnabled());  // the last page has no continuation
    EXPECT_TRUE(d->previousPageButton()->isEnabled());
    d->nextPage();
    EXPECT_EQ(d->pageNumber(), 2);

    d->previousPageButton()->click();
    EXPECT_EQ(d->pageNumber(), 1);
    EXPECT_EQ(d->pageLabel()->text(), "Page 1");
    EXPECT_EQ(d->pageView()->pageIndex(), 0);
    d->previousPage();  // nothing left on the stack
    EXPECT_EQ(d->pageNumber(), 1);
    EXPECT_TRUE(d->nextPageButton()->isEnabled());
}

TEST_F(LetterPreviewTest, ZoomStepsTruncateAndStopAtTheirLimits) {
    EXPECT_EQ(LetterPreviewDialog::zoomedIn(93), 116);   // 116.25
    EXPECT_EQ(LetterPreviewDialog::zoomedIn(149), 186);  // still under 150
    EXPECT_EQ(LetterPreviewDialog::zoomedIn(150), 150);
    EXPECT_EQ(LetterPreviewDialog::zoomedOut(93), 69);  // 69.75
    EXPECT_EQ(LetterPreviewDialog::zoomedOut(51), 38);
    EXPECT_EQ(LetterPreviewDialog::zoomedOut(50), 50);
    EXPECT_EQ(LetterPreviewDialog::fittingZoom(700, 816), 85);  // 85.78
    EXPECT_EQ(LetterPreviewDialog::fittingZoom(816, 816), 100);
    EXPECT_EQ(LetterPreviewDialog::fittingZoom(20, 816), 10);  // never below 10

    auto d = shownDialog();
    d->fitWidth();
    int zoom = d->zoom();
    int steps = 0;
    while (zoom < 150 && steps++ < 20) {
        d->zoomInButton()->click();
        EXPECT_EQ(d->zoom(), static_cast<int>(zoom * 1.25));
        zoom = d->zoom();
    }
    EXPECT_GE(d->zoom(), 150);
    EXPECT_FALSE(d->zoomInButton()->isEnabled());
    d->zoomIn();
    EXPECT_EQ(d->zoom(), zoom);
    EXPECT_EQ(d->fit(), LetterPreviewDialog::Fit::None);

    steps = 0;
    while (zoom > 50 && steps++ < 20) {
        d->zoomOutButton()->click();
        EXPECT_EQ(d->zoom(), static_cast<int>(zoom * 0.75));
        zoom = d->zoom();
    }
    EXPECT_LE(d->zoom(), 50);
    EXPECT_FALSE(d->zoomOutButton()->isEnabled());
    d->zoomOut();
    EXPECT_EQ(d->zoom(), zoom);
}

TEST_F(LetterPreviewTest, FitsFollowTheViewAndAreFittedAgainOnResize) {
    auto d = shownDialog();
    const int dpi = d->screenDpi();
    const PageLayout page = pageLayout(*letter);
    const int pageWidth = page.paperWidth * dpi / 1440;
    const int pageHeight = page.paperHeight * dpi / 1440;
    const int scrollBar = d->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                  d->pageView()->verticalScrollBar());

    // Fitted to the width when first shown; a tall sheet leaves room for its scroll bar.
    EXPECT_EQ(d->fit(), LetterPreviewDialog::Fit::Width);
    QSize room = d->pageView()->room();
    EXPECT_EQ(d->zoom(),
              static_cast<int>(static_cast<double>(room.width() - scrollBar) / pageWidth * 100));

    d->fitPageButton()->click();
    EXPECT_EQ(d->fit(), LetterPreviewDialog::Fit::Page);
    EXPECT_EQ(d->zoom(), static_cast<int>(static_cast<double>(room.height()) / pageHeight * 100));
    EXPECT_LE(d->pageView()->sheetSize().height(), room.height());

    // A resize fits the page again.
    const int before = d->zoom();
    d->resize(d->width() - 100, d->height() - 150);
    QApplication::processEvents();
    room = d->pageView()->room();
    EXPECT_EQ(d->zoom(), static_cast<int>(static_cast<double>(room.height()) / pageHeight * 100));
    EXPECT_LT(d->zoom(), before);

    // A zoom of the buttons' own stays as it is.
    ASSERT_LT(d->zoom(), 150);
    d->zoomIn();
    EXPECT_EQ(d->fit(), LetterPreviewDialog::Fit::None);
    const int zoomed = d->zoom();
    d->resize(d->width() + 100, d->height() + 150);
    QApplication::processEvents();
    EXPECT_EQ(d->zoom(), zoomed);
}

TEST_F(LetterPreviewTest, TheSheetIsThePaperAtTheZoomWithTheTextInsideTheMargins) {
    const PageLayout letterPaper;  // 8.5 x 11 inches, 1-inch margins
    EXPECT_EQ(LetterPageView::sheetSize(letterPaper, 96, 100), QSize(816, 1056));
    EXPECT_EQ(LetterPageView::sheetSize(letterPaper, 96, 75), QSize(612, 792));
    EXPECT_EQ(LetterPageView::sheetSize(letterPaper, 96, 93), QSize(758, 982));  // 758.88, 982.08
    EXPECT_EQ(LetterPageView::marginPixels(1440, 96, 93), 89);                   // 89.28
    EXPECT_EQ(LetterPageView::marginPixels(1800, 96, 93), 112);                  // 111.6

    auto d = shownDialog();
    d->zoomOut();
    const int zoom = d->zoom();
    const int dpi = d->screenDpi();
    const QSize sheet = LetterPageView::sheetSize(letterPaper, dpi, zoom);
    EXPECT_EQ(d->pageView()->sheetSize(), sheet);
    EXPECT_EQ(d->pageView()->sheet()->size(),
              sheet + QSize(2 * LetterPageView::kSheetGap, 2 * LetterPageView::kSheetGap));

    const QImage image = d->pageView()->sheet()->grab().toImage();
    const QRect paper = d->pageView()->sheet()->sheetRect();
    const int margin = LetterPageView::marginPixels(1440, dpi, zoom);
    const auto dark = [&](QRect area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128) return true;
        return false;
    };
    // White margins (inside the border), text in the text rectangle, grey outside the sheet.
    EXPECT_FALSE(dark(QRect(paper.left() + 2, paper.top() + 2, margin - 3, paper.height() - 4)));
    EXPECT_FALSE(dark(QRect(paper.left() + 2, paper.top() + 2, paper.width() - 4, margin - 3)));
    EXPECT_TRUE(dark(
        QRect(paper.left() + margin, paper.top() + margin, paper.width() / 2, paper.height() / 4)));
    EXPECT_NE(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(paper.left() + 2, paper.top() + 2), qRgb(255, 255, 255));
}

TEST_F(LetterPreviewTest, AFailedMergeIsToldOnceAsAnErrorDrawingThePreview) {
    // A table without the address fields: reading the record for the merge fails.
    engine.create(folder().toStdString() + "OTHER.DBF", {{"NAME", 'C', 10, 0}});
    auto other = engine.open(folder().toStdString() + "OTHER.DBF", xbase::OpenMode::Exclusive);
    other->appendBlank();
    other->post();
    other->goTop();
    auto d = shownDialog(*other);
    QApplication::processEvents();
    ASSERT_EQ(shown.texts().size(), 1);
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(shown.texts()[0],
              "There was an error drawing the preview\r\nOTHER: there is no field named PREFIX");
    EXPECT_EQ(d->document(), nullptr);
    d->nextRecord();
    EXPECT_EQ(shown.texts().size(), 2);
}

TEST_F(LetterPreviewTest, ALongLettersPagesFollowEachOtherAcrossItsParts) {
    QStringList lines;
    for (int i = 1; i <= 1500; ++i)
        lines << QStringLiteral("Line %1 of the letter, long enough to be seen.").arg(i);
    letter->setPlainText(QStringLiteral("Dear [First] [Last],\n") + lines.join(QLatin1Char('\n')));
    auto d = shownDialog();
    QStringList shown;
    const QTextDocument* firstPart = d->pageView()->document();
    bool otherPart = false;
    for (int page = 1; page <= d->pageCount(); ++page) {
        EXPECT_EQ(d->pageLabel()->text(), QStringLiteral("Page %1").arg(page));
        const QTextDocument* part = d->pageView()->document();
        otherPart = otherPart || part != firstPart;
        shown << linesOnPage(*part, d->pageView()->pageIndex());
        d->nextPage();
    }
    EXPECT_TRUE(otherPart);
    EXPECT_EQ(shown, QStringList{"Dear Jane Public,"} + lines);
    EXPECT_FALSE(d->nextPageButton()->isEnabled());
}

// A layout whose drawing fails, as a document's layout could on a bad font or a full memory.
class FailingLayout : public QAbstractTextDocumentLayout {
  public:
    using QAbstractTextDocumentLayout::QAbstractTextDocumentLayout;
    void draw(QPainter*, const PaintContext&) override {
        ++draws;
        throw std::runtime_error("the page cannot be drawn");
    }
    int hitTest(const QPointF&, Qt::HitTestAccuracy) const override { return -1; }
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override { return {100, 100}; }
    QRectF frameBoundingRect(QTextFrame*) const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock&) const override { return {}; }
    void documentChanged(int, int, int) override {}
    int draws = 0;
};

TEST_F(LetterPreviewTest, AFailedDrawingIsReportedOnceAfterThePaint) {
    QTextDocument document;
    auto* layout = new FailingLayout(&document);
    document.setDocumentLayout(layout);
    document.setPageSize({600, 800});
    LetterPageView view;
    QStringList causes;
    QObject::connect(&view, &LetterPageView::drawFailed,
                     [&](const QString& cause) { causes << cause; });
    view.setDocument(&document, PageLayout{}, 96);
    view.setZoom(50);
    view.resize(500, 600);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QApplication::processEvents();
    EXPECT_EQ(causes, QStringList{"the page cannot be drawn"});
    // Painted again, the page is left blank rather than failing again.
    view.sheet()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(causes.size(), 1);
    EXPECT_EQ(layout->draws, 1);
    // A new document is drawn afresh, and a new failure is told.
    view.setDocument(&document, PageLayout{}, 96);
    view.sheet()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(causes.size(), 2);

    // The window tells the user of the failure its view reports.
    auto d = shownDialog();
    emit d->pageView()->drawFailed(QStringLiteral("the page cannot be drawn"));
    EXPECT_EQ(shown.texts(), QStringList{"There was an error drawing the preview\r\n"
                                         "the page cannot be drawn"});
}

TEST_F(LetterPreviewTest, UpAndDownScrollThePageView) {
    auto d = shownDialog();
    d->fitWidth();
    QScrollBar* bar = d->pageView()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(d.get(), Qt::Key_Down);
    EXPECT_EQ(bar->value(), bar->singleStep());
    QTest::keyClick(d.get(), Qt::Key_Up);
    EXPECT_EQ(bar->value(), 0);
}

}  // namespace
}  // namespace rp
