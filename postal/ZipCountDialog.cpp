#include "postal/ZipCountDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "postal/ZipCount.h"

namespace rp {
namespace {

// Pending input is handled at most this often while counting.
constexpr int kEventIntervalMs = 30;

}  // namespace

ZipCountDialog::ZipCountDialog(xbase::Table& table, QWidget* parent)
    : Dialog(parent, HelpTopic::CountZipCodes), table_(table) {
    setWindowTitle(tr("Count Zip Codes"));
    setModal(true);
    heading_ = new QLabel(tr("Counting the number of occurrences of each zip code:"), this);
    statusCaption_ = new QLabel(tr("Status:"), this);
    status_ = new QLabel(this);
    status_->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setWhatsThis(tr("Stops the count; nothing is printed."));
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (askYesNo(tr("Cancel Count?"))) cancelRequested_ = true;
    });

    panel_ = new QWidget(this);
    print_ = new QPushButton(tr("Print"), panel_);
    preview_ = new QPushButton(tr("Preview"), panel_);
    setup_ = new QPushButton(tr("Print Setup"), panel_);
    close_ = new QPushButton(tr("Close"), panel_);
    print_->setWhatsThis(tr("Prints the count of each ZIP code, four columns to a page."));
    preview_->setWhatsThis(tr("Shows the report on the screen before printing."));
    setup_->setWhatsThis(tr("Chooses the printer and its paper."));
    close_->setWhatsThis(tr("Closes this window."));
    connect(print_, &QPushButton::clicked, this, guarded([this] { printClicked(false); }));
    connect(preview_, &QPushButton::clicked, this, guarded([this] { printClicked(true); }));
    connect(setup_, &QPushButton::clicked, this, guarded([this] {
                if (printSetup) printSetup();
            }));
    connect(close_, &QPushButton::clicked, this, &ZipCountDialog::accept);
    auto* panelRow = new QHBoxLayout(panel_);
    panelRow->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {print_, preview_, setup_, close_}) panelRow->addWidget(b);

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(statusCaption_);
    statusRow->addWidget(status_, 1);
    statusRow->addWidget(cancel_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(panel_);
    bottom->addStretch();
    bottom->addWidget(makeHelpButton());
    bottom->addWidget(makePointerHelpButton());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(12);
    layout->addWidget(heading_);
    layout->addLayout(statusRow);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    statusCaption_->hide();
    status_->hide();
    cancel_->hide();
}

void ZipCountDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, [this] { runPresort(); });
}

void ZipCountDialog::setCounting(bool counting) {
    panel_->setVisible(!counting);
    cancel_->setVisible(counting);
    statusCaption_->setVisible(counting);
    status_->setVisible(counting);
}

bool ZipCountDialog::afterRecord() {
    if (sinceEvents_.hasExpired(kEventIntervalMs)) {
        QApplication::processEvents();
        sinceEvents_.restart();
    }
    return !cancelRequested_;
}

bool ZipCountDialog::runPresort() {
    if (busy_) return false;
    setCounting(true);
    status_->clear();
    busy_ = true;
    cancelRequested_ = false;
    counted_ = false;
    lines_.clear();
    sinceEvents_.start();
    // A count that fails is told and ends as a cancelled one.
    std::optional<QStringList> lines;
    reportErrors([&] {
        lines = countZipCodes(table_, {[this](const QString& s) {
                                           status_->setText(s);
                                           status_->repaint();
                                       },
                                       [this] { return afterRecord(); }});
    });
    setCounting(false);
    busy_ = false;
    if (!lines) {
        Dialog::reject();
        return false;
    }
    lines_ = *lines;
    counted_ = true;
    beep();
    heading_->setText(tr("Finished counting. Press Print or Preview for the report"));
    return true;
}

void ZipCountDialog::printClicked(bool preview) {
    if (!counted_ && !runPresort()) return;
    if (printReport) printReport(lines_, preview);
}

// While counting, closing the window asks as Cancel does.
void ZipCountDialog::reject() {
    if (busy_) {
        cancel_->click();
        return;
    }
    Dialog::reject();
}

}  // namespace rp
