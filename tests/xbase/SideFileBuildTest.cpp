// The side tables that sidefile-build writes from share/sidefiles: each opens in our engine
// with its tag, passes xbase-tool's check, reads in Python's dbfread, and holds the rows the
// program relies on.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "ProcessRun.h"
#include "support/TempDir.h"
#include "tools/sidefiles/LabelStockName.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace {

struct Expected {
    const char* file;
    const char* tag;
    const char* key;
    int records;
};

const Expected kFiles[] = {
    {"RVPLBLS.DBF", "USERDESC", "UPPER(USERDESC)", 140},
    {"RVPLSU.DBF", "DESCRIPT", "UPPER(descript)", 4},
    {"RVPENVS.DBF", "NAME", "UPPER(NAME)", 18},
    {"RVPESU.DBF", "DESCRIPT", "UPPER(descript)", 1},
    {"RVPLTRS.DBF", "DESCRIPT", "UPPER(DESCRIPT)", 0},
    {"RVPSZCK.DBF", "STATE", "UPPER(STATE)", 78},
};

class SideFileBuildTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ProcessResult built =
            runProcess(SIDEFILE_BUILD_PATH, {SIDEFILE_SOURCE_DIR, dir_.path()}, dir_.path());
        ASSERT_EQ(built.status, 0) << built.err;
        engine_.settings.exact = true;
    }
    std::string path(const std::string& file) const { return dir_.path() + "/" + file; }
    std::unique_ptr<xbase::Table> open(const std::string& file, const std::string& tag) {
        auto table = engine_.open(path(file), xbase::OpenMode::ReadOnly);
        table->setOrder(tag);
        return table;
    }
    TempDir dir_;
    xbase::Engine engine_;
};

TEST_F(SideFileBuildTest, EveryFileOpensWithItsTagPassesTheCheckAndReadsInDbfread) {
    for (const Expected& e : kFiles) {
        SCOPED_TRACE(e.file);
        auto table = open(e.file, e.tag);
        EXPECT_EQ(table->recordCount(), static_cast<std::uint32_t>(e.records));
        EXPECT_EQ(table->orderCount(), 1);
        EXPECT_EQ(table->orderKeyExpression(), e.key);
        EXPECT_EQ(std::filesystem::exists(path(e.file).replace(path(e.file).size() - 3, 3, "FPT")),
                  e.file == std::string("RVPLTRS.DBF"));
        table->close();
        ProcessResult check = runProcess(XBASE_TOOL_PATH, {"check", path(e.file)}, dir_.path());
        EXPECT_EQ(check.status, 0) << check.out << check.err;
        ProcessResult read = runProcess(
            "/usr/bin/python3",
            {"-c", "import sys, dbfread; print(len(dbfread.DBF(sys.argv[1], load=True)))",
             path(e.file)},
            dir_.path());
        EXPECT_EQ(read.out, std::to_string(e.records) + "\n") << read.err;
    }
}

TEST_F(SideFileBuildTest, LabelStocksAndSetupsAgree) {
    auto stocks = open("RVPLBLS.DBF", "USERDESC");
    ASSERT_TRUE(stocks->seek("AVERY 5160  ADDRESS,   1.00 X 2.63"));
    EXPECT_EQ(stocks->text("USERDESC"), "Avery 5160  Address,   1.00 x 2.63");
    EXPECT_EQ(stocks->text("PRINTER") + stocks->text("PAPERSIZE") + stocks->text("USERDEF"),
              "LJLTRF");
    auto setups = open("RVPLSU.DBF", "DESCRIPT");
    for (setups->goTop(); !setups->eof(); setups->skip()) {
        SCOPED_TRACE(setups->text("DESCRIPT"));
        std::string stock = setups->text("USERLABELN");
        for (char& c : stock) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        ASSERT_TRUE(stocks->seek(stock));
        for (const char* name :
             {"LBLHEIGHT", "LBLWIDTH", "NBRACROSS", "NBRDOWN", "TOPMARG", "LEFTMARG", "HORIZPITCH",
              "VERTPITCH", "SHEETWIDTH", "SHEETDEPTH", "PAPERSIZE"})
            EXPECT_EQ(setups->text(name), stocks->text(name)) << name;
        EXPECT_EQ(setups->text("PRINTERTYP"), stocks->text("PRINTER"));
    }
}

TEST_F(SideFileBuildTest, EnvelopeAndStateRows) {
    auto sizes = open("RVPENVS.DBF", "NAME");
    ASSERT_TRUE(sizes->seek("ENVELOPE #10"));
    EXPECT_EQ(sizes->number("WIDTH"), 9.5);
    EXPECT_EQ(sizes->number("HEIGHT"), 4.125);
    auto setups = open("RVPESU.DBF", "DESCRIPT");
    EXPECT_EQ(
        setups->text("ENVNAME") + " " + setups->text("ENVWIDTH") + " " + setups->text("ENVHEIGHT"),
        "Envelope #10 9.500 4.125");
    auto states = open("RVPSZCK.DBF", "STATE");
    ASSERT_TRUE(states->seek("NY"));  // the main range comes before New York's secondary one
    EXPECT_EQ(states->text("NAME") + " " + states->text("LOW_ZIP") + "-" + states->text("HIGH_ZIP"),
              "New York 10000-14999");
}

TEST(LabelStockNameTest, ColumnsLineUpAndHalvesRoundUp) {
    EXPECT_EQ(sidefiles::labelStockName("5160", "Address", 1.0, 2.625),
              "Avery 5160  Address,   1.00 x 2.63");
    EXPECT_EQ(sidefiles::labelStockName("L7160", "Shipping", 0.5, 10.5),
              "Avery L7160 Shipping,  0.50 x 10.50");
}

}  // namespace
