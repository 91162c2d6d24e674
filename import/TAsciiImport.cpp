#include "import/TAsciiImport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/AddressTable.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "import/AsciiImport.h"
#include "import/AsciiSample.h"
#include "import/ImportTags.h"
#include "import/TAsciiMatch.h"

namespace rp {
namespace {

const QString kNoFile = QStringLiteral("(none)");

}  // namespace

TAsciiImport::TAsciiImport(AddressTable& table, const QString& folder, QWidget* parent)
    : BulkDialog(parent, 1003), table_(table), folder_(folder)
{
    setWindowTitle(QStringLiteral("ASCII File Import"));
    file_ = new QLabel(kNoFile, this);
    file_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    file_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    file_->setWhatsThis(QStringLiteral("The text file the records are imported from."));
    status_ = new QLabel(this);
    status_->setMinimumHeight(fontMetrics().height());
    status_->setWhatsThis(QStringLiteral("Tells what the import is doing."));
    progressBar()->hide();

    commands_ = new QWidget(this);
    select_ = new QPushButton(QStringLiteral("Select ASCII File"), commands_);
    select_->setWhatsThis(QStringLiteral("Chooses the comma-delimited text file to import."));
    connect(select_, &QPushButton::clicked, this, &TAsciiImport::SelectButtonClick);
    match_ = new QPushButton(QStringLiteral("Match Fields"), commands_);
    match_->setAutoDefault(false);
    match_->setEnabled(false);
    match_->setWhatsThis(QStringLiteral("Chooses which Ravenpost field each column of the file goes into."));
    connect(match_, &QPushButton::clicked, this, &TAsciiImport::MatchButtonClick);
    import_ = new QPushButton(QStringLiteral("Import"), commands_);
    import_->setAutoDefault(false);
    import_->setEnabled(false);
    import_->setWhatsThis(QStringLiteral("Adds a record for every line of the file, then rebuilds the indexes."));
    connect(import_, &QPushButton::clicked, this, &TAsciiImport::ImportButtonClick);
    auto* commandRow = new QHBoxLayout(commands_);
    commandRow->setContentsMargins(0, 0, 0, 0);
    commandRow->addWidget(select_);
    commandRow->addWidget(match_);
    commandRow->addWidget(import_);

    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(
        QStringLiteral("Closes the window; while importing, stops after the record in hand and keeps the records "
                       "imported so far."));
    connect(cancel_, &QPushButton::clicked, this, &TAsciiImport::cancelClicked);
    layOutParts({file_, status_, progressBar()}, {commands_, cancel_});
}

void TAsciiImport::SelectButtonClick()
{
    FileRequest request;
    request.caption = QStringLiteral("Open");
    request.filter = QStringLiteral("Text files|*.TXT|All files|*.*");
    request.folder = folder_;
    request.proposedName = QStringLiteral("*.txt");
    request.defaultSuffix = QStringLiteral("prn");
    request.mustExist = true;
    if (const std::optional<QString> chosen = fileChooser().openFile(request)) path_ = *chosen;

    import_->setEnabled(false);
    if (path_.isEmpty()) {
        file_->setText(kNoFile);
        match_->setEnabled(false);
        return;
    }
    file_->setText(file_->fontMetrics().elidedText(path_, Qt::ElideMiddle, file_->minimumWidth()));
    file_->setToolTip(path_);
    AsciiSample sample = ReadAsciiSample(path_);
    layout_ = std::move(sample.layout);
    sample_ = std::move(sample.rows);
    match_->setEnabled(sample.accepted);
    if (sample.accepted) status_->clear();
    else ShowInformation(QStringLiteral("Unable to import from this file"));
}

void TAsciiImport::MatchButtonClick()
{
    TAsciiMatch match(layout_, sample_, this);
    if (match.exec() == QDialog::Accepted) import_->setEnabled(match.matching().saveTo(layout_));
}

void TAsciiImport::ImportButtonClick()
{
    if (busy() || !layout_.anyMatch()) return;
    setBusy(true);
    commands_->hide();
    helpButtons()->hide();
    progressBar()->setValue(0);
    progressBar()->show();
    status_->clear();

    const AsciiImportResult result =
        ImportAsciiFile(table_.table(), path_, layout_, {[this](const QString& text) { status_->setText(text); }, hooks()});
    status_->clear();
    ShowInformation(AsciiImportMessage(result));
    if (const QString cut = AsciiImportCutMessage(result); !cut.isEmpty()) ShowInformation(cut);

    rebuildTags();
    setBusy(false);
    accept();
}

void TAsciiImport::rebuildTags()
{
    status_->setText(QStringLiteral("Rebuilding Indexes "));
    cancel_->hide();
    rebuilding_ = true;
    const BulkHooks events = hooks();
    progressBar()->setValue(0);
    RebuildImportedTags(table_, [this, &events](int percent) {
        progressBar()->setValue(percent);
        // Only to keep the window painted: a cancel is not taken now.
        events.keepGoing();
    });
    rebuilding_ = false;
    progressBar()->reset();
    progressBar()->hide();
    cancel_->show();
}

}  // namespace rp
