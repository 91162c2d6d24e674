#include "reports/PrintReportDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/IniFile.h"
#include "framework/ErrorReport.h"
#include "framework/PrintDialogs.h"
#include "framework/PrinterCatalog.h"
#include "framework/UnstoredSettings.h"
#include "reports/ReportTitle.h"

namespace rp {
namespace {

const QString kTitleSection = QStringLiteral("UserDefinedReport");
const QString kTitleKey = QStringLiteral("UserReportTitle");

}  // namespace

PrintReportDialog::PrintReportDialog(xbase::Table& table, PrinterCatalog& catalog, QString iniPath,
                                     const QString& fileName, bool filteredEnabled,
                                     QString dateFormat, QWidget* parent)
    : Dialog(parent, HelpTopic::PrintReport),
      table_(table),
      catalog_(catalog),
      iniPath_(std::move(iniPath)),
      dateFormat_(std::move(dateFormat)) {
    setWindowTitle(tr("Print Report"));

    auto* contents = new QGroupBox(tr("Report Contents"), this);
    title_ = new QLineEdit(contents);
    title_->setValidator(new TitleValidator(title_));
    title_->setText(
        IniFile(iniPath_).readString(kTitleSection, kTitleKey, tr("Report for: %1").arg(fileName)));
    title_->setWhatsThis(tr("The title printed at the top of every page."));
    auto* titleLabel = new QLabel(tr("Report Title"), contents);
    titleLabel->setBuddy(title_);
    layouts_ = new QListWidget(contents);
    layouts_->addItems(reportLayoutNames());
    layouts_->setCurrentRow(0);
    layouts_->setFixedHeight(layouts_->sizeHintForRow(0) * layouts_->count() +
                             2 * layouts_->frameWidth() + 4);
    // Every name whole, so that no sideways scroll bar covers the last one.
    layouts_->setMinimumWidth(layouts_->sizeHintForColumn(0) + 2 * layouts_->frameWidth() + 4);
    layouts_->setWhatsThis(tr("The columns of the report and their order."));
    layouts_->setAccessibleName(tr("Report layouts"));
    auto* layoutLabel = new QLabel(tr("Select Report:"), contents);
    layoutLabel->setBuddy(layouts_);
    memo_ = new QCheckBox(tr("Print Memo"), contents);
    memo_->setWhatsThis(tr("Prints each record's memo under it, in a shaded band."));
    codes_ = new QCheckBox(tr("Print Codes"), contents);
    codes_->setWhatsThis(tr("Prints each record's codes under it."));
    auto* contentsLayout = new QVBoxLayout(contents);
    contentsLayout->addWidget(titleLabel);
    contentsLayout->addWidget(title_);
    contentsLayout->addWidget(layoutLabel);
    contentsLayout->addWidget(layouts_);
    contentsLayout->addWidget(memo_);
    contentsLayout->addWidget(codes_);

    auto* what = new QGroupBox(tr("What to print"), this);
    all_ = new QRadioButton(tr("All records"), what);
    filtered_ = new QRadioButton(tr("Records matching filter"), what);
    current_ = new QRadioButton(tr("Only current record"), what);
    all_->setWhatsThis(tr("Every record of the address file."));
    filtered_->setWhatsThis(tr("The records your filter shows."));
    current_->setWhatsThis(tr("The record you see in the main window."));
    filtered_->setEnabled(filteredEnabled);
    (filteredEnabled ? filtered_ : all_)->setChecked(true);
    startFromCurrent_ = new QCheckBox(tr("Start from current record"), what);
    startFromCurrent_->setWhatsThis(tr("Begins with the current record instead of the first one."));
    auto* whatLayout = new QVBoxLayout(what);
    for (QWidget* w : std::initializer_list<QWidget*>{all_, filtered_, current_, startFromCurrent_})
        whatLayout->addWidget(w);
    whatLayout->addStretch();

    auto* printNow = makeCommandButton(tr("Print Now"), tr("Prints the report."), this);
    auto* preview = makeCommandButton(tr("Preview"), tr("Shows the report on screen first."), this);
    auto* printerSetup =
        makeCommandButton(tr("Printer Setup"), tr("Chooses the printer's settings."), this);
    auto* cancel =
        makeCommandButton(tr("Cancel"), tr("Closes this window, keeping the title."), this);
    connect(printNow, &QPushButton::clicked, this, guarded([this] { onPrintNowClicked(); }));
    connect(preview, &QPushButton::clicked, this, guarded([this] { onPreviewClicked(); }));
    connect(printerSetup, &QPushButton::clicked, this,
            guarded([this] { onPrinterSetupClicked(); }));
    connect(cancel, &QPushButton::clicked, this, &PrintReportDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makePointerHelpButton());
    for (QPushButton* b : {printNow, preview, printerSetup}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(makeHelpButton());

    auto* groups = new QHBoxLayout;
    groups->addWidget(contents, 3);
    groups->addWidget(what, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
}

ListReportRequest PrintReportDialog::request() const {
    ListReportRequest r;
    r.layout = layouts_->currentRow() + 1;
    r.title = title_->text();
    r.memo = memo_->isChecked();
    r.codes = codes_->isChecked();
    r.records = all_->isChecked()        ? ReportRecords::All
                : filtered_->isChecked() ? ReportRecords::Filtered
                                         : ReportRecords::Current;
    r.startFromCurrent = startFromCurrent_->isChecked();
    r.dateFormat = dateFormat_;
    return r;
}

void PrintReportDialog::onPrintNowClicked() {
    printListReport(table_, request(), catalog_, windows, this);
}

void PrintReportDialog::onPreviewClicked() {
    previewListReport(table_, request(), catalog_, windows, this);
}

void PrintReportDialog::onPrinterSetupClicked() {
    printDialogs().setup(catalog_.printer());
    QCoreApplication::processEvents();
}

void PrintReportDialog::reject() {
    storeSettings(iniPath_, [this] {
        IniFile(iniPath_).writeString(kTitleSection, kTitleKey, title_->text());
    });
    Dialog::reject();
}

}  // namespace rp
