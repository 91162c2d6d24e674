#pragma once
// The grid the list dialogs show records in: whole rows selected one at a time, nothing edited
// in place, no row numbers. Callers add their sizes, stretch and signals.
class QTableView;
class QWidget;

namespace rp {

QTableView* makeRecordGrid(QWidget* parent);

}  // namespace rp
