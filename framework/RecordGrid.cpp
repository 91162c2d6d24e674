#include "framework/RecordGrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QTableWidgetItem>

namespace rp {

QTableView* makeRecordGrid(QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->hide();
    grid->setTabKeyNavigation(false);  // Tab leaves the list; the arrows move in it
    return grid;
}

QTableWidgetItem* makeFixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

void selectGridRow(QTableView* grid, int row) {
    QItemSelectionModel* selection = grid->selectionModel();
    const QSignalBlocker block(selection);
    if (row < 0) {
        selection->clear();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex index = grid->model()->index(row, 0);
        selection->setCurrentIndex(index,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grid->scrollTo(index);
    }
    grid->viewport()->update();
}

}  // namespace rp
