#include "utilities/GridEditRow.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "framework/Dialog.h"
#include "utilities/GridNavigator.h"

namespace rp {

GridEditRow::GridEditRow(GridNavigator* navigator, const QString& line, QWidget* parent)
    : QWidget(parent) {
    auto* remove = makeCommandButton(QStringLiteral("Delete"),
                                     QStringLiteral("Deletes the current %1.").arg(line), this);
    auto* save = makeCommandButton(QStringLiteral("Save"),
                                   QStringLiteral("Keeps the changes to the %1.").arg(line), this);
    auto* undo = makeCommandButton(
        QStringLiteral("Undo"), QStringLiteral("Discards the changes to the %1.").arg(line), this);
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
