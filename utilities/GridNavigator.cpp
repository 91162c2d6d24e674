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
    return grid;
}

GridNavigator::GridNavigator(QTableView* grid, const QString& priorHint, QWidget* parent)
    : QWidget(parent), grid_(grid) {
    const struct {
        QStyle::StandardPixmap icon;
        QString hint;
    } kinds[] = {{QStyle::SP_MediaSkipBackward, QStringLiteral("First")},
                 {QStyle::SP_MediaSeekBackward, priorHint},
                 {QStyle::SP_MediaSeekForward, QStringLiteral("Next")},
                 {QStyle::SP_MediaSkipForward, QStringLiteral("Last")}};
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        buttons_[i] = new QToolButton(this);
        buttons_[i]->setIcon(style()->standardIcon(kinds[i].icon));
        buttons_[i]->setToolTip(kinds[i].hint);
        buttons_[i]->setWhatsThis(QStringLiteral("Moves to the ") + kinds[i].hint.toLower() +
                                  QStringLiteral(" row of the grid."));
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
