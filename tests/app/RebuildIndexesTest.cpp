// Rebuild Indexes without its dialog: the address file loses its deleted records and gets its
// 21 tags back; each side table found gets its one tag back, and the rest are passed over.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/RebuildIndexes.h"
#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

std::string upperPadded(std::string text, std::size_t width) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    text.resize(width, ' ');
    return text;
}

using RebuildAddressIndexesTest = AddressFileFixture;

TEST_F(RebuildAddressIndexesTest, DeletedRecordsGoForGoodAndTheTagsComeBackWithoutAnIndexFile) {
    addMany(60);
    for (std::uint32_t r : {2u, 3u, 17u, 40u, 60u}) {
        table->go(r);
        table->setText("PREFIX", "DELETED");
        table->post();
        table->deleteRecord();
    }
    table.close();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(dir.file("BROWSE.CDX"))));
    ASSERT_TRUE(openAddressTable(QString::fromStdString(dir.file("BROWSE.DBF")), table));
    ASSERT_EQ(table->orderCount(), 0);

    QStringList statuses;
    std::vector<int> packGauge, tagGauge;
    ReindexProgress progress;
    rebuildAddressIndexes(
        table, progress, [&](const QString& text) { statuses << text; },
        [&](int value) { (statuses.size() < 2 ? packGauge : tagGauge).push_back(value); });

    EXPECT_EQ(statuses, QStringList({"Cleaning out old deleted records", "Rebuilding indexes"}));
    EXPECT_TRUE(shown.texts().isEmpty()) << shown.texts().join(" | ").toStdString();
    ASSERT_TRUE(table.isOpen());
    EXPECT_EQ(table->recordCount(), 55u);
    for (table->goTop(); !table->eof(); table->skip()) EXPECT_NE(table->text("PREFIX"), "DELETED");
    for (const AddressTagDef& tag : addressTags())
        EXPECT_NE(table->orderNumber(tag.name), 0) << tag.name;

    // The LNAME tag lists the records as sorting them by last and first name does.
    std::vector<std::pair<std::string, std::uint32_t>> scanned;
    for (table->goTop(); !table->eof(); table->skip())
        scanned.emplace_back(
            upperPadded(table->text("LNAME"), 30) + upperPadded(table->text("FNAME"), 30),
            table->recNo());
    std::sort(scanned.begin(), scanned.end());
    std::vector<std::uint32_t> sorted;
    for (const auto& entry : scanned) sorted.push_back(entry.second);
    table->setOrder("LNAME");
    EXPECT_EQ(walk(), sorted);

    // The pack shows its own percentage, which stops short of 100 when the last record goes.
    for (const std::vector<int>* gauge : {&packGauge, &tagGauge}) {
        ASSERT_FALSE(gauge->empty());
        EXPECT_EQ(gauge->front(), 0);
        EXPECT_TRUE(std::is_sorted(gauge->begin(), gauge->end()));
    }
    EXPECT_EQ(packGauge.back(), 98);
    EXPECT_EQ(tagGauge.back(), 100);
}

class RebuildSideIndexesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const QDir delivered(QStringLiteral(RAVENPOST_SIDEFILE_DIR));
        const QStringList files =
            delivered.entryList({"RVP*.DBF", "RVP*.CDX", "RVP*.FPT"}, QDir::Files);
        ASSERT_EQ(files.size(), 13) << files.join(' ').toStdString();
        for (const QString& f : files) ASSERT_TRUE(QFile::copy(delivered.filePath(f), path(f)));
    }

    QString path(const QString& name) const {
        return QString::fromStdString(dir.file(name.toStdString()));
    }
    std::unique_ptr<xbase::Table> open(const QString& name) {
        return engine.open(enginePath(path(name)), xbase::OpenMode::Exclusive);
    }
    // "TAG KEY" of the table's only tag.
    std::string onlyTag(const QString& name) {
        const auto t = open(name);
        if (t->orderCount() != 1) return std::to_string(t->orderCount()) + " tags";
        t->setOrder(1);
        return t->orderTagName() + " " + t->orderKeyExpression();
    }

    TempDir dir;
    xbase::Engine engine;
    ScriptedMessages shown;
    MessagesScope scope{shown};
};

TEST_F(RebuildSideIndexesTest, EachTableFoundGetsItsTagAfreshAndTheOthersArePassedOverQuietly) {
    // The letters under names in small letters, with a memo kept and a deleted letter.
    for (const char* ext : {".DBF", ".CDX", ".FPT"})
        ASSERT_TRUE(QFile::rename(path(QString("RVPLTRS") + ext),
                                  path(QString("rvpltrs") + QString(ext).toLower())));
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
    // The label setups' tag under another key.
    {
        const auto t = open("RVPLSU.DBF");
        t->dropTag("DESCRIPT");
        t->createTag("DESCRIPT", "DESCRIPT");
    }
    // The envelope sizes without their index file, the envelope setups missing, and the state
    // table not a table at all.
    ASSERT_TRUE(QFile::remove(path("RVPENVS.CDX")));
    ASSERT_TRUE(QFile::remove(path("RVPESU.DBF")));
    {
        QFile damaged(path("RVPSZCK.DBF"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("not a table");
    }

    QStringList statuses;
    rebuildSideIndexes(engine, QString::fromStdString(dir.path()),
                       [&](const QString& text) { statuses << text; });

    EXPECT_EQ(
        statuses,
        QStringList(
            {"Rebuilding Letters File indexes", "Rebuilding Label Type File indexes",
             "Rebuilding Envelope Type File indexes", "Rebuilding State/Province File indexes",
             "Rebuilding Label Setup File indexes", "Rebuilding Envelope Setup File indexes"}));
    EXPECT_TRUE(shown.texts().isEmpty()) << shown.texts().join(" | ").toStdString();
    EXPECT_EQ(onlyTag("rvpltrs.dbf"), "DESCRIPT UPPER(DESCRIPT)");
    EXPECT_EQ(onlyTag("RVPLBLS.DBF"), "USERDESC UPPER(USERDESC)");
    EXPECT_EQ(onlyTag("RVPENVS.DBF"), "NAME UPPER(NAME)");
    EXPECT_EQ(onlyTag("RVPLSU.DBF"), "DESCRIPT UPPER(descript)");
    const auto letters = open("rvpltrs.dbf");
    ASSERT_EQ(letters->recordCount(), 2u);  // the delivered sample letter, then ours
    letters->go(2);
    EXPECT_EQ(letters->memo("RTF"), "{\\rtf1 Thank you}");
    EXPECT_FALSE(QFile::exists(path("RVPESU.DBF")));
    QFile damaged(path("RVPSZCK.DBF"));
    ASSERT_TRUE(damaged.open(QIODevice::ReadOnly));
    EXPECT_EQ(damaged.readAll(), "not a table");
}

}  // namespace
}  // namespace rp
