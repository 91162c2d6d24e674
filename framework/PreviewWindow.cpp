#include "framework/PreviewWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "framework/PreviewPageView.h"
#include "framework/RecordedPages.h"

namespace rp {
namespace {

// Page plus margins, as a multiple of the page.
constexpr double kWithMargins = 1 + 2 * PreviewPageView::kMarginFraction;

// The zoom at which a length of paper (inches, margins included) fills a length of screen.
double zoomToFill(double inches, int pixels, double logicalDpi) {
    return 100.0 * pixels / (inches * kWithMargins * logicalDpi);
}

int wholeZoom(double zoom) {
    // Down to the whole percent, so the page never overshoots what it should fill; the small
    // allowance keeps an exact fit from losing a percent to rounding.
    const double whole = std::floor(zoom + 1e-9);
    return static_cast<int>(
        std::clamp(whole, double(PreviewWindow::kMinZoom), double(PreviewWindow::kMaxZoom)));
}

}  // namespace

PreviewWindow::PreviewWindow(const RecordedPages& pages, const QString& caption, QWidget* parent)
    : Dialog(parent, helpTopicFor(caption)), pages_(pages) {
    setWindowTitle(caption);
    setModal(true);

    area_ = new QScrollArea(this);
    area_->setAlignment(Qt::AlignCenter);
    area_->setBackgroundRole(QPalette::Dark);
    area_->setWhatsThis(tr("The page as it will print. Up and Down scroll it."));
    area_->setAccessibleName(tr("Page"));
    view_ = new PreviewPageView(pages_, area_);
    area_->setWidget(view_);

    counter_ = new QLabel(tr("Page 1 of 1"), this);
    counter_->setWhatsThis(tr("The page shown and the number of pages."));
    counter_->setMinimumWidth(counter_->fontMetrics().horizontalAdvance(tr("Page 8888 of 8888")));

    QStyle* look = style();
    zoomIn_ = makeToolButton(QStringLiteral("+"), {}, tr("Zoom in"),
                             tr("Enlarges the page by 10 percent, up to 200 percent."), this);
    zoomOut_ = makeToolButton(QStringLiteral("-"), {}, tr("Zoom out"),
                              tr("Reduces the page by 10 percent, down to 10 percent."), this);
    zoomIn_->setAccessibleName(tr("Zoom in"));
    zoomOut_->setAccessibleName(tr("Zoom out"));
    zoomWidth_ = makeToolButton(tr("Width"), {}, tr("Zoom to page width"),
                                tr("Makes the width of the page fill the window."), this);
    zoomPage_ = makeToolButton(tr("Page"), {}, tr("Zoom to whole page"),
                               tr("Makes the whole page fit in the window."), this);
    first_ = makeToolButton(tr("First"), look->standardIcon(QStyle::SP_MediaSkipBackward),
                            tr("First page"), tr("Shows the first page."), this);
    previous_ = makeToolButton(tr("Previous"), look->standardIcon(QStyle::SP_MediaSeekBackward),
                               tr("Previous page"), tr("Shows the page before this one."), this);
    next_ = makeToolButton(tr("Next"), look->standardIcon(QStyle::SP_MediaSeekForward),
                           tr("Next page"), tr("Shows the page after this one."), this);
    last_ = makeToolButton(tr("Last"), look->standardIcon(QStyle::SP_MediaSkipForward),
                           tr("Last page"), tr("Shows the last page."), this);
    connect(zoomIn_, &QToolButton::clicked, this, [this] { setZoom(zoom_ + kZoomStep); });
    connect(zoomOut_, &QToolButton::clicked, this, [this] { setZoom(zoom_ - kZoomStep); });
    connect(zoomWidth_, &QToolButton::clicked, this, &PreviewWindow::zoomToWidth);
    connect(zoomPage_, &QToolButton::clicked, this, &PreviewWindow::zoomToPage);
    connect(first_, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(previous_, &QToolButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QToolButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last_, &QToolButton::clicked, this, [this] { showPage(shownPages() - 1); });

    close_ = new QPushButton(tr("Close"), this);
    close_->setDefault(true);
    close_->setWhatsThis(tr("Closes the preview."));
    connect(close_, &QPushButton::clicked, this, &PreviewWindow::accept);
    help_ = makeHelpButton();
    help_->setEnabled(helpTopic() != kNoHelpTopic);

    // Shortcuts, so the keys scroll the page whichever control has the focus; the scroll bar
    // keeps the step within its range, so the page stops at either end.
    QScrollBar* vertical = area_->verticalScrollBar();
    connect(new QShortcut(Qt::Key_Up, this), &QShortcut::activated, vertical,
            [vertical] { vertical->triggerAction(QAbstractSlider::SliderSingleStepSub); });
    connect(new QShortcut(Qt::Key_Down, this), &QShortcut::activated, vertical,
            [vertical] { vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd); });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(counter_);
    for (QToolButton* button :
         {zoomIn_, zoomOut_, zoomWidth_, zoomPage_, first_, previous_, next_, last_})
        bottom->addWidget(button);
    bottom->addStretch();
    bottom->addWidget(close_);
    bottom->addWidget(help_);
    bottom->addWidget(makePointerHelpButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area_, 1);
    layout->addLayout(bottom);

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() * 0.9 : QSize(760, 860);
    resize(std::min(760, room.width()), std::min(860, room.height()));
}

HelpTopic::Number PreviewWindow::helpTopicFor(const QString& caption) {
    // The caption as given or as translated here: callers translate it in their own context.
    const struct {
        const char* caption;
        HelpTopic::Number topic;
    } kTopics[] = {
        {QT_TR_NOOP("Preview Envelope"), HelpTopic::PreviewEnvelope},
        {QT_TR_NOOP("Preview Labels"), HelpTopic::PreviewLabels},
        {QT_TR_NOOP("Preview Report"), HelpTopic::PreviewReport},
        {QT_TR_NOOP("Preview Zipcode Count"), HelpTopic::PreviewZipCount},
    };
    for (const auto& t : kTopics)
        if (caption == QLatin1String(t.caption) || caption == tr(t.caption)) return t.topic;
    return kNoHelpTopic;
}

int PreviewWindow::clampZoom(int zoom) {
    return std::clamp(zoom, kMinZoom, kMaxZoom);
}

double PreviewWindow::pixelsPerInch(int zoom, double logicalDpi) {
    return zoom / 100.0 * logicalDpi;
}

int PreviewWindow::fitWidthZoom(QSizeF pageInches, QSize viewport, int scrollBarWidth,
                                double logicalDpi) {
    const int zoom = wholeZoom(zoomToFill(pageInches.width(), viewport.width(), logicalDpi));
    const double height =
        PreviewPageView::contentSize(pageInches, pixelsPerInch(zoom, logicalDpi)).height();
    if (height <= viewport.height()) return zoom;
    return wholeZoom(zoomToFill(pageInches.width(), viewport.width() - scrollBarWidth, logicalDpi));
}

int PreviewWindow::fitPageZoom(QSizeF pageInches, QSize viewport, double logicalDpi) {
    return wholeZoom(std::min(zoomToFill(pageInches.width(), viewport.width(), logicalDpi),
                              zoomToFill(pageInches.height(), viewport.height(), logicalDpi)));
}

void PreviewWindow::setZoom(int zoom) {
    zoom_ = clampZoom(zoom);
    view_->showPage(page_, pixelsPerInch(zoom_, logicalDpi()));
}

void PreviewWindow::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (activated_) return;
    activated_ = true;
    onFormActivated();
}

void PreviewWindow::onFormActivated() {
    showPagesRecorded();
    if (!shownFirst_) zoomToWidth();
}

int PreviewWindow::shownPages() const {
    return live_ ? pages_.completePages() : pages_.pageCount();
}

bool PreviewWindow::moreToCome() const {
    return live_ && !pages_.finished();
}

void PreviewWindow::showPagesRecorded() {
    const bool several = pages_.pageCount() >= 2 || moreToCome();
    previous_->setVisible(several);
    next_->setVisible(several);
    if (!shownFirst_ && shownPages() > 0) {
        // The first page: its paper is known now.
        shownFirst_ = true;
        showPage(0);
        zoomToWidth();
        return;
    }
    showCounter();
}

void PreviewWindow::showCounter() {
    const int pages = shownPages();
    if (pages == 0) {
        // Nothing recorded yet; a report that recorded nothing keeps the first text.
        if (moreToCome()) counter_->clear();
        return;
    }
    counter_->setText(moreToCome() ? tr("Page %1 of %2+").arg(page_ + 1).arg(pages)
                                   : tr("Page %1 of %2").arg(page_ + 1).arg(pages));
}

void PreviewWindow::zoomToWidth() {
    const int scrollBar =
        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_->verticalScrollBar());
    setZoom(fitWidthZoom(pages_.pageSize(), visibleArea(), scrollBar, logicalDpi()));
}

void PreviewWindow::zoomToPage() {
    setZoom(fitPageZoom(pages_.pageSize(), visibleArea(), logicalDpi()));
}

void PreviewWindow::showPage(int page) {
    // A run that recorded nothing leaves the counter at its first text; a page still being
    // recorded is not shown.
    if (shownPages() == 0) return;
    shownFirst_ = true;
    page_ = std::clamp(page, 0, shownPages() - 1);
    showCounter();
    view_->showPage(page_, pixelsPerInch(zoom_, logicalDpi()));
}

QSize PreviewWindow::visibleArea() const {
    return area_->maximumViewportSize();
}

double PreviewWindow::logicalDpi() const {
    return view_->logicalDpiX();
}

}  // namespace rp
