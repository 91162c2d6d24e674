#include "import/AsciiMatchDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include "framework/RecordGrid.h"

namespace rp {
namespace {

// The column's name from the file, or "Field 3".
QString fieldLabel(int column, const QStringList& names) {
    if (column < names.size()) return names[column];
    return QCoreApplication::translate("AsciiMatchDialog", "Field %1").arg(column + 1);
}

}  // namespace

AsciiMatchDialog::AsciiMatchDialog(const ImportLayout& layout,
                                   const std::vector<QStringList>& sample, QWidget* parent,
                                   const QStringList& names)
    : Dialog(parent, HelpTopic::AsciiMatch), matching_(layout) {
    setWindowTitle(tr("ASCII File Import Match Fields"));
    const int columns = layout.columnCount();

    sample_ = new QTableWidget(static_cast<int>(sample.size()), columns, this);
    sample_->setTabKeyNavigation(false);
    sample_->setAccessibleName(tr("First lines of the file"));
    for (int c = 0; c < columns; ++c)
        sample_->setHorizontalHeaderItem(c, new QTableWidgetItem(fieldLabel(c, names)));
    for (int r = 0; r < sample_->rowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            sample_->setItem(r, c, makeFixedItem(sample[static_cast<std::size_t>(r)][c]));
    sample_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sample_->setWordWrap(false);
    sample_->resizeColumnsToContents();
    for (int c = 0; c < columns; ++c)
        sample_->setColumnWidth(c, std::min(sample_->columnWidth(c), 240));
    sample_->setMinimumHeight(sample_->verticalHeader()->defaultSectionSize() * 5);
    sample_->setWhatsThis(tr("The first lines of the file, one column for each value of a line."));

    matches_ = new QTableWidget(columns, 2, this);
    matches_->setTabKeyNavigation(false);
    matches_->setAccessibleName(tr("Field matches"));
    matches_->setHorizontalHeaderLabels({tr("ASCII Field "), tr("Import into RVW Field ")});
    matches_->verticalHeader()->hide();
    matches_->horizontalHeader()->setStretchLastSection(true);
    // Wide enough for both headings whole, however long a language makes them.
    QHeaderView* headings = matches_->horizontalHeader();
    matches_->setColumnWidth(0, std::max(matches_->columnWidth(0), headings->sectionSizeHint(0)));
    matches_->setMinimumWidth(matches_->columnWidth(0) + headings->sectionSizeHint(1) +
                              2 * matches_->frameWidth() +
                              matches_->verticalScrollBar()->sizeHint().width());
    matches_->setSelectionBehavior(QAbstractItemView::SelectRows);
    matches_->setSelectionMode(QAbstractItemView::SingleSelection);
    matches_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < columns; ++c) {
        matches_->setItem(c, 0, makeFixedItem(fieldLabel(c, names)));
        matches_->setItem(c, 1, makeFixedItem(QString()));
    }
    matches_->setWhatsThis(
        tr("Each column of the file and the Ravenpost field it is imported into. "
           "Highlight a column, then "
           "click the field it goes with."));
    connect(matches_, &QTableWidget::currentCellChanged, this, [this](int row) {
        matching_.select(row);
        showMatching();
    });

    auto* fieldBox = new QGroupBox(tr("Ravenpost Data Fields "), this);
    auto* fieldGrid = new QGridLayout(fieldBox);
    QStringList captions;
    for (const MatchTarget& t : matchTargets()) captions << QLatin1String(t.caption);
    captions << kNoMatchCaption;
    for (int i = 0; i < captions.size(); ++i) {
        const QString caption = captions[i];
        auto* button = new QPushButton(caption, fieldBox);
        button->setAutoDefault(false);
        button->setWhatsThis(caption == kNoMatchCaption
                                 ? tr("Leaves the highlighted column out of the import.")
                                 : tr("Imports the highlighted column into this field."));
        connect(button, &QPushButton::clicked, this, [this, caption] { onFieldClicked(caption); });
        buttons_[caption] = button;
        fieldGrid->addWidget(button, i / 3, i % 3);
    }

    auto* instruction = new QLabel(tr("Highlight a column in the list, then click the "
                                      "Ravenpost field it goes with. The next column "
                                      "is highlighted for you. Several columns may go "
                                      "into the Memo field; each becomes a line of "
                                      "the memo."),
                                   this);
    instruction->setWordWrap(true);

    save_ = new QPushButton(tr("Save"), this);
    save_->setWhatsThis(tr("Keeps these matches for the import."));
    connect(save_, &QPushButton::clicked, this, &AsciiMatchDialog::onSaveClicked);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setAutoDefault(false);
    cancel->setWhatsThis(tr("Closes the window and keeps the matches as they were."));
    connect(cancel, &QPushButton::clicked, this, &AsciiMatchDialog::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(fieldBox);
    right->addWidget(instruction);
    right->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(matches_, 1);
    middle->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(makeHelpButton());
    buttons->addWidget(makePointerHelpButton());
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(18, 16, 18, 12);
    layoutBox->addWidget(sample_);
    layoutBox->addLayout(middle, 1);
    layoutBox->addLayout(buttons);
    resize(760, 560);

    showMatching();
}

void AsciiMatchDialog::showMatching() {
    for (int row = 0; row < matching_.rowCount(); ++row)
        matches_->item(row, 1)->setText(matching_.match(row));
    for (auto& [caption, button] : buttons_) button->setEnabled(matching_.buttonEnabled(caption));
    if (matching_.rowCount() > 0 && matches_->currentRow() != matching_.selectedRow())
        matches_->setCurrentCell(matching_.selectedRow(), 0);
}

void AsciiMatchDialog::onFieldClicked(const QString& caption) {
    matching_.choose(caption);
    showMatching();
}

void AsciiMatchDialog::onSaveClicked() {
    accept();
}

}  // namespace rp
