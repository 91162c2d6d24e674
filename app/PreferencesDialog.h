#pragma once
// The Preferences dialog: the date format, what happens when records are added, sharing the open
// file, and the postal barcode. It reads the [Date], [Adding], [Sharing] and [PostalBarcode] keys
// when it opens and writes all of them on Save; Intelligent Mail with a tracking code that is not
// right is not saved.
#include <QString>
#include <utility>
#include <vector>

#include "data/Preferences.h"
#include "framework/Dialog.h"
#include "framework/HelpTopic.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLayout;
class QLineEdit;

namespace rp {

class PostalBarcodeBox;

class PreferencesDialog : public Dialog {
    Q_OBJECT
  public:
    static constexpr HelpTopic::Number kHelpTopic = HelpTopic::Preferences;

    PreferencesDialog(const QString& iniPath, QWidget* parent);

    // The values shown when the dialog opened, or those saved once Save succeeded.
    const Preferences& preferences() const { return held_; }
    PostalBarcodeBox* barcodeBox() const { return barcode_; }

  private:
    QLayout* makeDateFormatRow();
    QGroupBox* makeAddingGroup();
    QGroupBox* makeCarryGroup();
    QLayout* makeButtonRow();
    QCheckBox* makeSwitch(const QString& caption, const QString& help, bool Preferences::*field);
    void pickDateFormat(int index);
    void save();

    QString iniPath_;
    Preferences held_;
    QComboBox* dateFormat_ = nullptr;
    QLineEdit* defaultCountry_ = nullptr;
    std::vector<std::pair<QCheckBox*, bool Preferences::*>> switches_;
    PostalBarcodeBox* barcode_ = nullptr;
};

}  // namespace rp
