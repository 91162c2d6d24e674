#include "utilities/GridEditRow.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "framework/Dialog.h"
#include "utilities/GridNavigator.h"

namespace rp {

GridEditRow::GridEditRow(GridNavigator* navigator, Line line, QWidget* parent) : QWidget(parent) {
    const bool record = line == Line::Record;
    auto* remove = makeCommandButton(
        tr("Delete"), record ? tr("Deletes the current record.") : tr("Deletes the current row."),
        this);
    auto* save = makeCommandButton(
        tr("Save"),
        record ? tr("Keeps the changes to the record.") : tr("Keeps the changes to the row."),
        this);
    auto* undo = makeCommandButton(
        tr("Undo"),
        record ? tr("Discards the changes to the record.") : tr("Discards the changes to the row."),
        this);

    connect(remove, &QPushButton::clicked, this, &GridEditRow::deleteClicked);
    connect(save, &QPushButton::clicked, this, &GridEditRow::saveClicked);
    connect(undo, &QPushButton::clicked, this, &GridEditRow::undoClicked);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(navigator);
    row->addStretch();
    row->addWidget(remove);
    row->addWidget(save);
    row->addWidget(undo);
}

}  // namespace rp
