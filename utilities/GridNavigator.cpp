#include "utilities/GridNavigator.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include "framework/ErrorReport.h"

namespace rp {

QTableView* makeRecordGrid(const QString& help, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setMinimumSectionSize(grid->fontMetrics().averageCharWidth() * 8);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setMinimumSize(640, 220);
    grid->setWhatsThis(help);
    grid->setTabKeyNavigation(false);  // Tab leaves the grid; the arrows move in it
    return grid;
}

GridNavigator::GridNavigator(QTableView* grid, PriorName priorName, QWidget* parent)
    : QWidget(parent), grid_(grid) {
    const bool previous = priorName == PriorName::Previous;
    const struct {
        QStyle::StandardPixmap icon;
        QString hint;
        QString name;  // what a screen reader says for the icon
        QString help;
    } kinds[] = {{QStyle::SP_MediaSkipBackward, tr("First"), tr("First row"),
                  tr("Moves to the first row of the grid.")},
                 {QStyle::SP_MediaSeekBackward, previous ? tr("Previous") : tr("Prior"),
                  previous ? tr("Previous row") : tr("Prior row"),
                  previous ? tr("Moves to the previous row of the grid.")
                           : tr("Moves to the prior row of the grid.")},
                 {QStyle::SP_MediaSeekForward, tr("Next"), tr("Next row"),
                  tr("Moves to the next row of the grid.")},
                 {QStyle::SP_MediaSkipForward, tr("Last"), tr("Last row"),
                  tr("Moves to the last row of the grid.")}};
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QToolButton(this);
        buttons_[i]->setIcon(style()->standardIcon(kinds[i].icon));
        buttons_[i]->setToolTip(kinds[i].hint);
        buttons_[i]->setAccessibleName(kinds[i].name);
        buttons_[i]->setWhatsThis(kinds[i].help);

        connect(buttons_[i], &QToolButton::clicked, this,
                guarded([this, i] { move(static_cast<Move>(i)); }));
        row->addWidget(buttons_[i]);
    }
    row->addStretch();
}

void GridNavigator::move(Move m) {
    QAbstractItemModel* model = grid_->model();
    if (!model || model->rowCount() == 0) return;
    const QModelIndex current = grid_->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    const int column = current.isValid() ? current.column() : 0;
    const int last = model->rowCount() - 1;
    const int target = m == First   ? 0
                       : m == Prior ? qMax(0, row - 1)
                       : m == Next  ? qMin(last, row + 1)
                                    : last;
    grid_->setCurrentIndex(model->index(target, column));
}

}  // namespace rp
