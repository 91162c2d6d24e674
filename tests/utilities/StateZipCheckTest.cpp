// The state/ZIP check on a real address file: ranges compared as text, Canadian postal codes,
// blank states and ZIPs, ZIP+4, deleted records, the work index it leaves, and stopping.
#include <QFile>

#include "data/AddressLayout.h"
#include "data/FieldText.h"
#include "support/AddressFileFixture.h"
#include "support/StateZipTableFile.h"
#include "support/TableBytes.h"
#include "utilities/RecordGridModel.h"
#include "utilities/StateZipCheck.h"

namespace rp {
namespace {

TEST(OutsideZipRangeTest, BothEndsIncludedAndTextOrder) {
    EXPECT_FALSE(outsideZipRange("10000", "10000", "14999"));
    EXPECT_FALSE(outsideZipRange("14999", "10000", "14999"));
    EXPECT_FALSE(outsideZipRange("14999-1234", "10000", "14999"));
    EXPECT_TRUE(outsideZipRange("15000-0001", "10000", "14999"));
    EXPECT_TRUE(outsideZipRange("09999-9999", "10000", "14999"));
    EXPECT_FALSE(outsideZipRange("1499", "10000", "14999"));
    EXPECT_FALSE(outsideZipRange("K1A 0B1", "K0A 0A0", "P9Z 9Z9"));
    EXPECT_TRUE(outsideZipRange("H2X 1Y4", "K0A 0A0", "P9Z 9Z9"));
}

class StateZipCheckTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        writeStateZipTable(engine, dir.file("RVPSZCK.DBF"),
                           {{"New York", "NY", "10000", "14999"},
                            {"Ontario", "ON", "K0A 0A0", "P9Z 9Z9"},
                            {"New York (IRS)", "NY", "00500", "00599"}});
        add({{"LNAME", "Adams"}, {"STATE", "NY"}, {"ZIP", "12345"}});
        add({{"LNAME", "Baker"}, {"STATE", "NY"}, {"ZIP", "15000-1234"}});  // ZIP+4 past the end
        add({{"LNAME", "Clark"}, {"STATE", "NY"}, {"ZIP", "10000"}});
        add({{"LNAME", "Dunn"},
             {"STATE", "NY"},
             {"ZIP", "00550"}});  // only the first NY row counts
        add({{"LNAME", "Evans"}, {"STATE", "ON"}, {"ZIP", "K1A 0B1"}});
        add({{"LNAME", "Frank"}, {"STATE", "ON"}, {"ZIP", "H2X 1Y4"}});
        add({{"LNAME", "Grant"}, {"STATE", "ZZ"}, {"ZIP", "12345"}});  // not in the table
        add({{"LNAME", "Hill"}, {"ZIP", "12345"}});
        add({{"LNAME", "Irwin"}, {"STATE", "NY"}});
        add({{"LNAME", "Jones"}, {"STATE", "N"}, {"ZIP", "12345"}});  // a prefix of NY only
        add({{"LNAME", "Kent"}, {"STATE", "ZZ"}, {"ZIP", "99999"}, {"PREFIX", "Deleted"}});
        add({{"LNAME", "Lane"}, {"STATE", "ZZ"}, {"ZIP", "99999"}});
        table->deleteRecord();
        add({{"LNAME", "Baker"}, {"FNAME", "Al"}, {"STATE", "NY"}, {"ZIP", "1499"}});
        table->setFilter(kStandingCondition.toStdString());
        states = openStateZipTable(engine, QString::fromStdString(dir.path()) + "/", false);
        ASSERT_NE(states, nullptr);
    }
    std::uint32_t check(bool blanks, std::function<bool()> keepGoing = {}) {
        return checkStateZip(
            table.table(), *states, indexPath, blanks,
            {[this](int p) { percents.push_back(p); },
             [this](std::uint32_t n) { counts.push_back(n); }, std::move(keepGoing)});
    }
    std::vector<std::string> listed() {
        std::vector<std::string> names;
        for (std::uint32_t r : walk()) {
            table->go(r);
            names.push_back(table->text("LNAME"));
        }
        return names;
    }
    using Names = std::vector<std::string>;

    std::unique_ptr<xbase::Table> states;
    std::string indexPath = dir.file("_chksz.idx");
    std::vector<int> percents;
    std::vector<std::uint32_t> counts;
};

TEST_F(StateZipCheckTest, FlagsRecordsOutsideTheirRangeOrStateInNameOrder) {
    QFile stale(QString::fromStdString(indexPath));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("left over");
    stale.close();

    EXPECT_EQ(check(false), 5u);
    EXPECT_EQ(table->text("LNAME"), "Baker");
    EXPECT_EQ(listed(), (Names{"Baker", "Dunn", "Frank", "Grant", "Jones"}));
    EXPECT_EQ(table->orderIndexFile(), indexPath);
    EXPECT_EQ(table->orderKeyExpression(), kStateZipIndexKey);
    // 12 records pass the filter (the one marked deleted among them); the bar sees 8 % to 91 %.
    EXPECT_EQ(percents, (std::vector<int>{8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91}));
    EXPECT_EQ(counts, (std::vector<std::uint32_t>{0, 1, 1, 2, 2, 3, 4, 4, 4, 5, 5, 5}));

    // The index file lists exactly those records when opened afresh.
    table->closeIndexes();
    table->openIndexFile(indexPath);
    EXPECT_EQ(listed(), (Names{"Baker", "Dunn", "Frank", "Grant", "Jones"}));
}

TEST_F(StateZipCheckTest, BlanksIncludedFlagBlankStatesAndBlankZipsUnderKnownStates) {
    EXPECT_EQ(check(true), 7u);
    EXPECT_EQ(listed(), (Names{"Baker", "Dunn", "Frank", "Grant", "Hill", "Irwin", "Jones"}));
}

TEST_F(StateZipCheckTest, BlankStateInTheTableIsNotFlagged) {
    states.reset();
    writeStateZipTable(engine, dir.file("RVPSZCK.DBF"),
                       {{"New York", "NY", "10000", "14999"}, {"Unknown", "", "00000", "99999"}});
    states = openStateZipTable(engine, QString::fromStdString(dir.path()) + "/", false);
    ASSERT_NE(states, nullptr);
    EXPECT_EQ(check(true), 7u);
    EXPECT_EQ(listed(), (Names{"Baker", "Dunn", "Evans", "Frank", "Grant", "Irwin", "Jones"}));
}

TEST_F(StateZipCheckTest, StoppingKeepsTheRecordsFoundSoFar) {
    int asked = 0;
    EXPECT_EQ(check(false, [&] { return ++asked < 4; }), 2u);
    EXPECT_EQ(asked, 4);
    EXPECT_EQ(counts.back(), 2u);
    EXPECT_EQ(listed(), (Names{"Baker", "Dunn"}));
}

TEST_F(StateZipCheckTest, TableWithoutItsTagOpensOnlyForEditingWhichCreatesTheTag) {
    states.reset();
    const QString folder = QString::fromStdString(dir.path()) + "/";
    EXPECT_EQ(openStateZipTable(engine, folder + "missing/", false), nullptr);
    writeStateZipTable(engine, dir.file("RVPSZCK.DBF"), {{"Ontario", "ON", "K0A 0A0", "P9Z 9Z9"}},
                       false);
    EXPECT_EQ(openStateZipTable(engine, folder, false), nullptr);
    auto editing = openStateZipTable(engine, folder, true);
    ASSERT_NE(editing, nullptr);
    EXPECT_EQ(editing->mode(), xbase::OpenMode::Exclusive);
    EXPECT_EQ(editing->orderTagName(), "STATE");
    EXPECT_EQ(openStateZipTable(engine, folder, false), nullptr);  // held exclusively
    editing.reset();
    EXPECT_NE(openStateZipTable(engine, folder, false), nullptr);
}

TEST_F(StateZipCheckTest, ATableNotClosedProperlyIsRebuiltAndTheUserIsToldOnce) {
    states.reset();
    const QString folder = QString::fromStdString(dir.path()) + "/";
    ASSERT_TRUE(rp::markIncomplete(folder + "RVPSZCK.DBF"));
    shown.clear();
    states = openStateZipTable(engine, folder, false);
    ASSERT_NE(states, nullptr);
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(shown.shown()[0].text, "The file " + folder +
                                         "RVPSZCK.DBF was not closed properly. Its indexes have "
                                         "been rebuilt.");
    EXPECT_EQ(check(false), 5u);

    states.reset();
    states = openStateZipTable(engine, folder, false);
    EXPECT_EQ(shown.shown().size(), 1u);
}

TEST_F(StateZipCheckTest, AGridEditTheFileCannotHoldIsRefusedAsInformation) {
    RecordGridModel grid(*states, {{"STATE", "State"}, {"NAME", "Name"}});
    shown.clear();
    EXPECT_FALSE(grid.setData(grid.index(0, 1), QString::fromUtf8("Québec → Est")));
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(shown.shown()[0].caption, "Information");
    EXPECT_EQ(shown.shown()[0].text, unstorableMessage(QString::fromUtf8("→")));
    EXPECT_EQ(grid.data(grid.index(0, 1)).toString(), "New York");
    grid.cancel();
}

}  // namespace
}  // namespace rp
