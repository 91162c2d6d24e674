#include "app/BrowseGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "app/BrowseModel.h"

namespace rp {
namespace {

// Keys the grid handles itself, kept from the window's shortcuts.
bool isGridKey(const QKeyEvent& event) {
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const int key = event.key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
           key == Qt::Key_Insert;
}

}  // namespace

BrowseGrid::BrowseGrid(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setAccessibleName(tr("Browse"));
    // Row numbers would mislead where rows are placed approximately (see RowWindow), and
    // fixed row heights spare the header from measuring a million rows.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { chooseRow(index.row()); });
}

void BrowseGrid::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    sizeColumns();
}

int BrowseGrid::columnWidthFor(int chars) const {
    // The font's average character width, rounded up: cut down to whole pixels (6.08 to 6 in
    // the usual 9-point sans) it leaves phone numbers and dates a few pixels short.
    const int charWidth = static_cast<int>(std::ceil(QFontMetricsF(font()).averageCharWidth()));
    // The item delegate leaves a focus-frame margin and a pixel each side of the text, and
    // the grid line takes one more.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    return chars * charWidth + margins + (showGrid() ? 1 : 0);
}

void BrowseGrid::sizeColumns() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    if (!model()) return;
    // Columns narrower than their title (Middle, Zip/Postal Code, PREFIX) are widened to show
    // it: a cut title says nothing, and the zip codes fit the title's width.
    for (int c = 0; c < model()->columnCount(); ++c)
        setColumnWidth(c, std::max(columnWidthFor(BrowseModel::columnChars(c)),
                                   horizontalHeader()->sectionSizeHint(c)));
}

bool BrowseGrid::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isGridKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void BrowseGrid::keyPressEvent(QKeyEvent* event) {
    if (!isGridKey(*event)) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->key() != Qt::Key_Insert && currentIndex().isValid()) chooseRow(currentIndex().row());
}

void BrowseGrid::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) sizeColumns();
}

void BrowseGrid::chooseRow(int row) {
    const auto* browse = qobject_cast<const BrowseModel*>(model());
    const std::uint32_t recno = browse ? browse->recordAt(row) : 0;
    if (recno != 0) emit recordChosen(recno);
}

}  // namespace rp
