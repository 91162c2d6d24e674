// The Preferences dialog: what it shows from the file, what Save writes and what Cancel leaves.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "IniFolderFixture.h"
#include "app/PostalBarcodeBox.h"
#include "app/PreferencesDialog.h"
#include "data/IniFile.h"
#include "support/QtPrinting.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

class PreferencesDialogTest : public IniFolderTest {
  protected:
    QString stored(const QString& section, const QString& key) const {
        return IniFile(path()).readString(section, key, QStringLiteral("(missing)"));
    }

    template <class Widget>
    static Widget* withText(const QWidget& dialog, const QString& text) {
        for (Widget* w : dialog.findChildren<Widget*>())
            if (w->text() == text) return w;
        ADD_FAILURE() << "nothing reads " << text.toStdString();
        return nullptr;
    }

    static void press(const QWidget& dialog, const QString& caption) {
        withText<QPushButton>(dialog, caption)->click();
    }
};

TEST_F(PreferencesDialogTest, LooksAsIntended) {
    PreferencesDialog dialog(path(), nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Preferences");
    EXPECT_EQ(dialog.helpTopic(), 1030);
    for (const char* caption : {"Save", "Cancel", "Help"})
        EXPECT_NE(withText<QPushButton>(dialog, caption), nullptr);
    EXPECT_NE(withText<QLabel>(dialog, "Date Format"), nullptr);
    EXPECT_NE(withText<QLabel>(dialog, "Default Country Name"), nullptr);

    QStringList groups;
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>()) groups << g->title();
    EXPECT_EQ(groups, QStringList({" When adding new records",
                                   "Carry forward the following fields:", "Postal Barcode"}));

    QStringList boxes;
    for (const QCheckBox* b : dialog.findChildren<QCheckBox*>()) boxes << b->text();
    EXPECT_EQ(boxes, QStringList({"Enter today's date in the date field",
                                  "Automatically insert city and state/province",
                                  "Automatically check for duplicate names", "Organization",
                                  "Street Address ", "City", "State/Province", "Zip/Postal Code",
                                  "Country", "Let others work on the open file at the same time"}));

    const auto* formats = dialog.findChild<QComboBox*>();
    ASSERT_NE(formats, nullptr);
    EXPECT_FALSE(formats->isEditable());
    QStringList entries;
    for (int i = 0; i < formats->count(); ++i) entries << formats->itemText(i);
    EXPECT_EQ(entries, QStringList({"mm/dd/yy", "mm/dd/yyyy", "dd/mm/yy", "dd/mm/yyyy", "dd.mm.yy",
                                    "dd.mm.yyyy", "yy.mm.dd", "yyyy.mm.dd", "yy/mm/dd",
                                    "yyyy/mm/dd", "mm-dd-yy", "mm-dd-yyyy"}));
    EXPECT_EQ(dialog.findChild<QLineEdit*>()->maxLength(), 30);

    QList<QWidget*> controls;
    for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) controls << b;
    controls << dialog.findChild<QComboBox*>() << dialog.findChild<QLineEdit*>();
    // Ten switches, the two barcode choices, four buttons, the list and the text box.
    EXPECT_EQ(controls.size(), 18);
    for (const QWidget* w : controls)
        EXPECT_FALSE(w->whatsThis().isEmpty()) << w->metaObject()->className();

    dialog.show();
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
}

TEST_F(PreferencesDialogTest, FreshFileSavedUntouchedStoresTheProgramDefaults) {
    PreferencesDialog dialog(path(), nullptr);
    EXPECT_EQ(dialog.findChild<QComboBox*>()->currentText(), "mm/dd/yyyy");
    press(dialog, "Save");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(stored("Date", "DateSeparator"), "/");
    EXPECT_EQ(stored("Date", "ShortDateFmt"), "mm/dd/yyyy");
    EXPECT_EQ(stored("Date", "DateEditMask"), "!99/99/9999;1;_");
    for (const char* key : {"PlugDate", "PlugCityState", "AutoDupCheck", "CarryOrg", "CarrySA1",
                            "CarryCity", "CarryState", "CarryZip", "CarryCountry"})
        EXPECT_EQ(stored("Adding", key), "0") << key;
    EXPECT_EQ(stored("Adding", "DefaultCountry"), "");
    EXPECT_EQ(stored("Sharing", "ShareOpenFile"), "0");
}

TEST_F(PreferencesDialogTest, PickingAFormatStoresItsSeparatorAndMask) {
    PreferencesDialog dialog(path(), nullptr);
    auto* formats = dialog.findChild<QComboBox*>();
    formats->setCurrentIndex(formats->findText("dd.mm.yy"));
    press(dialog, "Save");
    EXPECT_EQ(stored("Date", "DateSeparator"), ".");
    EXPECT_EQ(stored("Date", "ShortDateFmt"), "dd.mm.yy");
    EXPECT_EQ(stored("Date", "DateEditMask"), "!99.99.99;1;_");
    EXPECT_EQ(dialog.preferences().emptyDateTemplate, "  .  .  ");
}

TEST_F(PreferencesDialogTest, OddStoredFormatShowsNoSelectionAndSurvivesSave) {
    put("[Date]\r\nDateSeparator=-\r\nShortDateFmt=yyyy-mm-dd\r\nDateEditMask=!9999-99-99;1;_\r\n");
    PreferencesDialog dialog(path(), nullptr);
    EXPECT_EQ(dialog.findChild<QComboBox*>()->currentIndex(), -1);
    press(dialog, "Save");
    EXPECT_EQ(stored("Date", "DateSeparator"), "-");
    EXPECT_EQ(stored("Date", "ShortDateFmt"), "yyyy-mm-dd");
    EXPECT_EQ(stored("Date", "DateEditMask"), "!9999-99-99;1;_");
}

TEST_F(PreferencesDialogTest, ShowingTheStoredFormatKeepsItsOwnMask) {
    put("[Date]\r\nShortDateFmt=MM/DD/YYYY\r\n");
    {
        PreferencesDialog dialog(path(), nullptr);
        EXPECT_EQ(dialog.findChild<QComboBox*>()->currentIndex(), -1);  // letter case counts
    }
    put("[Date]\r\nShortDateFmt=mm/dd/yyyy\r\nDateEditMask=!99/99/9999;0;_\r\n");
    PreferencesDialog dialog(path(), nullptr);
    EXPECT_EQ(dialog.findChild<QComboBox*>()->currentText(), "mm/dd/yyyy");
    press(dialog, "Save");
    EXPECT_EQ(stored("Date", "DateEditMask"), "!99/99/9999;0;_");
}

TEST_F(PreferencesDialogTest, StoredSwitchesAndCountryAreShownAndChangesSaved) {
    put("[Adding]\r\nPlugCityState=1\r\nCarrySA1=1\r\nCarryZip=1\r\nDefaultCountry=CANADA\r\n");
    PreferencesDialog dialog(path(), nullptr);
    QStringList ticked;
    for (const QCheckBox* b : dialog.findChildren<QCheckBox*>())
        if (b->isChecked()) ticked << b->text();
    EXPECT_EQ(ticked, QStringList({"Automatically insert city and state/province",
                                   "Street Address ", "Zip/Postal Code"}));
    auto* country = dialog.findChild<QLineEdit*>();
    EXPECT_EQ(country->text(), "CANADA");

    withText<QCheckBox>(dialog, "Automatically check for duplicate names")->setChecked(true);
    withText<QCheckBox>(dialog, "Street Address ")->setChecked(false);
    withText<QCheckBox>(dialog, "Country")->setChecked(true);
    withText<QCheckBox>(dialog, "Let others work on the open file at the same time")
        ->setChecked(true);
    country->setText("USA");
    press(dialog, "Save");
    EXPECT_EQ(stored("Sharing", "ShareOpenFile"), "1");
    EXPECT_EQ(stored("Adding", "AutoDupCheck"), "1");
    EXPECT_EQ(stored("Adding", "PlugCityState"), "1");
    EXPECT_EQ(stored("Adding", "CarrySA1"), "0");
    EXPECT_EQ(stored("Adding", "CarryZip"), "1");
    EXPECT_EQ(stored("Adding", "CarryCountry"), "1");
    EXPECT_EQ(stored("Adding", "CarryOrg"), "0");
    EXPECT_EQ(stored("Adding", "DefaultCountry"), "USA");
    EXPECT_TRUE(dialog.preferences().carryCountry);
}

TEST_F(PreferencesDialogTest, CancelWritesNothing) {
    {
        PreferencesDialog dialog(path(), nullptr);
        withText<QCheckBox>(dialog, "City")->setChecked(true);
        press(dialog, "Cancel");
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(QFile::exists(path()));

    const QByteArray before = "[Date]\nShortDateFmt=dd/mm/yy\n; mine\n";
    put(before);
    PreferencesDialog dialog(path(), nullptr);
    auto* formats = dialog.findChild<QComboBox*>();
    formats->setCurrentIndex(formats->findText("yyyy.mm.dd"));
    press(dialog, "Cancel");
    EXPECT_EQ(bytes(), before);
}

TEST_F(PreferencesDialogTest, FileThatCannotBeWrittenIsReportedAndTheDialogStays) {
    ScriptedMessages messages;
    MessagesScope scope(messages);
    PreferencesDialog dialog(dir_.filePath(QStringLiteral("gone/RAVENP.INI")), nullptr);
    dialog.show();
    press(dialog, "Save");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, "error");
    EXPECT_TRUE(messages.shown()[0].text.contains("gone"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(PreferencesDialogTest, IntelligentMailIsCheckedAsTypedAndSavedOnlyWhenRight) {
    ScriptedMessages shown;
    MessagesScope scope(shown);
    PreferencesDialog dialog(path(), nullptr);
    PostalBarcodeBox& box = *dialog.barcodeBox();
    EXPECT_TRUE(box.postnetButton()->isChecked());
    EXPECT_FALSE(box.mailerIdEdit()->isEnabled());
    EXPECT_EQ(box.problemLine()->text(), "");

    box.intelligentMailButton()->click();
    EXPECT_TRUE(box.mailerIdEdit()->isEnabled());
    // Letters are not taken; each part's problem shows as it is typed.
    QTest::keyClicks(box.barcodeIdEdit(), "0A5");
    EXPECT_EQ(box.barcodeIdEdit()->text(), "05");
    EXPECT_EQ(box.problemLine()->text(),
              "The barcode identifier must be 2 digits, the second of them 0 to 4.");
    box.barcodeIdEdit()->setText("00");
    box.serviceTypeEdit()->setText("700");
    box.mailerIdEdit()->setText("912345678");
    box.serialEdit()->setText("1234567");
    EXPECT_EQ(box.problemLine()->text(),
              "With a mailer ID of 9 digits the serial number is 1 to 6 digits.");
    press(dialog, "Save");
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(shown.texts(), QStringList{"With a mailer ID of 9 digits the serial number is 1 to "
                                         "6 digits."});
    EXPECT_EQ(stored("PostalBarcode", "Symbology"), "(missing)");

    box.serialEdit()->setText("42");
    EXPECT_EQ(box.problemLine()->text(), "");
    press(dialog, "Save");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    for (const auto& [key, value] :
         {std::pair{"Symbology", "IntelligentMail"}, std::pair{"BarcodeId", "00"},
          std::pair{"ServiceType", "700"}, std::pair{"MailerId", "912345678"},
          std::pair{"NextSerial", "42"}})
        EXPECT_EQ(stored("PostalBarcode", key), value) << key;
}

}  // namespace
}  // namespace rp
