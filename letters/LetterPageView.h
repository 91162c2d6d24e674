#pragma once
// The page of a letter as the "Preview Letters" window shows it: a scroll area on a grey
// background holding one sheet of paper, white with a thin border and a shadow, the text of one
// page of a paginated document drawn inside the sheet's margins.
//
// The document is laid out at the screen's dpi on pages of its text size (the paper less the
// margins). At a zoom (a percentage), with page pixels = twips * dpi / 1440 (whole-number
// division), the sheet is page pixels * zoom / 100 wide and high, and each margin is
// twips * dpi / 1440 * zoom / 100 taken to the nearest pixel.
#include <QScrollArea>
#include <QSize>

#include "letters/RtfPageLayout.h"

class QTextDocument;

namespace rp {

class LetterSheet;

class LetterPageView : public QScrollArea {
    Q_OBJECT
  public:
    // Grey room around the sheet on each side, which holds its shadow.
    static constexpr int kSheetGap = 8;
    static constexpr int kShadow = 3;

    explicit LetterPageView(QWidget* parent = nullptr);

    // Paper lengths at the screen: twips * dpi / 1440, whole-number division.
    static int pagePixels(int twips, int dpi);
    // The sheet at a zoom: page pixels * zoom / 100 in each direction.
    static QSize sheetSize(const PageLayout& page, int dpi, int zoom);
    // A margin at a zoom, to the nearest pixel.
    static int marginPixels(int twips, int dpi, int zoom);
    // The text size a document is laid out on: the paper less the margins, in pixels at dpi.
    static QSizeF textPixels(const PageLayout& page, int dpi);

    // What is shown: a document laid out at dpi on pages of textPixels(page, dpi), or nothing
    // (null), from its first page. The document must outlive its showing.
    void setDocument(const QTextDocument* document, const PageLayout& page, int dpi);
    // A page (from 0) of a document laid out so, as the one before, and the zoom; the sheet
    // takes its new size and is drawn again.
    void showPage(const QTextDocument* document, int page);
    void setZoom(int zoom);

    const QTextDocument* document() const { return document_; }
    const PageLayout& page() const { return page_; }
    int dpi() const { return dpi_; }
    int pageIndex() const { return pageIndex_; }
    int zoom() const { return zoom_; }
    QSize sheetSize() const { return sheetSize(page_, dpi_, zoom_); }
    LetterSheet* sheet() const { return sheet_; }

    // The room the view has for the sheet (its frame and gaps taken off, scroll bars not).
    QSize room() const;

  signals:
    // The view was resized (a fitted zoom is worked out again).
    void resized();
    // Drawing the page failed; the cause is the text of the error. Sent once per failure, after
    // the paint has ended.
    void drawFailed(const QString& cause);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    friend class LetterSheet;

    LetterSheet* sheet_;
    const QTextDocument* document_ = nullptr;
    PageLayout page_;
    int dpi_ = 96;
    int pageIndex_ = 0;
    int zoom_ = 100;
};

// The widget inside the scroll area: the sheet with the grey gap around it.
class LetterSheet : public QWidget {
    Q_OBJECT
  public:
    explicit LetterSheet(LetterPageView& view);

    // The sheet's rectangle within the widget.
    QRect sheetRect() const;
    // Clears the record of a failed drawing, so that the next failure is told again.
    void resetFailure() { failed_ = false; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintText(QPainter& painter);

    LetterPageView& view_;
    bool failed_ = false;
};

}  // namespace rp
