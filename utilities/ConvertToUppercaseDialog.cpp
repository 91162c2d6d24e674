#include "utilities/ConvertToUppercaseDialog.h"

#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/ErrorReport.h"
#include "framework/Messages.h"

namespace rp {

ConvertToUppercaseDialog::ConvertToUppercaseDialog(xbase::Table& table, bool filterSet,
                                                   QWidget* parent)
    : BulkDialog(parent, HelpTopic::ConvertToUppercase), table_(table) {
    setWindowTitle(tr("Convert To Uppercase"));
    auto* heading = new QLabel(tr("Convert  to uppercase:"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    options_ = new QWidget(this);
    auto* question = new QLabel(tr("Which fields should be converted to uppercase?"), options_);
    auto* fields = new QGroupBox(options_);
    auto* grid = new QGridLayout(fields);
    const auto& list = uppercaseFields();
    const int rows = static_cast<int>(list.size() + 2) / 2;
    for (std::size_t i = 0; i < list.size(); ++i) {
        auto* box = new QCheckBox(tr(list[i].caption), fields);
        box->setChecked(true);
        box->setWhatsThis(tr("Ticked: this field is converted to capitals."));
        const int n = static_cast<int>(i);
        grid->addWidget(box, n % rows, n / rows);
        fieldBoxes_.push_back(box);
    }
    all_ = new QCheckBox(tr("All"), fields);
    all_->setChecked(true);
    all_->setWhatsThis(tr("Ticks or clears every field at once."));
    grid->addWidget(all_, rows - 1, 1);
    connect(all_, &QCheckBox::toggled, this, [this](bool on) {
        for (QCheckBox* box : fieldBoxes_) box->setChecked(on);
    });

    auto* scopeBox = new QGroupBox(options_);
    auto* scopeColumn = new QVBoxLayout(scopeBox);
    const QString scopeCaptions[] = {tr("Current Record Only"), tr("All Records"),
                                     tr("All Records Matching Filter")};
    const QString scopeHelp[] = {tr("Converts only the record shown in the main window."),
                                 tr("Converts every record of the file, whatever the filter."),
                                 tr("Converts the records of the current filter.")};
    for (int i = 0; i < 3; ++i) {
        scopes_[i] = new QRadioButton(scopeCaptions[i], scopeBox);
        scopes_[i]->setWhatsThis(scopeHelp[i]);

        scopeColumn->addWidget(scopes_[i]);
    }
    scopes_[0]->setChecked(true);
    scopes_[2]->setEnabled(filterSet);

    auto* optionsColumn = new QVBoxLayout(options_);
    optionsColumn->setContentsMargins(0, 0, 0, 0);
    optionsColumn->addWidget(question);
    optionsColumn->addWidget(fields);
    optionsColumn->addWidget(scopeBox);

    convert_ = new QPushButton(tr("Convert"), this);
    convert_->setDefault(true);
    convert_->setWhatsThis(tr("Converts the ticked fields of the chosen records to capitals."));
    connect(convert_, &QPushButton::clicked, this,
            guarded(this, &ConvertToUppercaseDialog::onConvertClicked));
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(
        tr("Closes the window; while converting, stops after the record in hand."));
    connect(cancel_, &QPushButton::clicked, this, &ConvertToUppercaseDialog::cancelClicked);
    layOutParts({heading, options_, progressBar()}, {convert_, cancel_});
    progressBar()->hide();
}

std::vector<std::string> ConvertToUppercaseDialog::tickedFields() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < fieldBoxes_.size(); ++i)
        if (fieldBoxes_[i]->isChecked()) out.emplace_back(uppercaseFields()[i].field);
    return out;
}

ConvertScope ConvertToUppercaseDialog::scope() const {
    for (int i = 0; i < 3; ++i)
        if (scopes_[i]->isChecked()) return static_cast<ConvertScope>(i);
    return ConvertScope::CurrentRecord;
}

void ConvertToUppercaseDialog::onConvertClicked() {
    if (busy()) return;
    const std::vector<std::string> fields = tickedFields();
    if (fields.empty()) {
        showInformation(tr("No fields checked for conversion"));
        return;
    }
    const ConvertScope chosen = scope();
    helpButtons()->hide();
    convert_->setEnabled(false);
    if (chosen == ConvertScope::CurrentRecord)
        options_->hide();
    else
        showWorking(options_, progressBar());
    runBusy([&] { convertToUppercase(table_, fields, chosen, hooks()); });
    progressBar()->hide();
    accept();
}

bool ConvertToUppercaseDialog::confirmCancel() {
    return askYesNo(tr("Cancel case conversion?"));
}

}  // namespace rp
