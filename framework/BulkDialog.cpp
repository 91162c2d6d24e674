#include "framework/BulkDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"

namespace rp {
namespace {

// Pending input is handled at most this often while a loop runs.
constexpr int kEventIntervalMs = 30;

}  // namespace

BulkDialog::BulkDialog(QWidget* parent, HelpTopic::Number helpTopic)
    : Dialog(parent, helpTopic),
      events_(std::chrono::milliseconds(kEventIntervalMs), ProgressClock::steady()) {
    setModal(true);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setWhatsThis(tr("Shows how much of the work is done."));
    helpButtons_ = new QWidget(this);
    auto* helpRow = new QHBoxLayout(helpButtons_);
    helpRow->setContentsMargins(0, 0, 0, 0);
    helpRow->addWidget(makeHelpButton());
    helpRow->addWidget(makePointerHelpButton());
}

void BulkDialog::layOutParts(std::initializer_list<QWidget*> parts,
                             std::initializer_list<QWidget*> commands) {
    auto* buttons = new QHBoxLayout;
    for (QWidget* command : commands) buttons->addWidget(command);
    buttons->addStretch();
    buttons->addWidget(helpButtons_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(10);
    for (QWidget* part : parts) layout->addWidget(part);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BulkDialog::setBusy(bool busy) {
    busy_ = busy;
    if (busy) events_.restart();
}

void BulkDialog::showWorking(QWidget* choices, QWidget* progress) {
    progress->setMinimumWidth(qMax(choices->width(), choices->sizeHint().width()));
    choices->hide();
    progress->show();
    if (layout()) layout()->activate();
}

BulkHooks BulkDialog::hooks() {
    return {[this](int percent) { progress_->setValue(percent); },
            [this] { return handlePendingInput(); }};
}

bool BulkDialog::runBusy(const std::function<void()>& work) {
    setBusy(true);
    const bool ran = reportErrors(work);
    setBusy(false);
    return ran;
}

bool BulkDialog::handlePendingInput() {
    if (events_.due()) QApplication::processEvents();
    return !cancelRequested_;
}

void BulkDialog::cancelClicked() {
    if (!busy_) {
        Dialog::reject();
        return;
    }
    if (confirmCancel()) cancelRequested_ = true;
}

void BulkDialog::reject() {
    cancelClicked();
}

}  // namespace rp
