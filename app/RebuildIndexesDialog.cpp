#include "app/RebuildIndexesDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/RebuildIndexes.h"
#include "data/AddressTable.h"
#include "framework/ErrorReport.h"

namespace rp {
namespace {

// The status line shows this many average characters, the longest status with room to spare.
constexpr int kStatusChars = 48;

}  // namespace

RebuildIndexesDialog::RebuildIndexesDialog(AddressTable& table, const QString& sideFolder,
                                           QWidget* parent)
    : Dialog(parent, kHelpTopic), table_(table), sideFolder_(sideFolder) {
    setWindowTitle(tr("Rebuild indexes for %1").arg(QFileInfo(table.fileName()).fileName()));

    gauge_ = new QProgressBar(this);
    gauge_->setRange(0, 100);
    gauge_->setValue(0);
    gauge_->setWhatsThis(tr("How far the rebuilding of the address file has come."));
    // The gauge keeps its place while hidden, so that the dialog does not change size.
    QSizePolicy keepPlace = gauge_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    gauge_->setSizePolicy(keepPlace);
    gauge_->hide();

    status_ = new QLabel(this);
    status_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    status_->setMargin(2);
    status_->setMinimumWidth(status_->fontMetrics().averageCharWidth() * kStatusChars);
    status_->setWhatsThis(tr("What is being rebuilt."));

    reindex_ = new QPushButton(tr("Reindex"), this);
    reindex_->setDefault(true);
    reindex_->setWhatsThis(
        tr("Removes the deleted records from the address file for good and builds "
           "the indexes of the address file and of the program's own tables afresh."));
    connect(reindex_, &QPushButton::clicked, this, &RebuildIndexesDialog::onReindexClicked);

    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(tr("Closes the window and leaves the files as they are."));
    connect(cancel_, &QPushButton::clicked, this, &RebuildIndexesDialog::onCancelClicked);

    help_ = makeHelpButton();
    pointerHelp_ = makePointerHelpButton();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pointerHelp_);
    buttons->addStretch();
    buttons->addWidget(reindex_);
    buttons->addWidget(cancel_);
    buttons->addWidget(help_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gauge_);
    layout->addWidget(status_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RebuildIndexesDialog::reject() {
    if (!working_) Dialog::reject();
}

void RebuildIndexesDialog::onReindexClicked() {
    setWorking(true);
    const auto status = [this](const QString& text) { showStatus(text); };
    // A failure is told, and the window ends as after a rebuild: the command reopens the file.
    reportErrors([&] {
        rebuildAddressIndexes(table_, progress_, status, [this](int value) { showGauge(value); });
        gauge_->hide();
        rebuildSideIndexes(table_.engine(), sideFolder_, status);
    });
    gauge_->setValue(0);
    setWorking(false);
    progress_.reset();
    accept();
}

void RebuildIndexesDialog::onCancelClicked() {
    gauge_->hide();
    reject();
}

void RebuildIndexesDialog::showStatus(const QString& text) {
    status_->setText(text);
    emit statusShown(text);
    QApplication::processEvents();
}

void RebuildIndexesDialog::showGauge(int value) {
    gauge_->setValue(value);
    QApplication::processEvents();
}

void RebuildIndexesDialog::setWorking(bool working) {
    working_ = working;
    gauge_->setVisible(working);
    reindex_->setEnabled(!working);
    cancel_->setVisible(!working);
    help_->setVisible(!working);
    pointerHelp_->setVisible(!working);
}

}  // namespace rp
