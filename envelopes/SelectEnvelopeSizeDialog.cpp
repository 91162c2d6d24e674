#include "envelopes/SelectEnvelopeSizeDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "envelopes/EnvelopeLayouts.h"
#include "envelopes/EnvelopeSizeDialog.h"
#include "envelopes/SideRows.h"
#include "framework/ErrorReport.h"
#include "framework/RecordGrid.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

SelectEnvelopeSizeDialog::SelectEnvelopeSizeDialog(xbase::Table& sizes, const QString& envName,
                                                   QWidget* parent)
    : Dialog(parent, HelpTopic::SelectEnvelopeSize), sizes_(sizes) {
    setWindowTitle(tr("Select Envelope Size"));
    editSize = [this](const EnvelopeSize& initial, bool editing) {
        return EnvelopeSizeDialog::run(initial, editing, this);
    };

    locateEnvelopeSize(sizes_, envName);

    model_ = new SideGridModel(sizes_, envelopeGridColumns(kEnvelopeSizeColumns),
                               kEnvelopeGridOptions, this);
    grid_ = makeRecordGrid(this);
    grid_->setModel(model_);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setWordWrap(false);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->setWhatsThis(tr("The envelope sizes. Choose one and press OK."));
    grid_->setAccessibleName(tr("Envelope sizes"));
    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            guarded([this] { rowClicked(); }));

    new_ = new QPushButton(tr("New"), this);
    new_->setWhatsThis(tr("Adds an envelope size of your own."));
    edit_ = new QPushButton(tr("Edit"), this);
    edit_->setWhatsThis(tr("Changes an envelope size you added."));
    delete_ = new QPushButton(tr("Delete"), this);
    delete_->setWhatsThis(tr("Deletes an envelope size you added."));
    ok_ = new QPushButton(tr("OK"), this);
    ok_->setDefault(true);
    ok_->setWhatsThis(tr("Takes the selected envelope size."));
    for (QPushButton* b : {new_, edit_, delete_}) b->setAutoDefault(false);
    connect(new_, &QPushButton::clicked, this, guarded([this] { onNewClicked(); }));
    connect(edit_, &QPushButton::clicked, this, guarded([this] { onEditClicked(); }));
    connect(delete_, &QPushButton::clicked, this, guarded([this] { onDeleteClicked(); }));
    connect(ok_, &QPushButton::clicked, this, guarded([this] { onOkClicked(); }));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makePointerHelpButton());
    buttons->addWidget(new_);
    buttons->addWidget(edit_);
    buttons->addWidget(delete_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(makeHelpButton());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);
    resize(520, 360);

    selectGridRow(grid_, model_->currentRow());
}

SelectEnvelopeSizeDialog::~SelectEnvelopeSizeDialog() = default;

std::optional<EnvelopeSize> SelectEnvelopeSizeDialog::chosen() const {
    return currentEnvelopeSize(sizes_);
}

void SelectEnvelopeSizeDialog::refreshGrid() {
    model_->refresh();
    selectGridRow(grid_, model_->currentRow());
}

void SelectEnvelopeSizeDialog::rowClicked() {
    const QModelIndex current = grid_->selectionModel()->currentIndex();
    if (!current.isValid()) return;
    const std::uint32_t recno = model_->recordAt(current.row());
    if (recno != 0 && recno != sizes_.recNo()) sizes_.go(recno);
}

void SelectEnvelopeSizeDialog::onNewClicked() {
    EnvelopeSizeCommands(sizes_, editSize).createNew();
    refreshGrid();
}

void SelectEnvelopeSizeDialog::onEditClicked() {
    EnvelopeSizeCommands(sizes_, editSize).editCurrent();
    refreshGrid();
}

void SelectEnvelopeSizeDialog::onDeleteClicked() {
    EnvelopeSizeCommands(sizes_, editSize).deleteCurrent();
    refreshGrid();
}

void SelectEnvelopeSizeDialog::onOkClicked() {
    accept();
}

bool SelectEnvelopeSizeDialog::eventFilter(QObject* watched, QEvent* event) {
    // The Insert key is ignored in the list.
    if (watched == grid_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert)
        return true;
    return Dialog::eventFilter(watched, event);
}

std::optional<EnvelopeSize> chooseEnvelopeSize(xbase::Engine& engine, const QString& programFolder,
                                               const QString& envName, QWidget* parent) {
    std::unique_ptr<xbase::Table> sizes = openEnvelopeDefinitions(engine, programFolder);
    if (!sizes) return std::nullopt;
    SelectEnvelopeSizeDialog dialog(*sizes, envName, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

}  // namespace rp
