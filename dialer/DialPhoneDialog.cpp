#include "dialer/DialPhoneDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/IniFile.h"
#include "dialer/PhoneCall.h"
#include "framework/UnstoredSettings.h"

namespace rp {
namespace {

constexpr int kNumberWidth = 30;  // characters the number boxes show

QLineEdit* makeLine(const QString& text, const QString& help, QWidget* parent) {
    auto* line = new QLineEdit(text, parent);
    line->setMinimumWidth(line->fontMetrics().averageCharWidth() * kNumberWidth);
    line->setWhatsThis(help);
    return line;
}

}  // namespace

DialPhoneDialog::DialPhoneDialog(const QString& iniPath, const QString& number, QWidget* parent,
                                 std::vector<ModemPort> ports, DevicePath devicePath)
    : Dialog(parent, kHelpTopic), iniPath_(iniPath), devicePath_(std::move(devicePath)) {
    setWindowTitle(tr("Dial Phone Number"));

    number_ = makeLine(number,
                       tr("The number the modem dials, exactly as typed. Change it "
                          "here to dial another number."),
                       this);
    prefix_ = makeLine({},
                       tr("Dialled in front of the number, for example 9 and a "
                          "comma to reach an outside line."),
                       this);
    init_ = makeLine({}, tr("The modem's initialization string."), this);
    auto* form = new QFormLayout;
    form->addRow(tr("Number to Dial"), number_);
    form->addRow(tr("Prefix"), prefix_);
    form->addRow(tr("Modem Initialization String"), init_);
    // Kept in the settings as it was read; the modem is never sent it.
    form->setRowVisible(init_, false);

    auto* portGroup = new QGroupBox(tr("Port"), this);
    port_ = new QComboBox(portGroup);
    for (const ModemPort& p : ports) port_->addItem(p.caption, p.device);
    port_->setWhatsThis(tr("The port the modem is connected to."));
    (new QVBoxLayout(portGroup))->addWidget(port_);

    auto* methodGroup = new QGroupBox(tr("Method"), this);
    tone_ = new QRadioButton(tr("Tone"), methodGroup);
    tone_->setWhatsThis(tr("Dials with touch tones."));
    tone_->setChecked(true);
    pulse_ = new QRadioButton(tr("Pulse"), methodGroup);
    pulse_->setWhatsThis(tr("Dials with pulses, for older exchanges."));
    auto* methods = new QHBoxLayout(methodGroup);
    methods->addWidget(tone_);
    methods->addWidget(pulse_);

    auto* groups = new QHBoxLayout;
    groups->addWidget(portGroup);
    groups->addWidget(methodGroup);

    dial_ = new QPushButton(tr("Dial"), this);
    dial_->setDefault(true);
    dial_->setWhatsThis(tr("Saves these settings and has the modem dial the prefix and number."));
    connect(dial_, &QPushButton::clicked, this, &DialPhoneDialog::dial);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setAutoDefault(false);
    cancel_->setWhatsThis(tr("Closes the window."));
    connect(cancel_, &QPushButton::clicked, this, &DialPhoneDialog::reject);
    help_ = makeHelpButton();
    pointerHelp_ = makePointerHelpButton();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pointerHelp_);
    buttons->addStretch();
    buttons->addWidget(dial_);
    buttons->addWidget(cancel_);
    buttons->addWidget(help_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

DialSettings DialPhoneDialog::chosenSettings() const {
    DialSettings s;
    s.prefix = prefix_->text();
    s.init = init_->text();
    s.port = port_->currentData().toString();
    s.method = pulse_->isChecked() ? DialMethod::Pulse : DialMethod::Tone;
    return s;
}

void DialPhoneDialog::showEvent(QShowEvent* event) {
    // Read once, before the dialog can first become active; later showings keep what is typed.
    if (!loaded_) {
        loaded_ = true;
        showSettings(loadDialSettings(IniFile(iniPath_)));
    }
    Dialog::showEvent(event);
}

void DialPhoneDialog::showSettings(const DialSettings& settings) {
    prefix_->setText(settings.prefix);
    init_->setText(settings.init);
    int index = port_->findData(settings.port);
    if (index < 0) {
        // A modem that is not plugged in now stays chosen, so that saving keeps it.
        port_->addItem(settings.port, settings.port);
        index = port_->count() - 1;
    }
    port_->setCurrentIndex(index);
    (settings.method == DialMethod::Pulse ? pulse_ : tone_)->setChecked(true);
}

void DialPhoneDialog::dial() {
    help_->hide();
    pointerHelp_->hide();
    const DialSettings chosen = chosenSettings();
    storeSettings(iniPath_, [&] {
        IniFile ini(iniPath_);
        saveDialSettings(ini, chosen);
    });
    const QString device = devicePath_ ? devicePath_(chosen.port) : chosen.port;
    dialNumber(chosen.prefix + number_->text(), device, chosen.method, windowTitle());
}

}  // namespace rp
