#include "labels/SelectLabelStockDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/AddressTable.h"
#include "data/SideGridModel.h"
#include "framework/ErrorReport.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "framework/RecordGrid.h"
#include "labels/FindLabelProductsDialog.h"
#include "labels/LabelDefinition.h"
#include "labels/LabelFiles.h"
#include "labels/LabelProductStock.h"
#include "labels/LabelSetup.h"
#include "labels/LabelStockDialog.h"
#include "xbase/Table.h"

namespace rp {
namespace {

std::vector<SideGridColumn> gridColumns() {
    return {{"USERDESC", QCoreApplication::translate("SelectLabelStockDialog", "Label")},
            {"LBLHEIGHT", QCoreApplication::translate("SelectLabelStockDialog", "Height in.")},
            {"LBLWIDTH", QCoreApplication::translate("SelectLabelStockDialog", "Width in.")},
            {"NBRACROSS", QCoreApplication::translate("SelectLabelStockDialog", "# Across")},
            {"NBRDOWN", QCoreApplication::translate("SelectLabelStockDialog", "# Down")},
            {"TOPMARG", QCoreApplication::translate("SelectLabelStockDialog", "Top Margin")},
            {"LEFTMARG", QCoreApplication::translate("SelectLabelStockDialog", "Left Margin")},
            {"SHEETWIDTH", QCoreApplication::translate("SelectLabelStockDialog", "Page Width")},
            {"SHEETDEPTH", QCoreApplication::translate("SelectLabelStockDialog", "Page Height")},
            {"PAPERSIZE", QCoreApplication::translate("SelectLabelStockDialog", "Paper Size")}};
}

}  // namespace

SelectLabelStockDialog::SelectLabelStockDialog(xbase::Table& stocks, const QString& labelTypeName,
                                               const QString& printerType, QWidget* parent)
    : Dialog(parent, HelpTopic::SelectLabelStock), stocks_(stocks) {
    setWindowTitle(tr("Select Label Definition"));
    setModal(true);
    runEditor = [](LabelStockDialog& editor) { return editor.exec() == QDialog::Accepted; };
    runFinder = [](FindLabelProductsDialog& finder) {
        return finder.exec() == QDialog::Accepted && finder.chosen() != nullptr;
    };

    laser_ = new QRadioButton(tr("Laser or Inkjet"), this);
    dotMatrix_ = new QRadioButton(tr("Dot Matrix"), this);
    laser_->setWhatsThis(tr("Lists the label sheets for laser and inkjet printers."));
    dotMatrix_->setWhatsThis(tr("Lists the continuous labels for dot matrix printers."));

    grid_ = makeRecordGrid(this);
    grid_->setWhatsThis(tr("The label stocks; choose one and press OK."));
    grid_->setAccessibleName(tr("Label stocks"));
    grid_->installEventFilter(this);
    grid_->setMinimumSize(720, 300);

    // The filter is in force before the model first walks the table.
    const bool dm = printerType != kLaserPrinter;
    stocks_.setFilter(dm ? "\"DM\"$printer" : "\"LJ\"$printer");
    (dm ? dotMatrix_ : laser_)->setChecked(true);
    model_ = new SideGridModel(stocks_, gridColumns(), {}, this);
    grid_->setModel(model_);
    grid_->resizeColumnsToContents();
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            guarded([this] { showTableRow(); }));

    // Walk from the first row to the first whose description is the input name exactly; the
    // walk ends after the last row when none is.
    int row = -1;
    for (int r = 0; r < model_->rowCount(); ++r) {
        if (model_->index(r, 0).data().toString() == labelTypeName) {
            row = r;
            break;
        }
    }
    connect(laser_, &QRadioButton::toggled, this, guarded([this](bool on) { setDotMatrix(!on); }));

    auto* add = new QPushButton(tr("New"), this);
    auto* edit = new QPushButton(tr("Edit"), this);
    auto* remove = new QPushButton(tr("Delete"), this);
    auto* find = new QPushButton(tr("Find More Products…"), this);
    auto* import = new QPushButton(tr("Import Label Products…"), this);
    find->setWhatsThis(
        tr("Lists the label products of the label template files on this "
           "computer and adds the one you choose."));
    import->setWhatsThis(
        tr("Lists the label products of a label template file you pick and "
           "adds the one you choose."));
    auto* ok = ok_ = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    add->setWhatsThis(tr("Adds a label stock, starting from the one chosen."));
    edit->setWhatsThis(tr("Changes the chosen label stock."));
    remove->setWhatsThis(tr("Removes the chosen label stock from the list."));
    ok->setWhatsThis(tr("Uses the chosen label stock."));
    cancel->setWhatsThis(tr("Closes this window and keeps the label stock as it was."));
    ok->setDefault(true);
    for (QPushButton* b : {add, edit, remove, find, import, cancel}) b->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, guarded(this, &SelectLabelStockDialog::onNewClicked));
    connect(edit, &QPushButton::clicked, this,
            guarded(this, &SelectLabelStockDialog::onEditClicked));
    connect(remove, &QPushButton::clicked, this,
            guarded(this, &SelectLabelStockDialog::onDeleteClicked));
    connect(find, &QPushButton::clicked, this,
            guarded(this, &SelectLabelStockDialog::onFindProductsClicked));
    connect(import, &QPushButton::clicked, this,
            guarded(this, &SelectLabelStockDialog::onImportProductsClicked));
    connect(ok, &QPushButton::clicked, this, &SelectLabelStockDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SelectLabelStockDialog::reject);

    auto* printers = new QHBoxLayout;
    printers->addWidget(laser_);
    printers->addWidget(dotMatrix_);
    printers->addStretch();
    printers->addWidget(find);
    printers->addWidget(import);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {add, edit, remove}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(makeHelpButton());
    buttons->addWidget(makePointerHelpButton());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->addLayout(printers);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    selectRow(row);
}

SelectLabelStockDialog::~SelectLabelStockDialog() = default;

bool SelectLabelStockDialog::dotMatrix() const {
    return dotMatrix_->isChecked();
}

void SelectLabelStockDialog::setDotMatrix(bool dm) {
    {
        const QSignalBlocker block(laser_);
        (dm ? dotMatrix_ : laser_)->setChecked(true);
    }
    stocks_.setFilter(dm ? "\"DM\"$printer" : "\"LJ\"$printer");
    stocks_.goTop();
    model_->refresh();
    selectRow(model_->rowCount() > 0 ? 0 : -1);
}

int SelectLabelStockDialog::currentRow() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void SelectLabelStockDialog::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        grid_->setCurrentIndex({});
        grid_->clearSelection();
        showTableRow();
        return;
    }
    grid_->setCurrentIndex(model_->index(row, 0));
    grid_->selectRow(row);
    grid_->scrollTo(model_->index(row, 0));
    showTableRow();
}

// The table follows the list's current row; no row leaves it at its end, and OK waits for one.
void SelectLabelStockDialog::showTableRow() {
    const std::uint32_t recno = model_->recordAt(currentRow());
    ok_->setEnabled(recno != 0);
    if (recno != 0) {
        if (stocks_.eof() || stocks_.recNo() != recno) stocks_.go(recno);
    } else if (!stocks_.eof()) {
        stocks_.goBottom();
        if (!stocks_.eof()) stocks_.skip();
    }
}

bool SelectLabelStockDialog::hasRow() const {
    return currentRow() >= 0 && !stocks_.eof();
}

void SelectLabelStockDialog::onNewClicked() {
    LabelDefinition d = readLabelDefinition(stocks_);
    d.description = QStringLiteral("[New] ") + d.description;  // stored data: not translated
    LabelStockDialog editor(this);
    editor.setDefinition(d);
    if (!runEditor(editor)) return;
    if (!appendLabelDefinition(stocks_, editor.definition())) return;
    const std::uint32_t added = stocks_.recNo();
    model_->refresh();
    const int row = model_->rowOfRecord(added);
    selectRow(row >= 0 ? row : (model_->rowCount() > 0 ? 0 : -1));
}

void SelectLabelStockDialog::onEditClicked() {
    if (!hasRow()) return;
    if (!stocks_.logical("USERDEF").value_or(false) &&
        !askYesNo(
            tr("This is a predefined Avery label.\rChanging it may result in incorrect output.\r"
               "Are you sure you wish to modify it?")))
        return;
    LabelStockDialog editor(this);
    editor.setWindowTitle(tr("Edit Label Definition"));
    editor.setDefinition(readLabelDefinition(stocks_));
    if (!runEditor(editor)) return;
    const std::uint32_t edited = stocks_.recNo();
    if (!writeLabelDefinition(stocks_, editor.definition())) return;
    model_->refresh();
    const int row = model_->rowOfRecord(edited);
    selectRow(row >= 0 ? row : (model_->rowCount() > 0 ? 0 : -1));
}

void SelectLabelStockDialog::onDeleteClicked() {
    if (!hasRow()) return;
    const bool userDefined = stocks_.logical("USERDEF").value_or(false);
    if (!askYesNo(
            userDefined
                ? tr("Are you sure you wish to delete this label?")
                : tr("This is a predefined Avery label. Are you sure you wish to delete it?")))
        return;
    const int row = currentRow();
    stocks_.deleteRecord();
    model_->refresh();
    selectRow(std::min(row, model_->rowCount() - 1));
}

void SelectLabelStockDialog::onFindProductsClicked() {
    offerProducts(LabelProductCatalog::fromFolders(productFolders));
}

void SelectLabelStockDialog::onImportProductsClicked() {
    FileRequest request;
    request.caption = tr("Import Label Products");
    request.filter = tr("Label Template Files|*.xml *.template");
    request.folder = productFolders.installed;
    request.mustExist = true;
    const auto path = fileChooser().openFile(request);
    if (!path) return;
    offerProducts(LabelProductCatalog::fromFile(*path, productFolders));
}

void SelectLabelStockDialog::offerProducts(const LabelProductCatalog& catalog) {
    if (!catalog.problems().isEmpty())
        showInformation(withCause(tr("Some label template files could not be read."),
                                  catalog.problems().join(QLatin1Char('\n'))));
    FindLabelProductsDialog finder(catalog, this);
    if (!runFinder(finder) || !finder.chosen()) return;
    if (dotMatrix()) setDotMatrix(false);
    const AddedLabelProduct added = addLabelProduct(stocks_, *finder.chosen());
    if (added.record == 0) {
        showTableRow();
        return;
    }
    model_->refresh();
    const int row = model_->rowOfRecord(added.record);
    selectRow(row >= 0 ? row : (model_->rowCount() > 0 ? 0 : -1));
}

bool SelectLabelStockDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert)
        return true;
    return Dialog::eventFilter(watched, event);
}

std::unique_ptr<xbase::Table> openLabelStockTable(xbase::Engine& engine,
                                                  const QString& programFolder) {
    const QString path = programFolder + QString::fromLatin1(kLabelStockFile);
    try {
        auto table = openSideTable(engine, path);
        if (const auto notice = indexRebuiltNotice(*table, path)) showInformation(*notice);
        table->goTop();
        return table;
    } catch (const std::exception& e) {
        showInformation(
            withCause(QCoreApplication::translate(
                          "SelectLabelStockDialog",
                          "We were unable to open the label definition file: RVPLBLS.DBF"),
                      errorText(e)));
        return nullptr;
    }
}

bool chooseLabelDefinition(QWidget* parent, xbase::Engine& engine, const QString& programFolder,
                           LabelSetup& setup,
                           const std::function<bool(SelectLabelStockDialog&)>& show) {
    const auto stocks = openLabelStockTable(engine, programFolder);
    if (!stocks) return false;
    SelectLabelStockDialog dialog(*stocks, setup.labelTypeName, setup.printerType, parent);
    const bool ok = show ? show(dialog) : dialog.exec() == QDialog::Accepted;
    if (!ok || stocks->eof()) return false;
    takeLabelStock(*stocks, setup);
    return true;
}

}  // namespace rp
