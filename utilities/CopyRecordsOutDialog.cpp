#include "utilities/CopyRecordsOutDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/ErrorReport.h"
#include "framework/FileChooser.h"
#include "framework/Messages.h"
#include "utilities/VcardCopy.h"

namespace rp {

CopyRecordsOutDialog::CopyRecordsOutDialog(xbase::Table& table, const QString& programFolder,
                                           DateTextFn dateText, QWidget* parent)
    : BulkDialog(parent, HelpTopic::CopyRecordsOut),
      table_(table),
      programFolder_(programFolder),
      dateText_(std::move(dateText)) {
    setWindowTitle(tr("Copy Records Out"));
    choices_ = new QWidget(this);
    auto* kindBox = new QGroupBox(choices_);
    auto* kindColumn = new QVBoxLayout(kindBox);
    kinds_[0] = new QRadioButton(tr("Copy to a DBF file"), kindBox);
    kinds_[1] = new QRadioButton(tr("Copy to an ASCII file (comma delimited)"), kindBox);
    kinds_[2] = new QRadioButton(tr("Copy to a vCard file"), kindBox);
    kinds_[2]->setWhatsThis(
        tr("Copies the records to a vCard file (.vcf), one card a record, for a phone, a contacts "
           "app or a mail program."));
    kinds_[0]->setWhatsThis(
        tr("Copies the records to a new file with the layout of an address file."));
    kinds_[1]->setWhatsThis(
        tr("Copies the records to a text file, one line a record, each value in double quotes."));
    kinds_[0]->setChecked(true);
    for (QRadioButton* k : kinds_) {
        kindColumn->addWidget(k);
        connect(k, &QRadioButton::toggled, this, [this](bool on) {
            if (on) setTarget(kNoCopyTarget);
        });
    }
    name_ = new QLabel(tr("(none)"), choices_);
    name_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    name_->setMinimumWidth(fontMetrics().averageCharWidth() * 44);
    name_->setWhatsThis(tr("The file the records are copied to."));
    saveAs_ = new QPushButton(tr("Save As..."), choices_);
    saveAs_->setAutoDefault(false);
    saveAs_->setWhatsThis(tr("Chooses the file to copy the records to."));
    connect(saveAs_, &QPushButton::clicked, this,
            guarded(this, &CopyRecordsOutDialog::onSaveAsClicked));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(name_, 1);
    nameRow->addWidget(saveAs_);
    auto* choiceColumn = new QVBoxLayout(choices_);
    choiceColumn->setContentsMargins(0, 0, 0, 0);
    choiceColumn->addWidget(kindBox);
    choiceColumn->addLayout(nameRow);

    progressPanel_ = new QWidget(this);
    progressCaption_ = new QLabel(progressPanel_);
    auto* progressColumn = new QVBoxLayout(progressPanel_);
    progressColumn->setContentsMargins(0, 0, 0, 0);
    progressColumn->addWidget(progressCaption_);
    progressColumn->addWidget(progressBar());
    progressPanel_->hide();

    copyNow_ = new QPushButton(tr("Copy Now"), this);
    copyNow_->setEnabled(false);
    copyNow_->setWhatsThis(tr("Copies the records of the current view to the chosen file."));
    connect(copyNow_, &QPushButton::clicked, this,
            guarded(this, &CopyRecordsOutDialog::onCopyNowClicked));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(tr("Closes the window; while copying, stops and keeps no copy."));
    connect(cancel_, &QPushButton::clicked, this, &CopyRecordsOutDialog::cancelClicked);
    layOutParts({choices_, progressPanel_}, {copyNow_, cancel_});
}

CopyKind CopyRecordsOutDialog::kind() const {
    for (const CopyKind k : {CopyKind::Ascii, CopyKind::Vcard})
        if (kindButton(k)->isChecked()) return k;
    return CopyKind::Dbf;
}

void CopyRecordsOutDialog::setTarget(const QString& name) {
    target_ = name;
    const QString shown = name == kNoCopyTarget ? tr("(none)") : name;
    name_->setText(name_->fontMetrics().elidedText(shown, Qt::ElideMiddle, name_->minimumWidth()));

    name_->setToolTip(name);
    copyNow_->setEnabled(name != kNoCopyTarget);
}

void CopyRecordsOutDialog::onSaveAsClicked() {
    const CopyKind k = kind();
    const QString extension = k == CopyKind::Dbf     ? QStringLiteral("DBF")
                              : k == CopyKind::Vcard ? QStringLiteral("VCF")
                                                     : QStringLiteral("TXT");
    FileRequest request;
    request.caption = tr("Save As");
    request.filter = k == CopyKind::Dbf     ? tr("DBF Files|*.DBF")
                     : k == CopyKind::Vcard ? tr("vCard Files|*.VCF")
                                            : tr("Text Files|*.TXT");
    request.folder = programFolder_;
    request.proposedName = QStringLiteral("*.") + extension;
    request.defaultSuffix = extension;
    const std::optional<QString> chosen = fileChooser().newFile(request);
    setTarget(chosen ? checkCopyTarget(kind(), *chosen, table_) : kNoCopyTarget);
}

void CopyRecordsOutDialog::onCopyNowClicked() {
    if (busy() || target_ == kNoCopyTarget) return;
    helpButtons()->hide();
    copyNow_->setEnabled(false);
    showWorking(choices_, progressPanel_);
    progressCaption_->setText(progressCaption_->fontMetrics().elidedText(
        tr("Copying to %1").arg(target_), Qt::ElideMiddle, progressPanel_->minimumWidth()));
    const CopyKind chosen = kind();
    CopyResult result;
    runBusy([&] {
        result = chosen == CopyKind::Dbf     ? copyToDbf(table_, target_, hooks())
                 : chosen == CopyKind::Vcard ? copyToVcard(table_, target_, hooks())
                                             : copyToAscii(table_, target_, dateText_, hooks());
    });
    if (result.status == CopyResult::Status::Failed) {
        if (chosen == CopyKind::Dbf)
            showInformation(withCause(tr("There was an error copying"), result.error));
        else
            showError(result.error);
    }
    accept();
}

bool CopyRecordsOutDialog::confirmCancel() {
    return messages().question(tr("Cancel"), tr("Cancel copy?"), false);
}

}  // namespace rp
