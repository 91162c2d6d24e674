#include "framework/RecordGrid.h"

#include <QHeaderView>
#include <QTableView>

namespace rp {

QTableView* makeRecordGrid(QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    return grid;
}

}  // namespace rp
