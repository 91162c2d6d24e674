#include "import/DbfMatchDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/RecordGrid.h"
#include "import/DbfBrowseModel.h"
#include "import/ImportFieldDialog.h"

namespace rp {
DbfMatchDialog::DbfMatchDialog(xbase::Table& source, const ImportLayout& layout, bool propose,
                               const QString& sourceName, QWidget* parent)
    : Dialog(parent, HelpTopic::DbfMatch), matching_(layout) {
    setWindowTitle(tr("DBF File Import Match Fields"));
    if (propose) matching_.propose();

    auto* browseBox = new QGroupBox(tr("Import DBF File Browser"), this);
    browser_ = new QTableView(browseBox);
    browser_->setTabKeyNavigation(false);
    browser_->setModel(new DbfBrowseModel(source, browser_));
    browser_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    browser_->setWordWrap(false);
    browser_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    browser_->setWhatsThis(tr("The records of the file being imported."));
    browser_->setAccessibleName(tr("Records of the file"));
    (new QVBoxLayout(browseBox))->addWidget(browser_);

    auto* matchBox = new QGroupBox(tr("Field Match"), this);
    matches_ = new QTableWidget(kDbfMatchRows, 2, matchBox);
    matches_->setTabKeyNavigation(false);
    matches_->setAccessibleName(tr("Field Match"));
    matches_->setHorizontalHeaderLabels(
        {tr("Ravenpost Field"), tr("Import from Field (in %1)").arg(sourceName)});

    matches_->verticalHeader()->hide();
    matches_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    matches_->horizontalHeader()->setStretchLastSection(true);
    matches_->setSelectionBehavior(QAbstractItemView::SelectRows);
    matches_->setSelectionMode(QAbstractItemView::SingleSelection);
    matches_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < kDbfMatchRows; ++r) {
        matches_->setItem(
            r, 0,
            makeFixedItem(QLatin1String(dbfMatchRows()[static_cast<std::size_t>(r)].caption)));
        matches_->setItem(r, 1, makeFixedItem(QString()));
    }
    matches_->resizeColumnToContents(0);
    matches_->setColumnWidth(0, matches_->columnWidth(0) + 16);
    matches_->setMinimumSize(
        matches_->horizontalHeader()->length() + 220,
        matches_->horizontalHeader()->height() + kDbfMatchRows * matches_->rowHeight(0) + 8);
    matches_->setCurrentCell(0, 0);
    matches_->setWhatsThis(tr(
        "Each Ravenpost field and the field of the file it is imported from. Double-click a row to "
        "choose its field."));
    connect(matches_, &QTableWidget::cellDoubleClicked, this, &DbfMatchDialog::selectField);
    (new QVBoxLayout(matchBox))->addWidget(matches_);

    auto* select = makeCommandButton(
        tr("Select Field"), tr("Chooses the field of the file for the highlighted row."), this);
    connect(select, &QPushButton::clicked, this, &DbfMatchDialog::selectField);
    auto* clearCurrent = makeCommandButton(
        tr("Clear Current"), tr("Leaves the highlighted Ravenpost field out of the import."), this);
    connect(clearCurrent, &QPushButton::clicked, this, &DbfMatchDialog::onClearCurrentClicked);
    auto* clearAll =
        makeCommandButton(tr("Clear All"), tr("Empties every row of the field match."), this);
    connect(clearAll, &QPushButton::clicked, this, &DbfMatchDialog::onClearAllClicked);
    auto* save = makeCommandButton(tr("Save"), tr("Keeps these matches for the import."), this);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel =
        makeCommandButton(tr("Cancel"), tr("Closes the window without keeping the changes."), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* commands = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(select), static_cast<QWidget*>(clearCurrent),
                       static_cast<QWidget*>(clearAll), static_cast<QWidget*>(save),
                       static_cast<QWidget*>(cancel)})
        commands->addWidget(w);
    commands->addStretch();
    auto* help = new QHBoxLayout;
    help->addWidget(makeHelpButton());
    help->addWidget(makePointerHelpButton());
    commands->addLayout(help);

    auto* lower = new QHBoxLayout;
    lower->addWidget(matchBox, 1);
    lower->addLayout(commands);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(18, 16, 18, 12);
    layoutBox->addWidget(browseBox, 1);
    layoutBox->addLayout(lower);
    browseBox->setMinimumHeight(browser_->verticalHeader()->defaultSectionSize() * 6 + 40);
    showMatching();
}

int DbfMatchDialog::currentRow() const {
    return qMax(0, matches_->currentRow());
}

void DbfMatchDialog::selectField() {
    const int row = currentRow();
    ImportFieldDialog choice(matching_.choices(row), matching_.shown(row), this);
    if (choice.exec() != QDialog::Accepted) return;
    matching_.choose(row, choice.chosen());
    showMatching();
}

void DbfMatchDialog::onClearCurrentClicked() {
    matching_.choose(currentRow(), {});
    showMatching();
}

void DbfMatchDialog::onClearAllClicked() {
    matching_.clearAll();
    showMatching();
}

void DbfMatchDialog::showMatching() {
    for (int r = 0; r < kDbfMatchRows; ++r) matches_->item(r, 1)->setText(matching_.shown(r));
}

}  // namespace rp
