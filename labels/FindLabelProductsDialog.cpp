#include "labels/FindLabelProductsDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "framework/ErrorReport.h"
#include "labels/LabelProductCatalog.h"

namespace rp {
namespace {

QString inches(float value) {
    return QString::number(value, 'f', 2);
}

}  // namespace

FindLabelProductsDialog::FindLabelProductsDialog(const LabelProductCatalog& catalog,
                                                 QWidget* parent)
    : Dialog(parent, HelpTopic::FindLabelProducts), catalog_(catalog) {
    setWindowTitle(tr("Find More Products"));
    setModal(true);

    auto* searchCaption = new QLabel(tr("Search:"), this);
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(tr("brand, product number, description or paper"));
    search_->setWhatsThis(
        tr("Shows only the products whose brand, product number, description or paper "
           "contain every word typed here."));
    searchCaption->setBuddy(search_);

    list_ = new QTableWidget(0, 6, this);
    list_->setTabKeyNavigation(false);
    list_->setHorizontalHeaderLabels({tr("Brand"), tr("Product"), tr("Description"),
                                      tr("Label Size in."), tr("Across x Down"), tr("Paper")});
    list_->setWhatsThis(
        tr("The label products of the label template files on this computer; "
           "choose one and press OK to add it to your labels."));
    list_->setAccessibleName(tr("Label products"));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setMinimumSize(760, 360);

    count_ = new QLabel(this);
    count_->setWordWrap(true);

    ok_ = makeCommandButton(tr("OK"), tr("Adds the chosen product to your labels and uses it."),
                            this);
    ok_->setDefault(true);
    auto* cancel =
        makeCommandButton(tr("Cancel"), tr("Closes this window without adding a label."), this);
    connect(ok_, &QPushButton::clicked, this, &FindLabelProductsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &FindLabelProductsDialog::reject);
    connect(search_, &QLineEdit::textChanged, this,
            guarded([this](const QString& text) { setSearch(text); }));
    connect(list_, &QTableWidget::itemSelectionChanged, this,
            guarded([this] { ok_->setEnabled(chosen() != nullptr); }));
    connect(list_, &QTableWidget::cellDoubleClicked, this, guarded([this] {
                if (chosen()) accept();
            }));

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchCaption);
    searchRow->addWidget(search_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count_, 1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(makeHelpButton());
    buttons->addWidget(makePointerHelpButton());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->addLayout(searchRow);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    showProducts();
}

void FindLabelProductsDialog::setSearch(const QString& text) {
    if (search_->text() != text) {
        search_->setText(text);  // comes back here through textChanged
        return;
    }
    showProducts();
}

void FindLabelProductsDialog::showProducts() {
    shown_ = catalog_.search(search_->text());
    list_->clearSelection();
    list_->setRowCount(static_cast<int>(shown_.size()));
    for (int row = 0; row < list_->rowCount(); ++row) {
        const LabelProduct& p = *shown_[static_cast<std::size_t>(row)];
        const QStringList cells = {
            p.brand,
            p.part,
            p.description,
            tr("%1 x %2").arg(inches(p.stock.labelWidth), inches(p.stock.labelHeight)),
            tr("%1 x %2").arg(p.stock.across).arg(p.stock.down),
            p.paperName};
        for (int column = 0; column < cells.size(); ++column)
            list_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    list_->resizeColumnsToContents();
    list_->setCurrentCell(-1, -1);
    ok_->setEnabled(false);
    if (catalog_.products().empty() && catalog_.skipped() == 0) {
        count_->setText(
            tr("No label template files were found. Install the glabels-data "
               "package, or import a template file."));
        return;
    }
    const QString shown = tr("Products shown: %n.", "", list_->rowCount());
    count_->setText(catalog_.skipped() == 0
                        ? shown
                        : shown + QLatin1Char(' ') +
                              tr("Products of the files left out: %n (their labels are not "
                                 "rectangles in one grid that a label definition can hold).",
                                 "", catalog_.skipped()));
}

const LabelProduct* FindLabelProductsDialog::chosen() const {
    const QList<QTableWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) return nullptr;
    const int row = selected.front()->row();
    return row >= 0 && row < static_cast<int>(shown_.size()) ? shown_[std::size_t(row)] : nullptr;
}

}  // namespace rp
