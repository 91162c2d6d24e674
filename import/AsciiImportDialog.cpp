#include "import/AsciiImportDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "data/AddressTable.h"
#include "framework/Messages.h"
#include "import/AsciiImport.h"
#include "import/AsciiMatchDialog.h"
#include "import/AsciiSample.h"

namespace rp {

AsciiImportDialog::AsciiImportDialog(AddressTable& table, const QString& folder, QWidget* parent)
    : ImportDialog(table, HelpTopic::AsciiImport,
                   {tr("ASCII File Import"), tr("Select ASCII File"),
                    tr("The text file the records are imported from."),
                    tr("Chooses the delimited text file to import."),
                    tr("Chooses which Ravenpost field each column of the file goes into."),
                    tr("Adds a record for every line of the file, then rebuilds the indexes.")},
                   parent),
      folder_(folder) {
    auto* options = new QWidget(this);
    header_ = new QCheckBox(tr("First line holds column names"), options);
    header_->setWhatsThis(
        tr("The first line is not imported: its names head the columns and choose the field "
           "each column goes into. Ticked by itself when the first line holds at least two "
           "known column names."));
    delimiter_ = new QComboBox(options);
    delimiter_->addItem(tr("Comma"), QVariant::fromValue(kCommaDelimiter));
    delimiter_->addItem(tr("Semicolon"), QVariant::fromValue(kSemicolonDelimiter));
    delimiter_->addItem(tr("Tab"), QVariant::fromValue(kTabDelimiter));
    delimiter_->setWhatsThis(
        tr("The character between the values of a line; chosen by itself "
           "as the one that splits the first line into the most values."));
    auto* delimiterLabel = new QLabel(tr("&Delimiter:"), options);
    delimiterLabel->setBuddy(delimiter_);
    auto* row = new QHBoxLayout(options);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(header_);
    row->addStretch();
    row->addWidget(delimiterLabel);
    row->addWidget(delimiter_);
    // Under the file's name, above the status line.
    if (auto* box = qobject_cast<QBoxLayout*>(QDialog::layout())) box->insertWidget(1, options);
    connect(header_, &QCheckBox::toggled, this, &AsciiImportDialog::onFormatChanged);
    connect(delimiter_, &QComboBox::currentIndexChanged, this, &AsciiImportDialog::onFormatChanged);
}

void AsciiImportDialog::onSelectClicked() {
    if (const std::optional<QString> chosen = askSourceFile(folder_, QStringLiteral("*.txt")))
        path_ = *chosen;

    importButton()->setEnabled(false);
    showFile(path_);
    if (path_.isEmpty()) {
        matchButton()->setEnabled(false);
        return;
    }
    format_ = guessFileFormat(path_);
    showFormat();
    if (!loadSample()) showInformation(tr("Unable to import from this file"));
}

void AsciiImportDialog::showFormat() {
    const QSignalBlocker blockHeader(header_);
    const QSignalBlocker blockDelimiter(delimiter_);
    header_->setChecked(format_.header);
    delimiter_->setCurrentIndex(delimiter_->findData(QVariant::fromValue(format_.delimiter)));
}

void AsciiImportDialog::onFormatChanged() {
    format_.header = header_->isChecked();
    format_.delimiter = delimiter_->currentData().value<QChar>();
    if (!path_.isEmpty()) loadSample();
}

bool AsciiImportDialog::loadSample() {
    AsciiSample sample = readAsciiSample(path_, format_);
    layout_ = std::move(sample.layout);
    sample_ = std::move(sample.rows);
    names_ = format_.header ? sample.firstLine : QStringList();
    matchButton()->setEnabled(sample.accepted);
    // Columns matched by their names can be imported without a visit to the match window.
    importButton()->setEnabled(sample.accepted && layout_.anyMatch());
    QStringList repeated;
    for (int c : sample.repeatedNames) repeated << names_[c];
    setStatus(repeated.isEmpty()
                  ? QString()
                  : tr("Not matched, as an earlier column goes into the same field: %1")
                        .arg(repeated.join(QStringLiteral(", "))));
    return sample.accepted;
}

void AsciiImportDialog::onMatchClicked() {
    AsciiMatchDialog match(layout_, sample_, this, names_);
    if (match.exec() == QDialog::Accepted)
        importButton()->setEnabled(match.matching().saveTo(layout_));
}

void AsciiImportDialog::onImportClicked() {
    if (busy() || !layout_.anyMatch()) return;
    beginImport();
    const AsciiImportResult result =
        importAsciiFile(addressTable().table(), path_, layout_,
                        {[this](const QString& text) { setStatus(text); }, hooks()}, format_);
    QStringList messages{asciiImportMessage(result)};
    if (const QString notes = asciiImportNotes(result); !notes.isEmpty()) messages << notes;
    endImport(messages);
}

}  // namespace rp
