// Importing a DBF file: the proposal by field name, the rows of the match, opening the source,
// and an import into a real address file with the tags built afresh.
#include <QFile>

#include "data/AddressLayout.h"
#include "data/RecordText.h"
#include "import/DbfImport.h"
#include "import/DbfMatching.h"
#include "import/ImportTags.h"
#include "support/AddressFileFixture.h"
#include "xbase/Table.h"

namespace rp {
namespace {

ImportLayout fieldsOf(std::initializer_list<std::pair<char, const char*>> fields) {
    ImportLayout layout;
    for (const auto& [type, name] : fields)
        layout.columns.push_back({type, QString::fromLatin1(name), 10, {}});
    return layout;
}

TEST(DbfMatchingTest, ProposesByNameAndType) {
    EXPECT_EQ(proposedDbfMatch("codes", 'C'), "Zip/Post Code");
    EXPECT_EQ(proposedDbfMatch("SALUTATION", 'C'), "Prefix");
    EXPECT_EQ(proposedDbfMatch("LASTVISIT", 'D'), "Last");
    EXPECT_EQ(proposedDbfMatch("JOINED", 'D'), "Date");
    EXPECT_EQ(proposedDbfMatch("LASTNOTE", 'M'), "Memo");
    EXPECT_EQ(proposedDbfMatch("LASTPIC", 'G'), "");
    EXPECT_EQ(proposedDbfMatch("E-MAIL", 'C'), "E-Mail");
    EXPECT_EQ(proposedDbfMatch("AMOUNT", 'N'), "");
}

TEST(DbfMatchingTest, RowsProposeChooseAndSave) {
    ImportLayout layout = fieldsOf({{'C', "SURNAME"},
                                    {'C', "NAME2"},
                                    {'M', "NOTE1"},
                                    {'D', "JOINED"},
                                    {'C', "LNAME"},
                                    {'M', "NOTE2"},
                                    {'N', "AMOUNT"}});
    layout.columns[1].match = "first";  // saved matches are shown in any letter case
    DbfMatching matching(layout);
    EXPECT_EQ(matching.shown(1), "NAME2");
    EXPECT_EQ(matching.shown(2), "");

    matching.propose();
    EXPECT_EQ(matching.shown(2), "LNAME");  // the later of two fields proposed for "Last"
    EXPECT_EQ(matching.shown(15), "JOINED");
    EXPECT_EQ(matching.shown(16), "NOTE2");
    EXPECT_EQ(matching.choices(0), QStringList({"SURNAME", "NAME2", "LNAME", "AMOUNT"}));
    EXPECT_EQ(matching.choices(15), QStringList{"JOINED"});
    EXPECT_EQ(matching.choices(16), QStringList({"NOTE1", "NOTE2"}));

    matching.choose(11, "LNAME");  // taken off "Last"
    EXPECT_EQ(matching.shown(2), "");
    EXPECT_EQ(matching.shown(11), "LNAME");
    matching.choose(1, {});
    ASSERT_TRUE(matching.saveTo(layout));
    QStringList matches;
    for (const ImportColumn& c : layout.columns) matches << c.match;
    EXPECT_EQ(matches, QStringList({"", "", "", "Date", "Phone", "Memo", ""}));

    matching.clearAll();
    EXPECT_FALSE(matching.saveTo(layout));
    EXPECT_FALSE(layout.anyMatch());
}

class DbfImportTest : public AddressFileFixture {
  protected:
    // A source with character, numeric, date and memo fields: a full record, one with blanks
    // and a deleted one.
    QString writeSource() {
        const std::string path = dir.file("SOURCE.DBF");
        engine.create(path, {{"SURNAME", 'C', 40, 0},
                             {"GIVEN", 'C', 10, 0},
                             {"HOMECITY", 'C', 20, 0},
                             {"JOINED", 'D', 8, 0},
                             {"AMOUNT", 'N', 8, 2},
                             {"NOTE1", 'M', 10, 0},
                             {"LASTSEEN", 'D', 8, 0},
                             {"NOTE2", 'M', 10, 0}});
        auto source = engine.open(path, xbase::OpenMode::Exclusive);
        source->appendBlank();
        source->setText("SURNAME", std::string(40, 'S'));
        source->setText("GIVEN", "Ann");
        source->setText("HOMECITY", "Caf\xE9 Town");
        source->setDate("JOINED", xbase::julianDay(2024, 2, 29));
        source->setNumber("AMOUNT", 12.5);
        source->setMemo("NOTE1", "first\r\nnote");
        source->setDate("LASTSEEN", xbase::julianDay(2020, 1, 2));
        source->setMemo("NOTE2", "second note");
        source->appendBlank();
        source->setText("SURNAME", "Blank");
        source->appendBlank();
        source->setText("SURNAME", "Gone");
        source->post();
        source->deleteRecord();
        source->close();
        return QString::fromStdString(path);
    }

    QString field(std::uint32_t recno, const char* name) {
        table->go(recno);
        return fieldText(table.table(), name);
    }
};

TEST_F(DbfImportTest, ImportsCharacterDateNumericAndMemoFields) {
    add({{"LNAME", "Existing"}});
    DbfSource source = openDbfSource(table, writeSource());
    ASSERT_TRUE(source.table) << source.refusal.toStdString();
    ImportLayout layout = dbfImportLayout(*source.table);
    ASSERT_EQ(layout.columnCount(), 8);
    EXPECT_EQ(layout.columns[3].sourceType, 'D');
    EXPECT_EQ(layout.columns[4].sourceName, "AMOUNT");
    EXPECT_EQ(layout.columns[4].width, 8);
    DbfMatching matching(layout);
    matching.propose();
    EXPECT_EQ(matching.shown(2), "LASTSEEN");  // a date, yet its values go to DATE
    matching.choose(5, "SURNAME");             // organization
    matching.choose(11, "AMOUNT");             // the phone row takes the number's text
    ASSERT_TRUE(matching.saveTo(layout));

    std::vector<int> gauge;
    QStringList status;
    const DbfImportResult result = importDbfFile(
        table.table(), *source.table, layout,
        {[&](const QString& s) { status << s; }, {[&](int p) { gauge.push_back(p); }, {}}});
    EXPECT_EQ(dbfImportMessages(result), QStringList{"Import complete. Imported 2 records."});
    EXPECT_EQ(status, QStringList{"Importing records"});
    EXPECT_EQ(gauge, (std::vector<int>{33, 66}));
    EXPECT_FALSE(table->hasStructuralIndex());
    ASSERT_EQ(table->recordCount(), 3u);

    EXPECT_EQ(field(2, "ORG"), QString(30, u'S'));
    EXPECT_EQ(field(2, "LNAME"), "");
    EXPECT_EQ(field(2, "FNAME"), "Ann");
    EXPECT_EQ(field(2, "CITY"), QString::fromUtf8("Café Town"));
    EXPECT_EQ(field(2, "PHONE"), "12.50");
    EXPECT_EQ(table->text("DATE"), "20200102");  // the later date field wins
    EXPECT_EQ(memoText(table.table(), "MEMO"), "second note");
    EXPECT_EQ(field(3, "ORG"), "Blank");
    EXPECT_EQ(field(3, "CITY"), "");
    EXPECT_EQ(table->text("DATE"), "");
    EXPECT_EQ(memoText(table.table(), "MEMO"), "");

    ASSERT_TRUE(rebuildImportedTags(table, [](int) {}));
    EXPECT_EQ(table->orderCount(), 21);
    for (const AddressTagDef& tag : addressTags()) {
        table->setOrder(tag.name);
        EXPECT_EQ(walk().size(), 3u) << tag.name;
    }
    table->setOrder("ORG");
    ASSERT_TRUE(table->seek("BLANK"));
    EXPECT_EQ(table->recNo(), 3u);
}

TEST_F(DbfImportTest, CancelStopsAfterTheRecordInHand) {
    DbfSource source = openDbfSource(table, writeSource());
    ASSERT_TRUE(source.table);
    ImportLayout layout = dbfImportLayout(*source.table);
    layout.columns[0].match = "Last";
    const DbfImportResult result =
        importDbfFile(table.table(), *source.table, layout, {{}, {{}, [] { return false; }}});
    EXPECT_EQ(dbfImportMessages(result),
              QStringList{"Import cancelled after importing 1 records."});
    EXPECT_EQ(table->recordCount(), 1u);
}

TEST_F(DbfImportTest, RefusesTheAddressFileAnEmptyFileAndAMissingOne) {
    const QString own = QString::fromStdString(table->path());
    EXPECT_EQ(openDbfSource(table, own).refusal, "Unable to open the file " + own);
    const QString missing = QString::fromStdString(dir.file("MISSING.DBF"));
    const QString refusal = openDbfSource(table, missing).refusal;
    EXPECT_TRUE(refusal.startsWith("Unable to open the file " + missing + "\r\n"))
        << refusal.toStdString();
    // The engine's text, on the second line, names the file too.
    EXPECT_TRUE(refusal.section("\r\n", 1).contains("MISSING.DBF", Qt::CaseInsensitive));
    const std::string empty = dir.file("EMPTY.DBF");
    engine.create(empty, {{"NAME", 'C', 10, 0}});
    DbfSource source = openDbfSource(table, QString::fromStdString(empty));
    EXPECT_FALSE(source.table);
    EXPECT_EQ(source.refusal, "There are no records in " + QString::fromStdString(empty));
}

TEST_F(DbfImportTest, ASourceWhoseIndexCannotBeUsedIsReadWithoutIt) {
    const QString path = writeSource();
    std::string indexPath;
    {
        auto writer = engine.open(path.toStdString(), xbase::OpenMode::Exclusive);
        writer->createTag("GIVEN", "GIVEN");
        indexPath = writer->structuralIndexPath();
    }
    QFile index(QString::fromStdString(indexPath));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly | QIODevice::Truncate));
    index.write(QByteArray(1024, 'x'));
    index.close();
    DbfSource source = openDbfSource(table, path);
    ASSERT_TRUE(source.table) << source.refusal.toStdString();
    EXPECT_EQ(source.table->recordCount(), 3u);
}

TEST_F(DbfImportTest, AllRecordsDeletedImportsNothing) {
    const std::string path = dir.file("DELETED.DBF");
    engine.create(path, {{"LNAME", 'C', 10, 0}});
    {
        auto writer = engine.open(path, xbase::OpenMode::Exclusive);
        writer->appendBlank();
        writer->setText("LNAME", "Gone");
        writer->post();
        writer->deleteRecord();
    }
    DbfSource source = openDbfSource(table, QString::fromStdString(path));
    ASSERT_TRUE(source.table);
    ImportLayout layout = dbfImportLayout(*source.table);
    layout.columns[0].match = "Last";
    EXPECT_EQ(dbfImportMessages(importDbfFile(table.table(), *source.table, layout)),
              QStringList{"Import complete. Imported 0 records."});
    EXPECT_EQ(table->recordCount(), 0u);
}

}  // namespace
}  // namespace rp
