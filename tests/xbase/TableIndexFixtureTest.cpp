// The address table of another xBase engine, read through its own 21-tag compound index.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "TableTestSupport.h"
#include "support/SharedFolder.h"
#include "support/TempDir.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

class AddressFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        SKIP_WITHOUT_SHARED_FOLDER();
        for (const char* name : {"ADDRESS.dbf", "ADDRESS.fpt", "ADDRESS.cdx"})
            std::filesystem::copy_file(sharedDir() + "/fixtures/xbase/" + name, dir.file(name));
        std::ifstream in(sharedDir() + "/fixtures/xbase/ADDRESS.json");
        manifest = nlohmann::json::parse(in);
        t = engine.open(dir.file("ADDRESS.dbf"), OpenMode::Exclusive);
    }
    TempDir dir;
    nlohmann::json manifest;
    Engine engine;
    std::unique_ptr<Table> t;
};

}  // namespace

TEST_F(AddressFixture, OpensTheTwentyOneTagsInCreationOrder) {
    ASSERT_TRUE(t->hasStructuralIndex());
    const auto& tags = manifest["tags_in_creation_order"];
    ASSERT_EQ(t->orderCount(), static_cast<int>(tags.size()));
    for (int n = 1; n <= t->orderCount(); ++n) {
        EXPECT_EQ(t->tagName(n), tags[n - 1][0].get<std::string>());
        t->setOrder(n);
        EXPECT_EQ(t->orderKeyExpression(), tags[n - 1][1].get<std::string>());
        EXPECT_EQ(t->orderIndexFile(), dir.file("ADDRESS.cdx"));
    }
    EXPECT_EQ(t->tagName(22), "");
    EXPECT_EQ(t->orderNumber("lname"), 2);
    EXPECT_EQ(t->orderNumber("NOSUCH"), 0);
}

TEST_F(AddressFixture, EveryTagWalksInTheListedRecordOrderBothWays) {
    for (const auto& [tag, listing] : manifest["tag_order_recnos_deleted_shown"].items()) {
        t->setOrder(std::string_view(tag));
        EXPECT_EQ(t->orderKeyExpression(), listing["expr"].get<std::string>());
        std::vector<std::uint32_t> want = listing["recnos"].get<std::vector<std::uint32_t>>();
        EXPECT_EQ(walk(*t), want) << tag;
        std::vector<std::uint32_t> back;
        for (t->goBottom(); !t->bof(); t->skip(-1)) back.push_back(t->recNo());
        std::reverse(back.begin(), back.end());
        EXPECT_EQ(back, want) << tag;
    }
}

TEST_F(AddressFixture, SeeksOnLastNameGiveTheListedRecords) {
    t->setOrder("LNAME");
    for (const auto& [key, want] : manifest["seeks_on_LNAME_exact_off"].items()) {
        engine.settings.softSeek = false;
        bool found = t->seek(key);
        EXPECT_EQ(found, want["found"].get<bool>()) << key;
        std::uint32_t recno = want["recno"].get<std::uint32_t>();
        EXPECT_EQ(t->eof() ? 0u : t->recNo(), found ? recno : 0u) << key;
        engine.settings.softSeek = true;
        EXPECT_EQ(t->seek(key), found) << key;
        EXPECT_EQ(t->eof() ? 0u : t->recNo(), want["softseek_recno"].get<std::uint32_t>()) << key;
    }
}

TEST_F(AddressFixture, ChangesKeepTheirTagsInOrder) {
    t->setOrder("LNAME");
    t->go(1);
    t->setText("LNAME", "Aaronson");
    t->post();
    EXPECT_TRUE(t->seek("AARONSON"));
    EXPECT_EQ(t->recNo(), 1u);
    t->skip(-1);  // the records without a last name come first
    EXPECT_EQ(t->text("LNAME"), "");
    EXPECT_FALSE(t->seek("AARONSONX"));
    t->appendBlank();
    t->setText("LNAME", "ZZ Top");
    t->post();
    t->goBottom();
    EXPECT_EQ(t->text("LNAME"), "ZZ Top");
    EXPECT_EQ(t->recNo(), 301u);
    engine.settings.hideDeleted = true;
    t->setOrder("DELETED");
    t->go(301);
    t->deleteRecord();
    t->goBottom();  // "T" sorts after "F", but hidden records are skipped
    EXPECT_FALSE(t->deleted());
    engine.settings.hideDeleted = false;
    t->goBottom();
    EXPECT_TRUE(t->deleted());
}
