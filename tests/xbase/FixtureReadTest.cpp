// Tables written by another xBase engine read exactly as that engine wrote them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "TableTestSupport.h"
#include "support/SharedFolder.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"

using namespace xbase;

namespace {

// Copies of the reference files, so that nothing can change the originals.
void copyFixtures(const TempDir& dir, std::initializer_list<const char*> names) {
    for (const char* name : names)
        std::filesystem::copy_file(sharedDir() + "/fixtures/xbase/" + name, dir.file(name));
}

}  // namespace

TEST(FixtureRead, AddressTableMatchesTheManifestFieldForField) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    copyFixtures(dir, {"ADDRESS.dbf", "ADDRESS.fpt", "ADDRESS.cdx"});
    std::ifstream in(sharedDir() + "/fixtures/xbase/ADDRESS.json");
    nlohmann::json manifest = nlohmann::json::parse(in);

    Engine engine;
    auto t = engine.open(dir.file("ADDRESS.dbf"), OpenMode::ReadOnly);
    EXPECT_EQ(t->version(), 0xF5);
    ASSERT_EQ(t->fieldCount(), 20);
    ASSERT_EQ(t->recordCount(), manifest["records"].size());
    int checked = 0;
    for (const auto& rec : manifest["records"]) {
        t->go(rec["recno"].get<std::uint32_t>());
        ASSERT_EQ(t->deleted(), rec["deleted"].get<bool>()) << "record " << t->recNo();
        for (int n = 1; n <= t->fieldCount(); ++n) {
            const Field& f = t->field(n);
            const auto& want = rec[f.name];
            SCOPED_TRACE("record " + std::to_string(t->recNo()) + " field " + f.name);
            switch (f.type) {
                case 'C':
                    EXPECT_EQ(std::string(t->fieldBytes(n)), want.get<std::string>());
                    break;
                case 'D':
                    EXPECT_EQ(std::string(t->fieldBytes(n)), want.get<std::string>());
                    break;
                case 'L':
                    EXPECT_EQ(t->logical(n).value_or(false), want.get<bool>());
                    break;
                case 'N':
                    EXPECT_EQ(t->number(n), want.get<double>());
                    break;
                case 'M':
                    EXPECT_EQ(t->memo(n), want.get<std::string>());
                    break;
                default:
                    ADD_FAILURE() << "unexpected type " << f.type;
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 300 * 20);
}

TEST(FixtureRead, AddressTableHidesDeletedRecordsWhenAsked) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    copyFixtures(dir, {"ADDRESS.dbf", "ADDRESS.fpt", "ADDRESS.cdx"});
    Engine engine;
    auto t = engine.open(dir.file("ADDRESS.dbf"), OpenMode::ReadOnly);
    engine.settings.hideDeleted = true;
    // Every 43rd record carries the deletion mark.
    EXPECT_EQ(t->visibleCount(), 300u - 300 / 43);
    t->setFilter("UPPER(PREFIX)<>\"DELETED\"");
    // ... and every 41st says "deleted" in PREFIX without the mark (41 × 43 > 300).
    EXPECT_EQ(t->visibleCount(), 300u - 300 / 43 - 300 / 41);
}

TEST(FixtureRead, DbaseThreeTableWithDbtMemos) {
    SKIP_WITHOUT_SHARED_FOLDER();
    TempDir dir;
    copyFixtures(dir, {"DBASE3.dbf", "DBASE3.dbt"});
    Engine engine;
    auto t = engine.open(dir.file("DBASE3.dbf"), OpenMode::ReadOnly);
    EXPECT_EQ(t->version(), 0x83);
    ASSERT_EQ(t->fieldCount(), 11);
    EXPECT_EQ(t->field(9).name, "AMOUNT");
    EXPECT_EQ(t->field(9).decimals, 2);
    t->go(1);
    EXPECT_EQ(t->text("SURNAME"), "Surname1");
    EXPECT_EQ(t->text("COMPANY"), "Company 1");
    EXPECT_EQ(t->date("BIRTH"), julianDay(1970, 2, 15));
    EXPECT_EQ(t->number("AMOUNT"), 12.5);
    EXPECT_EQ(t->logical("ACTIVE"), std::optional<bool>(false));
    EXPECT_EQ(t->memo("COMMENTS"), "Comment 1 " + std::string(60, 'x'));
    t->skip();
    EXPECT_EQ(t->text("ZIPCODE"), "62702");
    EXPECT_EQ(t->number("AMOUNT"), 25.0);
    EXPECT_EQ(t->logical("ACTIVE"), std::optional<bool>(true));
    EXPECT_EQ(t->memo("COMMENTS"), "");
    int deleted = 0, emptyDates = 0;
    for (std::uint32_t r = 1; r <= t->recordCount(); ++r) {
        t->go(r);
        if (t->deleted()) {
            ++deleted;
            EXPECT_EQ(r, 7u);
        }
        if (t->date("BIRTH") == 0) {
            ++emptyDates;
            EXPECT_EQ(r % 4, 0u);
        }
    }
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(emptyDates, static_cast<int>(t->recordCount() / 4));
}
