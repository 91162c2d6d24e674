#include "utilities/DuplicateCheckDialog.h"

#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/AddressTable.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "utilities/GridEditRow.h"
#include "utilities/GridNavigator.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {
namespace {

std::vector<RecordGridModel::Column> columnsFor(DuplicateKind kind) {
    std::vector<RecordGridModel::Column> columns = {
        {"LNAME", QCoreApplication::translate("DuplicateCheckDialog", "Last")},
        {"FNAME", QCoreApplication::translate("DuplicateCheckDialog", "First")},
        {"MIDDLE", QCoreApplication::translate("DuplicateCheckDialog", "Mi.")},
        {"PREFIX", QCoreApplication::translate("DuplicateCheckDialog", "Prefix")},
        {"TITLE", QCoreApplication::translate("DuplicateCheckDialog", "Title")},
        {"ORG", QCoreApplication::translate("DuplicateCheckDialog", "Organization")},
        {"STREET", QCoreApplication::translate("DuplicateCheckDialog", "Street")},
        {"CITY", QCoreApplication::translate("DuplicateCheckDialog", "City")},
        {"STATE", QCoreApplication::translate("DuplicateCheckDialog", "State/Prov")},
        {"ZIP", QCoreApplication::translate("DuplicateCheckDialog", "Zip/Postal")},
        {"COUNTRY", QCoreApplication::translate("DuplicateCheckDialog", "Country")},
        {"PHONE", QCoreApplication::translate("DuplicateCheckDialog", "Phone")},
        {"EMAIL", QCoreApplication::translate("DuplicateCheckDialog", "E-mail")},
        {"FAX", QCoreApplication::translate("DuplicateCheckDialog", "Fax")},
        {"NOTES", QCoreApplication::translate("DuplicateCheckDialog", "Codes")}};
    if (kind == DuplicateKind::Street) {
        const auto street = std::find_if(columns.begin(), columns.end(), [](const auto& c) {
            return std::string_view(c.field) == "STREET";
        });
        std::rotate(columns.begin(), street, street + 1);
    }
    return columns;
}

// Shows records with the deletion mark while it lives, as the engine showed them before.
class ShownDeleted {
  public:
    explicit ShownDeleted(xbase::Settings& settings)
        : settings_(settings), before_(settings.hideDeleted) {
        settings_.hideDeleted = false;
    }
    ~ShownDeleted() { settings_.hideDeleted = before_; }
    ShownDeleted(const ShownDeleted&) = delete;
    ShownDeleted& operator=(const ShownDeleted&) = delete;

  private:
    xbase::Settings& settings_;
    bool before_;
};

}  // namespace

DuplicateCheckDialog::DuplicateCheckDialog(xbase::Table& table, const QString& programFolder,
                                           QWidget* parent)
    : BulkDialog(parent, HelpTopic::DuplicateCheck), table_(table), folder_(programFolder) {
    setWindowTitle(tr("Check and Repair Duplicates"));
    setup_ = makeSetupPanel();
    results_ = makeResultsPanel();
    results_->hide();

    count_ = new QLabel(this);
    count_->hide();
    progressBar()->hide();

    close_ = makeCommandButton(tr("Close"), tr("Closes the window."), this);
    connect(close_, &QPushButton::clicked, this,
            guarded(this, &DuplicateCheckDialog::onCloseClicked));
    // The base's Help and pointer help buttons.
    help_ = helpButtons()->findChild<QPushButton*>();
    pointerHelp_ = helpButtons()->findChild<QToolButton*>();
    cancel_ =
        makeCommandButton(tr("Cancel"), tr("Stops the check after the record in hand."), this);
    connect(cancel_, &QPushButton::clicked, this, &DuplicateCheckDialog::cancelClicked);
    cancel_->hide();

    layOutParts({setup_, results_, progressBar(), count_}, {close_, cancel_});
}

DuplicateCheckDialog::~DuplicateCheckDialog() {
    if (grid_) grid_->setModel(nullptr);
    model_.reset();
}

QWidget* DuplicateCheckDialog::makeSetupPanel() {
    auto* panel = new QWidget(this);
    auto* heading = new QLabel(tr("Duplicate Record Check Setup"), panel);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* group = new QGroupBox(tr("What to check:"), panel);
    const QString captions[] = {tr("Last + First"), tr("Last + First Initial"),
                                tr("Street Address")};
    const QString hints[] = {
        tr("Records with the same last and first name."),
        tr("Records with the same last name and first letter of the first name."),
        tr("Records whose streets begin with the same characters.")};
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(captions[i], group);
        choices_[i]->setWhatsThis(hints[i]);
        grid->addWidget(choices_[i], i / 2, i % 2);
    }
    choices_[0]->setChecked(true);

    charactersRow_ = new QWidget(panel);
    auto* charactersLabel =
        new QLabel(tr("Check how many characters of street address (max 30)"), charactersRow_);
    characters_ = new QSpinBox(charactersRow_);
    characters_->setRange(1, kMaxStreetCharacters);
    characters_->setValue(kMaxStreetCharacters);
    characters_->setWhatsThis(tr("How many characters at the start of the street are compared."));
    charactersLabel->setBuddy(characters_);
    auto* charactersLayout = new QHBoxLayout(charactersRow_);
    charactersLayout->setContentsMargins(0, 0, 0, 0);
    charactersLayout->addWidget(charactersLabel);
    charactersLayout->addWidget(characters_);
    charactersLayout->addStretch();
    charactersRow_->hide();
    connect(choices_[2], &QRadioButton::toggled, charactersRow_, &QWidget::setVisible);

    check_ = new QPushButton(tr("Perform Duplicate Check Now"), panel);
    check_->setDefault(true);
    check_->setWhatsThis(tr("Looks for possible duplicates by the chosen key."));
    connect(check_, &QPushButton::clicked, this,
            guarded(this, &DuplicateCheckDialog::onPerformCheckNowClicked));

    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(12);
    column->addWidget(heading);
    column->addWidget(group);
    column->addWidget(charactersRow_);
    column->addWidget(check_, 0, Qt::AlignHCenter);
    panel->setFixedWidth(480);
    return panel;
}

QWidget* DuplicateCheckDialog::makeResultsPanel() {
    auto* panel = new QWidget(this);
    auto* text = new QLabel(tr("Click on field to begin editing"), panel);
    grid_ = makeRecordGrid(tr("The possible duplicates, equal keys together. "
                              "Changes go into the records themselves."),
                           panel);
    grid_->setMinimumWidth(760);
    grid_->setAccessibleName(tr("Possible duplicates"));
    navigator_ = new GridNavigator(grid_, GridNavigator::PriorName::Prior, panel);
    auto* edits = new GridEditRow(navigator_, GridEditRow::Line::Record, panel);

    connect(edits, &GridEditRow::deleteClicked, this,
            guarded(this, &DuplicateCheckDialog::onDeleteClicked));
    connect(edits, &GridEditRow::saveClicked, this,
            guarded(this, &DuplicateCheckDialog::onSaveClicked));
    connect(edits, &GridEditRow::undoClicked, this,
            guarded(this, &DuplicateCheckDialog::onUndoClicked));
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(text);
    column->addWidget(grid_);
    column->addWidget(edits);
    return panel;
}

DuplicateKind DuplicateCheckDialog::kind() const {
    if (choices_[2]->isChecked()) return DuplicateKind::Street;
    return choices_[1]->isChecked() ? DuplicateKind::Initial : DuplicateKind::Name;
}

void DuplicateCheckDialog::showChecking(bool checking) {
    help_->setVisible(!checking);
    pointerHelp_->setVisible(!checking);
    close_->setVisible(!checking);
    cancel_->setVisible(checking);
}

void DuplicateCheckDialog::showCount() {
    count_->setText(duplicatesFoundText(found_));
}

void DuplicateCheckDialog::onPerformCheckNowClicked() {
    if (busy() || checked_) return;
    showChecking(true);
    setup_->hide();
    const DuplicateKind chosen = kind();
    const int characters = characters_->value();
    progressBar()->setValue(0);
    progressBar()->show();
    found_ = 0;
    showCount();
    count_->show();
    const BulkHooks bulk = hooks();
    const DuplicateHooks check{bulk.progress,
                               [this](std::uint32_t found) {
                                   found_ = found;
                                   showCount();
                               },
                               bulk.keepGoing};
    const bool done = runBusy([&] {
        found_ =
            checkDuplicates(table_, chosen, characters,
                            enginePath(folder_ + QString::fromLatin1(kDuplicateWorkIndex)), check);
    });
    progressBar()->hide();
    checked_ = true;
    if (!done) {
        // The error has been told and the table stands as before: there are no results to
        // show, and the dialog can only be closed.
        count_->setText(tr("The check could not be made. Close this window to go back."));
        close_->show();
        cancel_->hide();
        return;
    }
    model_ = std::make_unique<RecordGridModel>(table_, columnsFor(chosen));
    grid_->setModel(model_.get());
    grid_->resizeColumnsToContents();
    if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0, 0));
    results_->show();
    showChecking(false);
    showCount();
}

bool DuplicateCheckDialog::confirmCancel() {
    return messages().question(tr("Information"), tr("Cancel operation?"), true);
}

void DuplicateCheckDialog::onCloseClicked() {
    if (!busy()) accept();
}

void DuplicateCheckDialog::onDeleteClicked() {
    if (!model_ || model_->rowCount() == 0) return;
    const QModelIndex current = grid_->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    if (!messages().question(tr("Information"), tr("Delete this record?"), true)) return;
    {
        ShownDeleted shown(table_.engine().settings);
        QApplication::processEvents();
        model_->post();
        table_.go(model_->recordAt(row));
        table_.deleteRecord();
        table_.setText("PREFIX", "DELETED");
        table_.post();
    }
    model_->refresh();
    if (model_->rowCount() > 0)
        grid_->setCurrentIndex(
            model_->index(std::min(row, model_->rowCount() - 1), std::max(0, current.column())));
}

void DuplicateCheckDialog::onSaveClicked() {
    if (model_) model_->post();
}

void DuplicateCheckDialog::onUndoClicked() {
    if (model_) model_->cancel();
}

}  // namespace rp
