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
    setWindowTitle(QStringLiteral("Print Report"));

    auto* contents = new QGroupBox(QStringLiteral("Report Contents"), this);
    title_ = new QLineEdit(contents);
    title_->setValidator(new TitleValidator(title_));
    title_->setText(IniFile(iniPath_).readString(kTitleSection, kTitleKey,
                                                 QStringLiteral("Report for: ") + fileName));
    title_->setWhatsThis(QStringLiteral("The title printed at the top of every page."));
    auto* titleLabel = new QLabel(QStringLiteral("Report Title"), contents);
    titleLabel->setBuddy(title_);
    layouts_ = new QListWidget(contents);
    for (const QString& name : kReportLayoutNames) layouts_->addItem(name);
    layouts_->setCurrentRow(0);
    layouts_->setFixedHeight(layouts_->sizeHintForRow(0) * layouts_->count() +
                             2 * layouts_->frameWidth() + 4);
    layouts_->setWhatsThis(QStringLiteral("The columns of the report and their order."));
    auto* layoutLabel = new QLabel(QStringLiteral("Select Report:"), contents);
    layoutLabel->setBuddy(layouts_);
    memo_ = new QCheckBox(QStringLiteral("Print Memo"), contents);
    memo_->setWhatsThis(QStringLiteral("Prints each record's memo under it, in a shaded band."));
    codes_ = new QCheckBox(QStringLiteral("Print Codes"), contents);
    codes_->setWhatsThis(QStringLiteral("Prints each record's codes under it."));
    auto* contentsLayout = new QVBoxLayout(contents);
    contentsLayout->addWidget(titleLabel);
    contentsLayout->addWidget(title_);
    contentsLayout->addWidget(layoutLabel);
    contentsLayout->addWidget(layouts_);
    contentsLayout->addWidget(memo_);
    contentsLayout->addWidget(codes_);

    auto* what = new QGroupBox(QStringLiteral("What to print"), this);
    all_ = new QRadioButton(QStringLiteral("All records"), what);
    filtered_ = new QRadioButton(QStringLiteral("Records matching filter"), what);
    current_ = new QRadioButton(QStringLiteral("Only current record"), what);
    all_->setWhatsThis(QStringLiteral("Every record of the address file."));
    filtered_->setWhatsThis(QStringLiteral("The records your filter shows."));
    current_->setWhatsThis(QStringLiteral("The record you see in the main window."));
    filtered_->setEnabled(filteredEnabled);
    (filteredEnabled ? filtered_ : all_)->setChecked(true);
    startFromCurrent_ = new QCheckBox(QStringLiteral("Start from current record"), what);
    startFromCurrent_->setWhatsThis(
        QStringLiteral("Begins with the current record instead of the first one."));
    auto* whatLayout = new QVBoxLayout(what);
    for (QWidget* w : std::initializer_list<QWidget*>{all_, filtered_, current_, startFromCurrent_})
        whatLayout->addWidget(w);
    whatLayout->addStretch();

    auto* printNow =
        makeCommandButton(QStringLiteral("Print Now"), QStringLiteral("Prints the report."), this);
    auto* preview = makeCommandButton(QStringLiteral("Preview"),
                                      QStringLiteral("Shows the report on screen first."), this);
    auto* printerSetup = makeCommandButton(QStringLiteral("Printer Setup"),
                                           QStringLiteral("Chooses the printer's settings."), this);
    auto* cancel = makeCommandButton(
        QStringLiteral("Cancel"), QStringLiteral("Closes this window, keeping the title."), this);
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
