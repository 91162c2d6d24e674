#include "app/MemoSearchProgress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace rp {
namespace {

// The label is this many average characters wide; a longer text ends in "…".
constexpr int kTextChars = 44;

}  // namespace

MemoSearchProgress::MemoSearchProgress(const QString& text, QWidget* parent,
                                       const ProgressClock& clock)
    : Dialog(parent, HelpTopic::RecordPage),
      events_(std::chrono::milliseconds(kEventIntervalMs), clock) {
    setWindowTitle(tr("Searching"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const int width = fontMetrics().averageCharWidth() * kTextChars;
    text_ = new QLabel(
        fontMetrics().elidedText(tr("Searching for: %1").arg(text), Qt::ElideRight, width), this);
    text_->setMinimumWidth(width);
    text_->setToolTip(text);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setWhatsThis(tr("Stops the search and goes back to the record you were on."));
    connect(cancel_, &QPushButton::clicked, this, &MemoSearchProgress::reject);

    layOutAboveButton(text_, cancel_);
}

bool MemoSearchProgress::afterRecord() {
    if (events_.due()) QCoreApplication::processEvents();
    return !cancelled_;
}

void MemoSearchProgress::reject() {
    cancelled_ = true;
    Dialog::reject();
}

}  // namespace rp
