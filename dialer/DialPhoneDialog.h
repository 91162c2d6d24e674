#pragma once
// The "Dial Phone Number" dialog: the number (the record's phone as stored), a prefix, the
// port and the dialling method. The [Dialing] settings are read when the dialog is first shown
// and written on every Dial before the port is opened. The dialog stays open after Dial so that
// the number can be dialled again; Cancel closes it.
#include <QString>
#include <functional>
#include <vector>

#include "dialer/DialSettings.h"
#include "dialer/ModemPort.h"
#include "framework/Dialog.h"
#include "framework/HelpTopic.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace rp {

class DialPhoneDialog : public Dialog {
    Q_OBJECT
  public:
    static constexpr HelpTopic::Number kHelpTopic = HelpTopic::Dialer;
    // The device a port's path is opened as; the program opens the path itself.
    using DevicePath = std::function<QString(const QString& port)>;

    DialPhoneDialog(const QString& iniPath, const QString& number, QWidget* parent = nullptr,
                    std::vector<ModemPort> ports = modemPorts(), DevicePath devicePath = {});

    // The settings the boxes show.
    DialSettings chosenSettings() const;

    QLineEdit* numberEdit() const { return number_; }
    QLineEdit* prefixEdit() const { return prefix_; }
    QLineEdit* initEdit() const { return init_; }
    QComboBox* portBox() const { return port_; }
    QRadioButton* toneButton() const { return tone_; }
    QRadioButton* pulseButton() const { return pulse_; }
    QPushButton* dialButton() const { return dial_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* helpButton() const { return help_; }
    QToolButton* pointerHelpButton() const { return pointerHelp_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showSettings(const DialSettings& settings);
    void dial();

    QString iniPath_;
    DevicePath devicePath_;
    bool loaded_ = false;
    QLineEdit* number_ = nullptr;
    QLineEdit* prefix_ = nullptr;
    QLineEdit* init_ = nullptr;
    QComboBox* port_ = nullptr;
    QRadioButton* tone_ = nullptr;
    QRadioButton* pulse_ = nullptr;
    QPushButton* dial_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    QToolButton* pointerHelp_ = nullptr;
};

}  // namespace rp
