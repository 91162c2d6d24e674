// Copying records out to a vCard file: the bytes of a record's card (escapes, UTF-8, lines
// folded at 75 bytes but never inside a character), and the vCard choice of the dialog.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "data/RecordText.h"
#include "support/AddressFileFixture.h"
#include "support/ScriptedFileChooser.h"
#include "utilities/CopyRecordsOutDialog.h"
#include "utilities/VcardCopy.h"

namespace rp {
namespace {

class VcardCopyTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"PREFIX", "Mr."},
             {"FNAME", "Jos\xE9"},
             {"MIDDLE", "Q"},
             {"LNAME", "O'Hara"},
             {"TITLE", "Chief; Ops"},
             {"ORG", "Acme, Inc."},
             {"STREET", "1 Main St"},
             {"CITY", "Boston"},
             {"STATE", "MA"},
             {"ZIP", "02101"},
             {"COUNTRY", "USA"},
             {"PHONE", "555-1234"},
             {"EMAIL", "jo@acme.com"},
             {"FAX", "555-9"},
             {"NOTES", "VIP,East"}});
        // "NOTE:" and 69 letters fill 74 bytes: the two bytes of "é" go to the next line whole.
        setMemoText(table.table(), "MEMO", QString(69, u'a') + QString::fromUtf8("ébc\\x\r\nend"));
        table->post();
        add({{"LNAME", "Baker"}, {"CITY", "Reno"}});
        table->goTop();  // Baker before O'Hara
    }
    ScriptedFileChooser chooser;
    FileChooserScope chooserScope{chooser};
};

const std::string kOHaraCard =
    "BEGIN:VCARD\r\n"
    "VERSION:4.0\r\n"
    "FN:Mr. Jos\xC3\xA9 Q. O'Hara\r\n"
    "N:O'Hara;Jos\xC3\xA9;Q;Mr.;\r\n"
    "ORG:Acme\\, Inc.\r\n"
    "TITLE:Chief\\; Ops\r\n"
    "ADR;TYPE=work:;;1 Main St;Boston;MA;02101;USA\r\n"
    "TEL;VALUE=text;TYPE=voice:555-1234\r\n"
    "TEL;VALUE=text;TYPE=fax:555-9\r\n"
    "EMAIL:jo@acme.com\r\n"
    "CATEGORIES:VIP,East\r\n"
    "NOTE:" +
    std::string(69, 'a') +
    "\r\n"
    " \xC3\xA9"
    "bc\\\\x\\nend\r\n"
    "END:VCARD\r\n";

const std::string kBakerCard =
    "BEGIN:VCARD\r\n"
    "VERSION:4.0\r\n"
    "FN:Baker\r\n"
    "N:Baker;;;;\r\n"
    "ADR;TYPE=home:;;;Reno;;;\r\n"
    "END:VCARD\r\n";

TEST_F(VcardCopyTest, ACardHoldsEveryFieldEscapedInUtf8AndFolded) {
    EXPECT_EQ(vcardRecord(table.table()), kBakerCard);
    table->skip();
    EXPECT_EQ(vcardRecord(table.table()), kOHaraCard);
}

TEST_F(VcardCopyTest, TheDialogCopiesToAVcardFile) {
    const QString out = QString::fromStdString(dir.file("out.vcf"));
    CopyRecordsOutDialog window(table.table(), QString(),
                                [](xbase::JulianDay) { return QString(); });
    EXPECT_EQ(window.kindButton(CopyKind::Vcard)->text(), "Copy to a vCard file");
    window.kindButton(CopyKind::Vcard)->setChecked(true);
    EXPECT_EQ(window.kind(), CopyKind::Vcard);
    chooser.answer(out);
    window.onSaveAsClicked();
    ASSERT_EQ(chooser.requests().size(), 1u);
    EXPECT_EQ(chooser.requests()[0].proposedName, "*.VCF");
    EXPECT_EQ(chooser.requests()[0].filter, "vCard Files|*.VCF");
    EXPECT_EQ(window.nameLabel()->text(), out);
    window.onCopyNowClicked();
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), kBakerCard + kOHaraCard);
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace rp
