#include "letters/LetterPreviewDialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "letters/LetterLayout.h"
#include "letters/LetterMerge.h"
#include "letters/LetterPageView.h"
#include "letters/LetterPages.h"
#include "letters/MergeValues.h"
#include "xbase/Table.h"

namespace rp {
LetterPreviewDialog::LetterPreviewDialog(const QTextDocument& letterTemplate,
                                         xbase::Table& addresses, QString today, QWidget* parent)
    : Dialog(parent, HelpTopic::PreviewLetters),
      template_(letterTemplate),
      addresses_(addresses),
      today_(std::move(today)),
      page_(pageLayout(letterTemplate)) {
    setWindowTitle(tr("Preview Letters"));
    setModal(true);

    view_ = new LetterPageView(this);
    view_->setAccessibleName(tr("Letter page"));
    view_->setWhatsThis(
        tr("The letter for the current record as it will print. Up and Down scroll "
           "it."));
    connect(view_, &LetterPageView::resized, this, guarded([this] { applyFit(); }));
    connect(view_, &LetterPageView::drawFailed, this,
            guarded([this](const QString& cause) { drawFailed(cause); }));

    pageLabel_ = new QLabel(tr("Page %1").arg(1), this);
    pageLabel_->setWhatsThis(tr("The page of the letter you see."));
    pageLabel_->setMinimumWidth(
        pageLabel_->fontMetrics().horizontalAdvance(tr("Page %1").arg(8888)));

    QStyle* look = style();
    firstRecord_ =
        makeToolButton(tr("First"), look->standardIcon(QStyle::SP_MediaSkipBackward),
                       tr("First Record"), tr("Shows the letter for the first record."), this);
    previousRecord_ = makeToolButton(
        tr("Previous"), look->standardIcon(QStyle::SP_MediaSeekBackward), tr("Previous Record"),
        tr("Shows the letter for the record before this one."), this);
    nextRecord_ = makeToolButton(tr("Next"), look->standardIcon(QStyle::SP_MediaSeekForward),
                                 tr("Next Record"),
                                 tr("Shows the letter for the record after this one."), this);
    lastRecord_ =
        makeToolButton(tr("Last"), look->standardIcon(QStyle::SP_MediaSkipForward),
                       tr("Last Record"), tr("Shows the letter for the last record."), this);
    zoomIn_ = makeToolButton(tr("+"), {}, tr("Zoom In"),
                             tr("Enlarges the page by a quarter, up to 150 percent."), this);
    zoomOut_ = makeToolButton(tr("-"), {}, tr("Zoom Out"),
                              tr("Reduces the page by a quarter, down to 50 percent."), this);
    zoomIn_->setAccessibleName(tr("Zoom In"));
    zoomOut_->setAccessibleName(tr("Zoom Out"));
    fitWidth_ = makeToolButton(tr("Width"), {}, tr("Fit Width"),
                               tr("Makes the width of the page fill the window."), this);
    fitPage_ = makeToolButton(tr("Page"), {}, tr("Fit Page"),
                              tr("Makes the whole page fit in the window."), this);
    previousPage_ = makeToolButton(tr("Previous Page"), look->standardIcon(QStyle::SP_ArrowUp),
                                   tr("Previous Page"),
                                   tr("Shows the page of the letter before this one."), this);
    nextPage_ =
        makeToolButton(tr("Next Page"), look->standardIcon(QStyle::SP_ArrowDown), tr("Next Page"),
                       tr("Shows the page of the letter after this one."), this);
    for (QToolButton* button : {previousPage_, nextPage_})
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(firstRecord_, &QToolButton::clicked, this,
            guarded(this, &LetterPreviewDialog::firstRecord));
    connect(previousRecord_, &QToolButton::clicked, this,
            guarded(this, &LetterPreviewDialog::previousRecord));
    connect(nextRecord_, &QToolButton::clicked, this,
            guarded(this, &LetterPreviewDialog::nextRecord));
    connect(lastRecord_, &QToolButton::clicked, this,
            guarded(this, &LetterPreviewDialog::lastRecord));
    connect(zoomIn_, &QToolButton::clicked, this, guarded(this, &LetterPreviewDialog::zoomIn));
    connect(zoomOut_, &QToolButton::clicked, this, guarded(this, &LetterPreviewDialog::zoomOut));
    connect(fitWidth_, &QToolButton::clicked, this, guarded(this, &LetterPreviewDialog::fitWidth));
    connect(fitPage_, &QToolButton::clicked, this, guarded(this, &LetterPreviewDialog::fitPage));
    connect(previousPage_, &QToolButton::clicked, this,
            guarded(this, &LetterPreviewDialog::previousPage));
    connect(nextPage_, &QToolButton::clicked, this, guarded(this, &LetterPreviewDialog::nextPage));

    close_ = makeCommandButton(tr("Close"), tr("Closes the preview."), this);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    help_ = makeHelpButton();

    // Shortcuts, so that the keys scroll the page whichever control has the focus; the scroll
    // bar keeps the step within its range.
    QScrollBar* vertical = view_->verticalScrollBar();
    connect(new QShortcut(Qt::Key_Up, this), &QShortcut::activated, vertical,
            [vertical] { vertical->triggerAction(QAbstractSlider::SliderSingleStepSub); });
    connect(new QShortcut(Qt::Key_Down, this), &QShortcut::activated, vertical,
            [vertical] { vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd); });

    auto* top = new QHBoxLayout;
    for (QToolButton* button : {firstRecord_, previousRecord_, nextRecord_, lastRecord_})
        top->addWidget(button);
    top->addSpacing(12);
    for (QToolButton* button : {zoomIn_, zoomOut_, fitWidth_, fitPage_}) top->addWidget(button);
    top->addSpacing(12);
    top->addWidget(previousPage_);
    top->addWidget(nextPage_);
    top->addWidget(pageLabel_);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(makePointerHelpButton());
    bottom->addStretch();
    bottom->addWidget(close_);
    bottom->addWidget(help_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() * 0.9 : QSize(760, 860);
    resize(std::min(760, room.width()), std::min(860, room.height()));
    showPage();
}

LetterPreviewDialog::~LetterPreviewDialog() = default;

int LetterPreviewDialog::zoomedIn(int zoom) {
    return zoom < kZoomInBelow ? static_cast<int>(zoom * 1.25) : zoom;
}

int LetterPreviewDialog::zoomedOut(int zoom) {
    return zoom > kZoomOutAbove ? std::max(kMinZoom, static_cast<int>(zoom * 0.75)) : zoom;
}

int LetterPreviewDialog::fittingZoom(int viewPixels, int pagePixels) {
    if (pagePixels <= 0) return kMinZoom;
    return std::max(kMinZoom, static_cast<int>(static_cast<double>(viewPixels) / pagePixels * 100));
}

int LetterPreviewDialog::zoom() const {
    return view_->zoom();
}

int LetterPreviewDialog::screenDpi() const {
    return view_->logicalDpiX();
}

void LetterPreviewDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    mergeCurrentRecord();
    applyFit();
}

template <typename Move>
void LetterPreviewDialog::goToRecord(Move move) {
    try {
        move();
    } catch (...) {
        showInformation(
            withCause(tr("There was an error drawing the preview"), currentErrorText()));
        return;
    }
    mergeCurrentRecord();
}

void LetterPreviewDialog::firstRecord() {
    goToRecord([this] { addresses_.goTop(); });
}

void LetterPreviewDialog::previousRecord() {
    goToRecord([this] {
        addresses_.skip(-1);
        if (addresses_.bof()) addresses_.goTop();  // stays on the first
    });
}

void LetterPreviewDialog::nextRecord() {
    goToRecord([this] {
        addresses_.skip(1);
        if (addresses_.eof()) addresses_.goBottom();  // stays on the last
    });
}

void LetterPreviewDialog::lastRecord() {
    goToRecord([this] { addresses_.goBottom(); });
}

void LetterPreviewDialog::mergeCurrentRecord() {
    std::shared_ptr<QTextDocument> merged;
    std::unique_ptr<LetterPages> pages;
    const int dpi = screenDpi();
    try {
        merged = mergedLetter(template_, readMergeRecord(addresses_, today_));
        pages = std::make_unique<LetterPages>(merged, dpi, LetterPageView::textPixels(page_, dpi));
    } catch (...) {
        showInformation(
            withCause(tr("There was an error drawing the preview"), currentErrorText()));
        return;
    }
    // The view lets go of the old pages before they are destroyed.
    view_->setDocument(pages->page(0).document.get(), page_, dpi);
    document_ = std::move(merged);
    pages_ = std::move(pages);
    pageCount_ = pages_->count();
    pageIndex_ = 0;
    pageStarts_.clear();
    showPage();
}

void LetterPreviewDialog::zoomIn() {
    if (zoom() < kZoomInBelow) setZoom(zoomedIn(zoom()), Fit::None);
}

void LetterPreviewDialog::zoomOut() {
    if (zoom() > kZoomOutAbove) setZoom(zoomedOut(zoom()), Fit::None);
}

void LetterPreviewDialog::fitWidth() {
    const int dpi = screenDpi();
    const int pageWidth = LetterPageView::pagePixels(page_.paperWidth, dpi);
    const QSize room = view_->room();
    int zoom = fittingZoom(room.width(), pageWidth);
    // A sheet taller than the view brings a vertical scroll bar, which takes from the width.
    if (LetterPageView::sheetSize(page_, dpi, zoom).height() > room.height()) {
        const int scrollBar =
            style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view_->verticalScrollBar());
        zoom = fittingZoom(room.width() - scrollBar, pageWidth);
    }
    setZoom(zoom, Fit::Width);
}

void LetterPreviewDialog::fitPage() {
    const int pageHeight = LetterPageView::pagePixels(page_.paperHeight, screenDpi());
    setZoom(fittingZoom(view_->room().height(), pageHeight), Fit::Page);
}

void LetterPreviewDialog::setZoom(int zoom, Fit fit) {
    fit_ = fit;
    view_->setZoom(zoom);
    zoomIn_->setEnabled(zoom < kZoomInBelow);
    zoomOut_->setEnabled(zoom > kZoomOutAbove);
}

void LetterPreviewDialog::applyFit() {
    if (!activated_) return;
    if (fit_ == Fit::Width)
        fitWidth();
    else if (fit_ == Fit::Page)
        fitPage();
}

void LetterPreviewDialog::previousPage() {
    if (pageStarts_.empty()) return;
    pageIndex_ = pageStarts_.back();
    pageStarts_.pop_back();
    showPage();
}

void LetterPreviewDialog::nextPage() {
    if (pageIndex_ >= pageCount_ - 1) return;  // the page shown has no continuation
    pageStarts_.push_back(pageIndex_);
    ++pageIndex_;
    showPage();
}

void LetterPreviewDialog::showPage() {
    pageLabel_->setText(tr("Page %1").arg(pageNumber()));
    previousPage_->setEnabled(!pageStarts_.empty());
    nextPage_->setEnabled(pageIndex_ < pageCount_ - 1);
    if (!pages_) return;
    const LetterPages::Page page = pages_->page(pageIndex_);
    view_->showPage(page.document.get(), page.page);
}

void LetterPreviewDialog::drawFailed(const QString& cause) {
    showInformation(withCause(tr("There was an error drawing the preview"), cause));
}

}  // namespace rp
