#pragma once
// The grid the list dialogs show records in: whole rows selected one at a time, nothing edited
// in place, no row numbers. Callers add their sizes, stretch and signals.
class QString;
class QTableView;
class QTableWidgetItem;
class QWidget;

namespace rp {

QTableView* makeRecordGrid(QWidget* parent);

// A cell of a table widget that can be selected but not edited.
QTableWidgetItem* makeFixedItem(const QString& text);

// Makes row the grid's current and only selected row and scrolls to it; row -1 selects none.
// The selection model's signals are held back.
void selectGridRow(QTableView* grid, int row);

}  // namespace rp
