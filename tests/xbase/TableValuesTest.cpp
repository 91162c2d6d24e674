// Field values and the record buffer: what is read, what is written, what is refused, and
// when the bytes reach the file.
#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

class Values : public ::testing::Test {
  protected:
    void SetUp() override {
        engine.create(path, peopleFields());
        t = engine.open(path, OpenMode::Exclusive);
        t->appendBlank();
    }
    std::string recordOnDisk(std::uint32_t recno) {
        return readBytes(path).substr(193 + (recno - 1) * 35, 35);
    }
    TempDir dir;
    std::string path = dir.file("v.dbf");
    Engine engine;
    std::unique_ptr<Table> t;
};

}  // namespace

TEST_F(Values, StoresPaddedRightAlignedAndTyped) {
    t->setText("NAME", "Ann");
    t->setNumber("AGE", 42.25);  // rounds to one decimal, half away from zero
    t->setDate("BORN", julianDay(1997, 1, 15));
    t->setLogical("OK", true);
    t->commit();
    EXPECT_EQ(recordOnDisk(1),
              " Ann        42.3"
              "19970115"
              "T"
              "          ");
    EXPECT_EQ(t->text("NAME"), "Ann");
    EXPECT_EQ(t->text("AGE"), "42.3");
    EXPECT_DOUBLE_EQ(t->number("AGE"), 42.3);
    EXPECT_EQ(t->text("BORN"), "19970115");
    EXPECT_EQ(t->date("BORN"), julianDay(1997, 1, 15));
    EXPECT_EQ(t->logical("OK"), std::optional<bool>(true));
    EXPECT_EQ(t->text("OK"), "T");
}

TEST_F(Values, CharacterValuesAreCutAtTheWidthAndTrailingBlanksDropped) {
    t->setText("NAME", "Bartholomew the Great");
    EXPECT_EQ(t->text("NAME"), "Bartholome");
    t->setText("NAME", "  lead  ");
    EXPECT_EQ(t->text("NAME"), "  lead");
    EXPECT_EQ(t->fieldBytes(1), "  lead    ");
}

TEST_F(Values, NumbersThatDoNotFitAreRefusedAndNothingChanges) {
    t->setNumber("AGE", -99.9);
    EXPECT_EQ(t->fieldBytes(2), "-99.9");
    try {
        t->setNumber("AGE", 1000.0);
        FAIL() << "1000.0 was stored in N(5,1)";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The value 1000.0 does not fit field AGE (N 5,1)");
    }
    EXPECT_THROW(t->setNumber("AGE", -100.0), Error);
    EXPECT_THROW(t->setText("AGE", "12x"), Error);
    EXPECT_THROW(t->setNumber("AGE", std::numeric_limits<double>::infinity()), Error);
    EXPECT_EQ(t->fieldBytes(2), "-99.9");
    t->setNumber("AGE", -0.01);  // rounds to zero: no "-0.0"
    EXPECT_EQ(t->fieldBytes(2), "  0.0");
    t->setText("AGE", " 7 ");
    EXPECT_EQ(t->fieldBytes(2), "  7.0");
    t->setText("AGE", "");
    EXPECT_EQ(t->fieldBytes(2), "     ");
    EXPECT_TRUE(t->isEmpty(2));
    EXPECT_EQ(t->number("AGE"), 0.0);
}

TEST_F(Values, DatesAndLogicalsParseTheirTextsAndRefuseOthers) {
    t->setText("BORN", "20000229");
    EXPECT_EQ(t->date("BORN"), julianDay(2000, 2, 29));
    EXPECT_THROW(t->setText("BORN", "19000229"), Error);  // not a leap year
    EXPECT_THROW(t->setText("BORN", "2000-02-29"), Error);
    t->setText("BORN", "");
    EXPECT_EQ(t->date("BORN"), 0);
    EXPECT_EQ(t->text("BORN"), "");
    t->setText("OK", "y");
    EXPECT_EQ(t->fieldBytes(4), "T");
    t->setText("OK", "n");
    EXPECT_EQ(t->fieldBytes(4), "F");
    t->setText("OK", "?");
    EXPECT_EQ(t->logical("OK"), std::nullopt);
    EXPECT_THROW(t->setText("OK", "yes"), Error);
    EXPECT_THROW(t->setDate("NAME", 1), Error);
    EXPECT_THROW(t->number("NAME"), Error);
}

TEST_F(Values, MemosOfAnyLengthSurvivePostAndReopen) {
    std::string big(300000, 'x');
    for (std::size_t i = 0; i < big.size(); i += 97) big[i] = static_cast<char>(i % 251);
    t->setText("NAME", "memo");
    t->setMemo("NOTE", big);
    EXPECT_EQ(t->memo("NOTE"), big);  // pending, not yet in the file
    t->post();
    t->appendBlank();
    t->setMemo("NOTE", "line one\r\nline two");
    t->post();
    t->appendBlank();
    t->post();
    t->close();
    auto again = engine.open(path);
    again->go(1);
    EXPECT_EQ(again->memo("NOTE"), big);
    again->go(2);
    EXPECT_EQ(again->text("NOTE"), "line one\r\nline two");
    again->go(3);
    EXPECT_EQ(again->memo("NOTE"), "");
    EXPECT_TRUE(again->isEmpty(5));
}

TEST_F(Values, NothingReachesTheFileBeforePost) {
    t->post();
    t->commit();
    std::string before = readBytes(path);
    t->go(1);
    t->setText("NAME", "Zed");
    EXPECT_EQ(readBytes(path), before);
    EXPECT_TRUE(t->editing());
    t->cancel();
    EXPECT_EQ(t->text("NAME"), "");
    t->setText("NAME", "Zed");
    t->post();
    EXPECT_EQ(recordOnDisk(1).substr(0, 4), " Zed");
}

TEST_F(Values, CancelledAppendLeavesNoRecordAndReturnsToWhereItWas) {
    t->setText("NAME", "one");
    t->post();
    t->appendBlank();
    t->setText("NAME", "two");
    t->post();
    t->go(1);
    t->appendBlank();
    EXPECT_EQ(t->recNo(), 3u);
    t->setText("NAME", "three");
    t->cancel();
    EXPECT_EQ(t->recNo(), 1u);
    EXPECT_EQ(t->recordCount(), 2u);
    t->commit();
    EXPECT_EQ(readBytes(path).size(), 193u + 2 * 35 + 1);
}

TEST_F(Values, MovingAwayPostsTheEdit) {
    t->setText("NAME", "moved");
    t->goTop();
    EXPECT_FALSE(t->editing());
    EXPECT_EQ(t->recordCount(), 1u);
    EXPECT_EQ(t->text("NAME"), "moved");
}

TEST_F(Values, DeletionMarkIsWrittenAtOnceAndRecalled) {
    t->setText("NAME", "gone");
    t->post();
    t->commit();
    t->deleteRecord();
    EXPECT_TRUE(t->deleted());
    EXPECT_EQ(recordOnDisk(1)[0], '*');
    t->recall();
    EXPECT_EQ(recordOnDisk(1)[0], ' ');
    t->goBottom();
    t->skip();
    EXPECT_THROW(t->deleteRecord(), Error);  // nothing to delete at the end
}

TEST_F(Values, ReadOnlyOpenRefusesWrites) {
    t->post();
    t->close();
    auto ro = engine.open(path, OpenMode::ReadOnly);
    ro->goTop();
    EXPECT_THROW(ro->setText("NAME", "x"), Error);
    EXPECT_THROW(ro->appendBlank(), Error);
    EXPECT_THROW(ro->deleteRecord(), Error);
}

TEST_F(Values, ManyAppendsReadBackAcrossBufferFlushes) {
    t->cancel();
    for (int i = 1; i <= 70000; ++i) {  // about two megabytes: the append buffer fills twice
        t->appendBlank();
        t->setNumber("AGE", i % 1000);
        t->setText("NAME", std::to_string(i));
        t->post();
        ASSERT_EQ(t->text("NAME"), std::to_string(i));
    }
    EXPECT_EQ(t->recordCount(), 70000u);
    t->go(31000);
    EXPECT_EQ(t->text("NAME"), "31000");
    t->close();
    EXPECT_EQ(readBytes(path).size(), 193u + 70000 * 35 + 1);
    auto again = engine.open(path);
    again->goBottom();
    EXPECT_EQ(again->text("NAME"), "70000");
    EXPECT_EQ(again->number("AGE"), 0.0);
}
