#include "envelopes/TSelectEnvelope.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "envelopes/EnvelopeLayouts.h"
#include "envelopes/SideRows.h"
#include "envelopes/TEnvelopeEdit.h"
#include "framework/ErrorReport.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

TSelectEnvelope::TSelectEnvelope(xbase::Table& sizes, const QString& envName, QWidget* parent)
    : Dialog(parent, HelpTopic::SelectEnvelopeSize), sizes_(sizes) {
    setWindowTitle(QStringLiteral("Select Envelope Size"));
    editSize = [this](const EnvelopeSize& initial, bool editing) {
        return TEnvelopeEdit::Run(initial, editing, this);
    };

    LocateEnvelopeSize(sizes_, envName);

    model_ = new SideRowsModel(sizes_, kEnvelopeSizeColumns, this);
    grid_ = new QTableView(this);
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setWordWrap(false);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->setWhatsThis(QStringLiteral("The envelope sizes. Choose one and press OK."));
    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            Guarded([this] { rowClicked(); }));

    new_ = new QPushButton(QStringLiteral("New"), this);
    new_->setWhatsThis(QStringLiteral("Adds an envelope size of your own."));
    edit_ = new QPushButton(QStringLiteral("Edit"), this);
    edit_->setWhatsThis(QStringLiteral("Changes an envelope size you added."));
    delete_ = new QPushButton(QStringLiteral("Delete"), this);
    delete_->setWhatsThis(QStringLiteral("Deletes an envelope size you added."));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    ok_->setWhatsThis(QStringLiteral("Takes the selected envelope size."));
    for (QPushButton* b : {new_, edit_, delete_}) b->setAutoDefault(false);
    connect(new_, &QPushButton::clicked, this, Guarded([this] { NewButtonClick(); }));
    connect(edit_, &QPushButton::clicked, this, Guarded([this] { EditButtonClick(); }));
    connect(delete_, &QPushButton::clicked, this, Guarded([this] { DeleteButtonClick(); }));
    connect(ok_, &QPushButton::clicked, this, Guarded([this] { OkButtonClick(); }));

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

    ShowCurrentRow(grid_, *model_);
}

TSelectEnvelope::~TSelectEnvelope() = default;

std::optional<EnvelopeSize> TSelectEnvelope::chosen() const {
    return CurrentEnvelopeSize(sizes_);
}

void TSelectEnvelope::refreshGrid() {
    model_->refresh();
    ShowCurrentRow(grid_, *model_);
}

void TSelectEnvelope::rowClicked() {
    const QModelIndex current = grid_->selectionModel()->currentIndex();
    if (!current.isValid()) return;
    const std::uint32_t recno = model_->recordAt(current.row());
    if (recno != 0 && recno != sizes_.recNo()) sizes_.go(recno);
}

void TSelectEnvelope::NewButtonClick() {
    EnvelopeSizeCommands(sizes_, editSize).New();
    refreshGrid();
}

void TSelectEnvelope::EditButtonClick() {
    EnvelopeSizeCommands(sizes_, editSize).Edit();
    refreshGrid();
}

void TSelectEnvelope::DeleteButtonClick() {
    EnvelopeSizeCommands(sizes_, editSize).Delete();
    refreshGrid();
}

void TSelectEnvelope::OkButtonClick() {
    accept();
}

bool TSelectEnvelope::eventFilter(QObject* watched, QEvent* event) {
    // The Insert key is ignored in the list.
    if (watched == grid_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert)
        return true;
    return Dialog::eventFilter(watched, event);
}

std::optional<EnvelopeSize> ChooseEnvelopeSize(xbase::Engine& engine, const QString& programFolder,
                                               const QString& envName, QWidget* parent) {
    std::unique_ptr<xbase::Table> sizes = OpenEnvelopeDefinitions(engine, programFolder);
    if (!sizes) return std::nullopt;
    TSelectEnvelope dialog(*sizes, envName, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

}  // namespace rp
