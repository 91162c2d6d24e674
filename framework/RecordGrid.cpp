#include "framework/RecordGrid.h"

#include <QHeaderView>
#include <QTableView>
#include <QTableWidgetItem>

namespace rp {

QTableView* makeRecordGrid(QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    return grid;
}

QTableWidgetItem* makeFixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace rp
