#include "app/PreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/PostalBarcodeBox.h"
#include "data/IniFile.h"
#include "framework/Messages.h"

namespace rp {
namespace {

constexpr int kCountryLength = 30;

}  // namespace

PreferencesDialog::PreferencesDialog(const QString& iniPath, QWidget* parent)
    : Dialog(parent, kHelpTopic), iniPath_(iniPath), held_(loadPreferences(IniFile(iniPath))) {
    setWindowTitle(tr("Preferences"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeDateFormatRow());
    layout->addWidget(makeAddingGroup());
    layout->addWidget(makeCarryGroup());
    layout->addWidget(makeSwitch(tr("Let others work on the open file at the same time"),
                                 tr("Opens address files shared, so that other users and "
                                    "programs can add, change and delete records at the same "
                                    "time. A record is locked while it is edited; imports, "
                                    "rebuilding the indexes and the bulk changes still need the "
                                    "file to themselves."),
                                 &Preferences::shareOpenFile));
    barcode_ = new PostalBarcodeBox(loadPostalBarcode(IniFile(iniPath)), this);
    layout->addWidget(barcode_);
    layout->addLayout(makeButtonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout* PreferencesDialog::makeDateFormatRow() {
    dateFormat_ = new QComboBox(this);
    for (const DateFormatEntry& e : dateFormatEntries()) dateFormat_->addItem(e.entry);
    dateFormat_->setCurrentIndex(
        dateFormat_->findText(held_.shortDateFmt, Qt::MatchExactly | Qt::MatchCaseSensitive));
    dateFormat_->setWhatsThis(
        tr("How dates are shown and typed: the order of day, month "
           "and year, the separator, and two or four digits for the year."));
    // Connected after the stored format is shown, so that only a pick replaces the date values.
    connect(dateFormat_, &QComboBox::currentIndexChanged, this, &PreferencesDialog::pickDateFormat);

    auto* row = new QFormLayout;
    row->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    row->addRow(tr("Date Format"), dateFormat_);
    return row;
}

QGroupBox* PreferencesDialog::makeAddingGroup() {
    auto* group = new QGroupBox(tr(" When adding new records"), this);
    auto* form = new QFormLayout(group);
    form->addRow(makeSwitch(tr("Enter today's date in the date field"),
                            tr("Puts today's date in the date field of every new record."),
                            &Preferences::plugDate));
    form->addRow(makeSwitch(tr("Automatically insert city and state/province"),
                            tr("Fills in the city and state or province from the ZIP or "
                               "postal code you type."),
                            &Preferences::plugCityState));
    form->addRow(makeSwitch(tr("Automatically check for duplicate names"),
                            tr("Warns you on saving a new record when a record with the same "
                               "name is already in the list."),
                            &Preferences::autoDupCheck));

    defaultCountry_ = new QLineEdit(held_.defaultCountry, group);
    defaultCountry_->setMaxLength(kCountryLength);
    defaultCountry_->setMinimumWidth(defaultCountry_->fontMetrics().averageCharWidth() *
                                     kCountryLength);
    defaultCountry_->setWhatsThis(
        tr("The country put in every new record. Leave it empty for "
           "lists within one country."));
    form->addRow(tr("Default Country Name"), defaultCountry_);
    return group;
}

QGroupBox* PreferencesDialog::makeCarryGroup() {
    struct Carry {
        const char* caption;
        const char* field;
        bool Preferences::*member;
    };
    // Down the first column, then down the second.
    static constexpr Carry kCarried[] = {
        {QT_TR_NOOP("Organization"), QT_TR_NOOP("organization"), &Preferences::carryOrg},
        {QT_TR_NOOP("Street Address "), QT_TR_NOOP("street address"), &Preferences::carrySA1},
        {QT_TR_NOOP("City"), QT_TR_NOOP("city"), &Preferences::carryCity},
        {QT_TR_NOOP("State/Province"), QT_TR_NOOP("state or province"), &Preferences::carryState},
        {QT_TR_NOOP("Zip/Postal Code"), QT_TR_NOOP("ZIP or postal code"), &Preferences::carryZip},
        {QT_TR_NOOP("Country"), QT_TR_NOOP("country"), &Preferences::carryCountry},
    };
    constexpr int kRows = 3;

    auto* group = new QGroupBox(tr("Carry forward the following fields:"), this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < static_cast<int>(std::size(kCarried)); ++i) {
        const Carry& c = kCarried[i];
        const QString help =
            tr("Copies the %1 of the record on the screen into each new record.").arg(tr(c.field));
        grid->addWidget(makeSwitch(tr(c.caption), help, c.member), i % kRows, i / kRows);
    }
    return group;
}

QLayout* PreferencesDialog::makeButtonRow() {
    auto* save = new QPushButton(tr("Save"), this);
    save->setDefault(true);
    save->setWhatsThis(tr("Keeps these preferences and closes the window."));
    connect(save, &QPushButton::clicked, this, &PreferencesDialog::save);

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setAutoDefault(false);
    cancel->setWhatsThis(tr("Closes the window and leaves the preferences as they were."));
    connect(cancel, &QPushButton::clicked, this, &PreferencesDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(makePointerHelpButton());
    row->addStretch();
    row->addWidget(save);
    row->addWidget(cancel);
    row->addWidget(makeHelpButton());
    return row;
}

QCheckBox* PreferencesDialog::makeSwitch(const QString& caption, const QString& help,
                                         bool Preferences::*field) {
    auto* box = new QCheckBox(caption, this);
    box->setChecked(held_.*field);
    box->setWhatsThis(help);
    switches_.emplace_back(box, field);
    return box;
}

void PreferencesDialog::pickDateFormat(int index) {
    if (index < 0) return;
    const DateFormatEntry& e = dateFormatEntries()[static_cast<std::size_t>(index)];
    held_.dateSeparator = e.separator;
    held_.shortDateFmt = e.format;
    held_.dateEditMask = e.mask;
    held_.emptyDateTemplate = emptyDateTemplate(e.mask);
}

void PreferencesDialog::save() {
    Preferences chosen = held_;
    for (const auto& [box, field] : switches_) chosen.*field = box->isChecked();
    chosen.defaultCountry = defaultCountry_->text();
    if (const QString problem = barcode_->problem(); !problem.isEmpty()) {
        messages().error(windowTitle(), problem);
        return;
    }
    try {
        IniFile ini(iniPath_);
        savePreferences(ini, chosen);
        savePostalBarcode(ini, barcode_->settings());
    } catch (const IniFileError& e) {
        messages().error(windowTitle(), errorText(e));
        return;
    }
    held_ = chosen;
    accept();
}

}  // namespace rp
