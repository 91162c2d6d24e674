// Rebuild Indexes without its dialog: the address file loses its deleted records and gets its
// 21 tags back; each side table found gets its one tag back, and the rest are passed over.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "AddressFileFixture.h"
#include "app/RebuildIndexes.h"
#include "data/AddressLayout.h"

namespace rp {
namespace {

const QStringList kAddressStatuses = {"Cleaning out old deleted records", "Rebuilding indexes"};

std::string upperPadded(std::string text, std::size_t width)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    text.resize(width, ' ');
    return text;
}

void expectRising(const std::vector<int>& values, const char* what)
{
    ASSERT_FALSE(values.empty()) << what;
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end())) << what;
    EXPECT_EQ(values.back(), 100) << what;
}

class RebuildAddressIndexesTest : public AddressFileFixture {
protected:
    QString path(const char* name) const { return QString::fromStdString(dir.file(name)); }

    void rebuild(AddressTable& t)
    {
        RebuildAddressIndexes(
            t,
            [this](const QString& text) {
                statuses << text;
                if (text == kAddressStatuses[1]) gaugeSeen = &tagGauge;
            },
            [this](int value) { gaugeSeen->push_back(value); });
    }

    // Marks the record deleted as the record page does.
    void remove(std::uint32_t recno)
    {
        table->go(recno);
        table->setText("PREFIX", "DELETED");
        table->post();
        table->deleteRecord();
    }

    QStringList statuses;
    std::vector<int> packGauge;
    std::vector<int> tagGauge;
    std::vector<int>* gaugeSeen = &packGauge;  // the tags' vector once their status is shown
};

TEST_F(RebuildAddressIndexesTest, DeletedRecordsGoForGoodAndTheTagsComeBackWithoutAnIndexFile)
{
    addMany(60);
    const std::uint32_t withMemo = add({{"LNAME", "Memoir"}, {"FNAME", "Ann"}});
    table->setMemo("MEMO", "Met at the county fair.\r\nLikes long letters.");
    table->post();
    for (std::uint32_t r : {2u, 3u, 17u, 40u, 60u}) remove(r);
    const std::uint32_t before = table->recordCount();
    table.close();
    ASSERT_TRUE(QFile::remove(path("BROWSE.CDX")));
    ASSERT_TRUE(OpenAddressTable(path("BROWSE.DBF"), table));
    ASSERT_EQ(table->orderCount(), 0);

    rebuild(table);

    EXPECT_EQ(statuses, kAddressStatuses);
    EXPECT_TRUE(shown.texts().isEmpty()) << shown.texts().join(" | ").toStdString();
    ASSERT_TRUE(table.isOpen());
    EXPECT_EQ(table->recordCount(), before - 5);
    // Natural order, deleted records shown: none is left.
    for (table->goTop(); !table->eof(); table->skip()) {
        EXPECT_FALSE(table->deleted()) << table->recNo();
        EXPECT_NE(table->text("PREFIX"), "DELETED") << table->recNo();
    }
    table->go(withMemo - 5);
    EXPECT_EQ(table->text("LNAME"), "Memoir");
    EXPECT_EQ(table->memo("MEMO"), "Met at the county fair.\r\nLikes long letters.");

    EXPECT_EQ(table->orderCount(), 21);
    for (const AddressTagDef& tag : AddressTags()) EXPECT_NE(table->orderNumber(tag.name), 0) << tag.name;

    // The LNAME tag lists the records as sorting them by last and first name does.
    std::vector<std::pair<std::string, std::uint32_t>> scanned;
    for (table->goTop(); !table->eof(); table->skip())
        scanned.emplace_back(upperPadded(table->text("LNAME"), 30) + upperPadded(table->text("FNAME"), 30),
                             table->recNo());
    std::sort(scanned.begin(), scanned.end());
    std::vector<std::uint32_t> sorted;
    for (const auto& entry : scanned) sorted.push_back(entry.second);
    table->setOrder("LNAME");
    EXPECT_EQ(walk(), sorted);

    expectRising(packGauge, "pack");
    EXPECT_EQ(packGauge.front(), 0);
    expectRising(tagGauge, "tags");
    EXPECT_EQ(tagGauge.front(), 0);
}

TEST_F(RebuildAddressIndexesTest, TagsThatCannotBeMadeAreReportedAndThePackStillCounts)
{
    std::vector<xbase::FieldSpec> noFax;
    for (const xbase::FieldSpec& f : AddressFields())
        if (f.name != "FAX") noFax.push_back(f);
    engine.create(EnginePath(path("NOFAX.DBF")), noFax);
    AddressTable other(engine);
    other.open(QString::fromStdString(dir.path()), "NOFAX.DBF");
    for (const char* name : {"Kept", "Gone"}) {
        other->appendBlank();
        other->setText("LNAME", name);
        other->post();
    }
    other->deleteRecord();

    rebuild(other);

    EXPECT_EQ(statuses, kAddressStatuses);
    EXPECT_EQ(shown.texts(), QStringList{"Unable to create index files"});
    ASSERT_TRUE(other.isOpen());
    EXPECT_EQ(other->recordCount(), 1u);
    EXPECT_EQ(other->text("LNAME"), "Kept");
}

// ---- Side tables -----------------------------------------------------------------------------

class RebuildSideIndexesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QDir delivered(QStringLiteral(RAVENPOST_SIDEFILE_DIR));
        const QStringList files = delivered.entryList({"RVP*.DBF", "RVP*.CDX", "RVP*.FPT"}, QDir::Files);
        ASSERT_EQ(files.size(), 13) << files.join(' ').toStdString();
        for (const QString& f : files) ASSERT_TRUE(QFile::copy(delivered.filePath(f), path(f))) << f.toStdString();
    }

    QString path(const QString& name) const { return QString::fromStdString(dir.file(name.toStdString())); }

    std::unique_ptr<xbase::Table> open(const QString& name)
    {
        return engine.open(EnginePath(path(name)), xbase::OpenMode::Exclusive);
    }

    // The table's only tag and its key expression.
    std::pair<std::string, std::string> onlyTag(const QString& name)
    {
        const auto t = open(name);
        if (t->orderCount() != 1) return {"orders: " + std::to_string(t->orderCount()), ""};
        t->setOrder(1);
        return {t->orderTagName(), t->orderKeyExpression()};
    }

    QByteArray bytes(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TempDir dir;
    xbase::Engine engine;
    ScriptedMessages shown;
    MessagesScope scope{shown};
};

TEST_F(RebuildSideIndexesTest, EachTableFoundGetsItsTagAfreshAndTheOthersArePassedOverQuietly)
{
    // Letters under lower-case names, with a memo kept and a deleted letter.
    for (const char* ext : {".DBF", ".CDX", ".FPT"})
        ASSERT_TRUE(QFile::rename(path(QString("RVPLTRS") + ext), path(QString("rvpltrs") + QString(ext).toLower())));
    {
        const auto letters = open("rvpltrs.dbf");
        for (const char* name : {"Thank you", "Old notice"}) {
            letters->appendBlank();
            letters->setText("DESCRIPT", name);
            letters->setMemo("RTF", std::string("{\\rtf1 ") + name + "}");
            letters->post();
        }
        letters->deleteRecord();
    }
    // Label setups under a tag with another key, and a deleted setup.
    std::uint32_t setups = 0;
    {
        const auto t = open("RVPLSU.DBF");
        t->dropTag("DESCRIPT");
        t->createTag("DESCRIPT", "DESCRIPT");
        setups = t->recordCount();
        t->appendBlank();
        t->setText("DESCRIPT", "Leftover");
        t->post();
        t->deleteRecord();
    }
    // Label stocks with the index under an extension in small letters; envelope sizes without
    // an index file; envelope setups missing; the state table not a table at all.
    ASSERT_TRUE(QFile::rename(path("RVPLBLS.CDX"), path("RVPLBLS.cdx")));
    ASSERT_TRUE(QFile::remove(path("RVPENVS.CDX")));
    ASSERT_TRUE(QFile::remove(path("RVPESU.DBF")));
    ASSERT_TRUE(QFile::remove(path("RVPESU.CDX")));
    {
        QFile damaged(path("RVPSZCK.DBF"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("not a table");
    }
    const QByteArray stateIndex = bytes("RVPSZCK.CDX");

    QStringList statuses;
    RebuildSideIndexes(engine, QString::fromStdString(dir.path()), [&](const QString& text) { statuses << text; });

    EXPECT_EQ(statuses, QStringList({"Rebuilding Letters File indexes", "Rebuilding Label Type File indexes",
                                     "Rebuilding Envelope Type File indexes", "Rebuilding State/Province File indexes",
                                     "Rebuilding Label Setup File indexes", "Rebuilding Envelope Setup File indexes"}));
    EXPECT_TRUE(shown.texts().isEmpty()) << shown.texts().join(" | ").toStdString();

    EXPECT_EQ(onlyTag("rvpltrs.dbf"), std::make_pair(std::string("DESCRIPT"), std::string("UPPER(DESCRIPT)")));
    EXPECT_EQ(onlyTag("RVPLBLS.DBF"), std::make_pair(std::string("USERDESC"), std::string("UPPER(USERDESC)")));
    EXPECT_EQ(onlyTag("RVPENVS.DBF"), std::make_pair(std::string("NAME"), std::string("UPPER(NAME)")));
    EXPECT_EQ(onlyTag("RVPLSU.DBF"), std::make_pair(std::string("DESCRIPT"), std::string("UPPER(descript)")));

    const auto letters = open("rvpltrs.dbf");
    ASSERT_EQ(letters->recordCount(), 1u);
    letters->go(1);
    EXPECT_EQ(letters->memo("RTF"), "{\\rtf1 Thank you}");
    EXPECT_EQ(open("RVPLSU.DBF")->recordCount(), setups);
    // The index file in use was the one replaced: no second one is left beside it.
    EXPECT_EQ(QDir(QString::fromStdString(dir.path())).entryList({"RVPLBLS.CDX"}, QDir::Files).size(), 1);

    EXPECT_FALSE(QFile::exists(path("RVPESU.DBF")));
    EXPECT_EQ(bytes("RVPSZCK.DBF"), "not a table");
    EXPECT_EQ(bytes("RVPSZCK.CDX"), stateIndex);
}

}  // namespace
}  // namespace rp
