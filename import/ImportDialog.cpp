#include "import/ImportDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "data/AddressTable.h"
#include "framework/ErrorReport.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "import/ImportTags.h"

namespace rp {

ImportDialog::ImportDialog(AddressTable& table, HelpTopic::Number helpTopic,
                           const ImportDialogTexts& texts, QWidget* parent)
    : BulkDialog(parent, helpTopic), table_(table) {
    setWindowTitle(texts.title);
    file_ = new QLabel(this);
    file_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    file_->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    file_->setWhatsThis(texts.fileHelp);
    showFile({});
    status_ = new QLabel(this);
    status_->setMinimumHeight(fontMetrics().height());
    status_->setWhatsThis(tr("Tells what the import is doing."));
    progressBar()->hide();

    commands_ = new QWidget(this);
    select_ = new QPushButton(texts.selectCaption, commands_);
    select_->setWhatsThis(texts.selectHelp);
    connect(select_, &QPushButton::clicked, this, guarded(this, &ImportDialog::onSelectClicked));
    match_ = new QPushButton(tr("Match Fields"), commands_);
    match_->setAutoDefault(false);
    match_->setEnabled(false);
    match_->setWhatsThis(texts.matchHelp);
    connect(match_, &QPushButton::clicked, this, guarded(this, &ImportDialog::onMatchClicked));
    import_ = new QPushButton(tr("Import"), commands_);
    import_->setAutoDefault(false);
    import_->setEnabled(false);
    import_->setWhatsThis(texts.importHelp);
    connect(import_, &QPushButton::clicked, this, guarded(this, &ImportDialog::onImportClicked));
    auto* commandRow = new QHBoxLayout(commands_);
    commandRow->setContentsMargins(0, 0, 0, 0);
    commandRow->addWidget(select_);
    commandRow->addWidget(match_);
    commandRow->addWidget(import_);

    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(tr(
        "Closes the window; while importing, stops after the record in hand and keeps the records "
        "imported so far."));
    connect(cancel_, &QPushButton::clicked, this, &ImportDialog::cancelClicked);
    layOutParts({file_, status_, progressBar()}, {commands_, cancel_});
}

std::optional<QString> ImportDialog::askSourceFile(const QString& folder,
                                                   const QString& proposedName) const {
    FileRequest request;
    request.caption = tr("Open");
    request.filter = tr("Text files|*.TXT|All files|*.*");
    request.folder = folder;
    request.proposedName = proposedName;
    request.defaultSuffix = QStringLiteral("prn");
    request.mustExist = true;
    return fileChooser().openFile(request);
}

void ImportDialog::showFile(const QString& path) {
    file_->setText(path.isEmpty() ? tr("(none)")
                                  : file_->fontMetrics().elidedText(path, Qt::ElideMiddle,
                                                                    file_->minimumWidth()));
    file_->setToolTip(path);
}

void ImportDialog::setStatus(const QString& text) {
    status_->setText(text);
}

void ImportDialog::beginImport() {
    setBusy(true);
    commands_->hide();
    helpButtons()->hide();
    progressBar()->setValue(0);
    progressBar()->show();
    status_->clear();
}

void ImportDialog::endImport(const QStringList& messages) {
    status_->clear();
    for (const QString& message : messages) showInformation(message);
    rebuildTags();
    setBusy(false);
    accept();
}

void ImportDialog::rebuildTags() {
    status_->setText(tr("Rebuilding Indexes "));
    cancel_->hide();
    rebuilding_ = true;
    const BulkHooks events = hooks();
    progressBar()->setValue(0);
    rebuildImportedTags(table_, [this, &events](int percent) {
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
