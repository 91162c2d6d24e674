#include "postal/PresortDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"

namespace rp {
namespace {

// The status line is this many average characters wide.
constexpr int kStatusChars = 32;
// The presort is run from Print Labels; its help topic serves this window too.

}  // namespace

PresortDialog::PresortDialog(xbase::Table& table, const QString& folder, QWidget* parent,
                             PresortCount count)
    : Dialog(parent, HelpTopic::PrintLabels), table_(table), folder_(folder), count_(count) {
    setWindowTitle(tr("Bulk Mail Presorting"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    status_ = new QLabel(this);
    status_->setMinimumWidth(fontMetrics().averageCharWidth() * kStatusChars);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setWhatsThis(tr("Stops the presort; the labels are not printed in presort order."));
    connect(cancel_, &QPushButton::clicked, this, &PresortDialog::onCancelClicked);

    layOutAboveButton(status_, cancel_);
}

bool PresortDialog::run(xbase::Table& table, const QString& folder, QWidget* parent,
                        PresortCount count) {
    PresortDialog window(table, folder, parent, count);
    window.exec();
    return window.doneCheck();
}

void PresortDialog::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    if (started_) return;
    started_ = true;
    QTimer::singleShot(0, this, &PresortDialog::onFormActivated);
}

void PresortDialog::onFormActivated() {
    PresortHooks hooks;
    hooks.status = [this](const QString& text) { status_->setText(text); };
    hooks.afterRecord = [this] { return afterRecord(); };
    // A presort that fails is told and ends the window as a failed one.
    PresortResult result = PresortResult::Failed;
    reportErrors([&] { result = runPresort(table_, folder_, hooks, count_); });
    completed_ = result == PresortResult::Done;
    const int code = doneCheck() ? QDialog::Accepted : QDialog::Rejected;
    QMetaObject::invokeMethod(
        this, [this, code] { done(code); }, Qt::QueuedConnection);
}

bool PresortDialog::afterRecord() {
    if (!sinceEvents_.isValid() || sinceEvents_.hasExpired(kEventIntervalMs)) {
        QCoreApplication::processEvents();
        sinceEvents_.start();
    }
    return !cancelRequested_;
}

void PresortDialog::onCancelClicked() {
    if (askYesNo(tr("Cancel PRESORT?"))) cancelRequested_ = true;
}

void PresortDialog::reject() {
    onCancelClicked();
}

}  // namespace rp
