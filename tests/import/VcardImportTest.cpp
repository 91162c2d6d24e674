// Importing the vCard fixtures into a real address file: every field of every record, the
// cards skipped, the closing message, cancel, and the tags built afresh afterwards.
#include <QStringList>

#include "VcardFixtures.h"
#include "data/AddressLayout.h"
#include "data/RecordText.h"
#include "import/ImportTags.h"
#include "import/VcardImport.h"
#include "support/AddressFileFixture.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class VcardImportTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        add({{"LNAME", "Existing"}});
    }

    VcardImportResult import(const char* fixture, const ImportHooks& hooks = {}) {
        const VcardFile file = readVcardFile(vcardFixture(fixture));
        EXPECT_EQ(file.error, QString()) << fixture;
        return importVcards(table.table(), file.cards, hooks);
    }

    // The fields of record recno that are not empty.
    FieldValues record(std::uint32_t recno) {
        table->go(recno);
        FieldValues values;
        for (const auto& field : addressFields()) {
            const QString name = QString::fromStdString(field.name);
            const QString text = field.type == 'M'   ? memoText(table.table(), field.name.c_str())
                                 : field.type == 'C' ? fieldText(table.table(), field.name.c_str())
                                                     : QString();
            if (!text.isEmpty()) values[name] = text;
        }
        return values;
    }
};

TEST_F(VcardImportTest, EachVersionFillsTheFieldsItsCardsGive) {
    for (const VcardFixture& f : vcardFixtures()) {
        const std::uint32_t before = table->recordCount();
        const VcardImportResult result = import(f.file);
        EXPECT_EQ(result.outcome, VcardImportResult::Outcome::Complete) << f.file;
        EXPECT_EQ(result.imported, f.records.size()) << f.file;
        EXPECT_EQ(result.skipped, f.skipped) << f.file;
        ASSERT_EQ(table->recordCount(), before + f.records.size()) << f.file;
        for (std::size_t r = 0; r < f.records.size(); ++r)
            EXPECT_EQ(record(before + 1 + static_cast<std::uint32_t>(r)), f.records[r])
                << f.file << " card " << r + 1;
    }
}

TEST_F(VcardImportTest, TellsTheCardsImportedAndSkippedWithWhy) {
    const VcardImportResult result = import("contacts-40.vcf");
    EXPECT_EQ(vcardImportMessage(result),
              "Import complete. Cards imported: 4.\r\nCards skipped: 1 (no name, organization, "
              "title, address, phone, fax, e-mail, category or note on them).");
    EXPECT_EQ(vcardImportNotes(result), "");
    EXPECT_FALSE(table->hasStructuralIndex());
    int gauge = -1;
    ASSERT_TRUE(rebuildImportedTags(table, [&](int percent) { gauge = percent; }));
    EXPECT_EQ(gauge, 100);
    table->setOrder("LNAME");
    table->goTop();
    EXPECT_EQ(fieldText(table.table(), "LNAME"), "");  // Northwind Traders has no last name
}

TEST_F(VcardImportTest, CountsWhatWasCutAndReplaced) {
    const VcardImportResult result = import("contacts-30.vcf");
    EXPECT_EQ(vcardImportNotes(result),
              "1 values were longer than their fields and were cut to fit.");
}

TEST_F(VcardImportTest, StoresLettersTheFileLacksInACloseSpelling) {
    const VcardFile file = readVcards(
        "BEGIN:VCARD\r\nVERSION:4.0\r\nN:Dvo\xC5\x99\xC3\xA1k;Anton\xC3\xADn;;;\r\n"
        "NOTE:\xF0\x9F\x8E\xBB\r\nEND:VCARD\r\n",
        QStringLiteral("in.vcf"));
    ASSERT_EQ(file.error, QString());
    const VcardImportResult result = importVcards(table.table(), file.cards);
    EXPECT_EQ(vcardImportNotes(result),
              "1 characters were stored in a close spelling and 1 replaced by ?.");
    EXPECT_EQ(record(2), (FieldValues{{"LNAME", QString::fromUtf8("Dvorák")},
                                      {"FNAME", QString::fromUtf8("Antonín")},
                                      {"MEMO", "?"}}));
}

TEST_F(VcardImportTest, CancelStopsAfterTheCardInHandWhichStays) {
    int asked = 0;
    ImportHooks hooks;
    hooks.bulk.keepGoing = [&] { return ++asked < 3; };
    const VcardImportResult result = import("contacts-40.vcf", hooks);
    EXPECT_EQ(result.outcome, VcardImportResult::Outcome::Cancelled);
    EXPECT_EQ(vcardImportMessage(result), "Import cancelled. Cards imported: 2.");
    EXPECT_EQ(table->recordCount(), 3u);
}

}  // namespace
}  // namespace rp
