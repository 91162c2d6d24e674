// DBF sources in other code pages than Windows-1252: the code page mark of the header read,
// the text and memos converted, and letters the address file lacks in their closest spelling.
#include <QFile>

#include "data/CodePageText.h"
#include "data/RecordText.h"
#include "import/DbfImport.h"
#include "support/AddressFileFixture.h"
#include "xbase/DbfLayout.h"
#include "xbase/Table.h"

namespace rp {
namespace {

TEST(CodePageTextTest, MarksNameTheirCharacterSets) {
    const struct {
        std::uint8_t mark;
        const char* charset;
        std::string_view bytes;
        const char* text;
    } cases[] = {
        {0x00, "windows-1252", "Caf\xE9 \x80", "Café €"},
        {0x03, "windows-1252", "Caf\xE9", "Café"},
        {0x57, "windows-1252", "Caf\xE9", "Café"},  // a mark not known: as Windows-1252
        {0xC9, "windows-1251", "\xD9\xF3\xEA\xE8\xED", "Щукин"},
        {0xC8, "windows-1250", "\xA3\xF3\x64\x9F", "Łódź"},
        {0x65, "ibm-866", "\x8C\xAE\xE1\xAA\xA2\xA0", "Москва"},
        {0xCB, "windows-1253", "\xC1\xE8\xDE\xED\xE1", "Αθήνα"},
        {0x02, "ibm-850", "M\x81ller", "Müller"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(dbfCodePageCharset(c.mark), c.charset) << int(c.mark);
        const CodePageDecoder decoder(c.charset);
        ASSERT_TRUE(decoder.ok()) << c.charset;
        EXPECT_EQ(decoder.decode(c.bytes), QString::fromUtf8(c.text)) << c.charset;
    }
    const CodePageDecoder unknown("windows-9999");
    EXPECT_FALSE(unknown.ok());
    EXPECT_TRUE(unknown.error().startsWith("The character set windows-9999 cannot be read: U_"))
        << unknown.error().toStdString();
}

class DbfCodePageTest : public AddressFileFixture {
  protected:
    // A source of one record whose header carries mark.
    QString writeSource(std::uint8_t mark, const std::string& name, const std::string& memo) {
        const std::string path = dir.file("SOURCE.DBF");
        engine.create(path, {{"SURNAME", 'C', 20, 0}, {"NOTE", 'M', 10, 0}});
        auto source = engine.open(path, xbase::OpenMode::Exclusive);
        source->appendBlank();
        source->setText("SURNAME", name);
        source->setMemo("NOTE", memo);
        source->post();
        source->close();
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(xbase::dbf::kCodePageOffset);
        file.write(reinterpret_cast<const char*>(&mark), 1);
        return QString::fromStdString(path);
    }

    void import(const QString& path) {
        DbfSource source = openDbfSource(table, path);
        ASSERT_TRUE(source.table) << source.refusal.toStdString();
        ImportLayout layout = dbfImportLayout(*source.table);
        layout.columns[0].match = "Last";
        layout.columns[1].match = "Memo";
        const DbfImportResult result = importDbfFile(table.table(), *source.table, layout);
        EXPECT_EQ(dbfImportMessages(result), QStringList{"Import complete. Imported 1 records."});
        table->go(table->recordCount());
    }
};

TEST_F(DbfCodePageTest, TextAndMemosAreReadInTheSourcesCodePage) {
    const struct {
        std::uint8_t mark;
        std::string name;
        std::string memo;
        const char* lname;
        const char* memoText;
    } cases[] = {
        {0x00, "Caf\xE9", "\x80 5\x81", "Café", "€ 5\xC2\x81"},  // bytes over as they are
        {0xC9, "\xD9\xF3\xEA\xE8\xED", "\xCF\xF0\xE8\xE2\xE5\xF2", "Shchukin", "Privet"},
        {0xC8, "\xA3\xF3\x64\x9F", "Erd\xF5s", "Lódz", "Erdos"},
        {0x65, "\x8C\xAE\xE1\xAA\xA2\xA0", "", "Moskva", ""},
    };
    for (const auto& c : cases) {
        import(writeSource(c.mark, c.name, c.memo));
        EXPECT_EQ(fieldText(table.table(), "LNAME"), QString::fromUtf8(c.lname)) << int(c.mark);
        EXPECT_EQ(memoText(table.table(), "MEMO"), QString::fromUtf8(c.memoText)) << int(c.mark);
    }
}

}  // namespace
}  // namespace rp
