// The setup list commands of the Print Labels dialog on a copy of the delivered RVPLSU.DBF:
// button states, Modify, New and Delete, and the list with its two columns.
#include <gtest/gtest.h>

#include <functional>

#include "LabelSideFixture.h"
#include "data/SideGridModel.h"
#include "labels/LabelDefinition.h"
#include "labels/LabelSetupList.h"
#include "xbase/Error.h"

namespace rp {
namespace {

class LabelSetupListTest : public LabelSideTest {
  protected:
    void SetUp() override {
        LabelSideTest::SetUp();
        setups = open("RVPLSU.DBF");
    }
    int visible() { return static_cast<int>(setups->visibleCount()); }

    std::unique_ptr<xbase::Table> setups;
};

const LabelSetupButtons kAllOn{true, true, true, true, true, true};
const LabelSetupButtons kOnlyNew{false, false, false, false, false, true};

TEST_F(LabelSetupListTest, TheListShowsTheFileInRecordOrderWithTwoColumns) {
    SideGridModel model(*setups, {{"DESCRIPT", "Description"}, {"USERLABELN", "Label Type"}});
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Description");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Label Type");
    EXPECT_EQ(model.index(0, 0).data().toString(), "Address labels, 30 per sheet");
    EXPECT_EQ(model.index(0, 1).data().toString(), "Avery 5160  Address,   1.00 x 2.63");
    EXPECT_EQ(model.index(3, 0).data().toString(), "Dot matrix address labels");
    EXPECT_EQ(setups->recNo(), 1u);  // the walk leaves the table where it stood
}

TEST_F(LabelSetupListTest, ModifyWritesTheEditedCopyOnSaveOnly) {
    LabelSetupList list(*setups);
    EXPECT_EQ(list.setLabelButtons(), kAllOn);
    const LabelSetup before = list.currentSetup();
    EXPECT_EQ(before.description, "Address labels, 30 per sheet");

    LabelSetup seen;
    EXPECT_FALSE(list.modify([&](LabelSetup& s) {
        seen = s;
        s.fontSize = 30;
        return false;
    }));
    EXPECT_EQ(seen, before);
    EXPECT_EQ(list.currentSetup(), before);

    EXPECT_TRUE(list.modify([](LabelSetup& s) {
        s.fontSize = 12;
        s.xOffset = 0.1875f;
        return true;
    }));
    EXPECT_EQ(visible(), 4);
    setups->goTop();
    EXPECT_EQ(list.currentSetup().fontSize, 12);
    EXPECT_EQ(list.currentSetup().xOffset, 0.188f);
}

TEST_F(LabelSetupListTest, NewStartsFromTheSelectedSetupUntitledAndAppendsOnSave) {
    LabelSetupList list(*setups);
    setups->skip();
    const LabelSetup selected = list.currentSetup();
    LabelSetup seen;
    EXPECT_FALSE(list.createNew([&](LabelSetup& s) {
        seen = s;
        return false;
    }));
    EXPECT_EQ(setups->recordCount(), 4u);
    LabelSetup expected = selected;
    expected.description = "{Untitled Label Setup Record}";
    EXPECT_EQ(seen, expected);

    EXPECT_TRUE(list.createNew([](LabelSetup& s) {
        s.description = "Mine";
        return true;
    }));
    EXPECT_EQ(setups->recordCount(), 5u);
    EXPECT_EQ(setups->recNo(), 5u);
    expected.description = "Mine";
    EXPECT_EQ(list.currentSetup(), expected);
    EXPECT_EQ(list.setLabelButtons(), kAllOn);
}

TEST_F(LabelSetupListTest, DeleteAsksAndAnEmptyFileLeavesOnlyNewWithTheDefaultSetup) {
    LabelSetupList list(*setups);
    messages.answer(false);
    EXPECT_FALSE(list.deleteCurrent());
    EXPECT_EQ(visible(), 4);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].kind, "question");
    EXPECT_EQ(messages.shown()[0].text, "Delete this record?");

    // The next record follows; after the last, the one before.
    messages.answer(true);
    EXPECT_TRUE(list.deleteCurrent());
    EXPECT_EQ(setups->recNo(), 2u);
    setups->goBottom();
    messages.answer(true);
    EXPECT_TRUE(list.deleteCurrent());
    EXPECT_EQ(setups->recNo(), 3u);
    for (int i = 0; i < 2; ++i) {
        messages.answer(true);
        EXPECT_TRUE(list.deleteCurrent());
    }
    EXPECT_EQ(visible(), 0);
    EXPECT_FALSE(list.hasCurrent());
    EXPECT_EQ(list.setLabelButtons(), kOnlyNew);
    EXPECT_FALSE(list.deleteCurrent());  // nothing to delete, nothing asked
    EXPECT_FALSE(list.modify([](LabelSetup&) { return true; }));
    EXPECT_EQ(messages.unansweredLeft(), 0);

    // New on the empty file: the default setup, untitled; Cancel appends nothing.
    LabelSetup seen;
    EXPECT_FALSE(list.createNew([&](LabelSetup& s) {
        seen = s;
        return false;
    }));
    LabelSetup expected = defaultLabelSetup();
    expected.description = "{Untitled Label Setup Record}";
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(visible(), 0);
    EXPECT_EQ(list.setLabelButtons(), kOnlyNew);

    EXPECT_TRUE(list.createNew([](LabelSetup&) { return true; }));
    EXPECT_EQ(visible(), 1);
    EXPECT_EQ(list.setLabelButtons(), kAllOn);
    EXPECT_EQ(list.currentSetup(), expected);
}

// A value the file refuses in a field after others were filled: the new setup or stock is
// dropped, and the file keeps its records, with no blank one after them.
TEST_F(LabelSideTest, AFailingFieldCancelsTheNewRecord) {
    struct Case {
        const char* file;
        const char* descriptionField;
        std::function<void(xbase::Table&)> add;
    };
    const Case cases[] = {
        {"RVPLSU.DBF", "DESCRIPT",
         [](xbase::Table& t) {
             LabelSetupList(t).createNew([](LabelSetup& s) {
                 s.fontSize = 10000;  // FONTSIZE holds 4 digits
                 return true;
             });
         }},
        {"RVPLBLS.DBF", "USERDESC",
         [](xbase::Table& t) {
             LabelDefinition d;
             d.description = QStringLiteral("Too many across");
             d.across = 10000;  // NBRACROSS holds 4 digits
             appendLabelDefinition(t, d);
         }},
    };
    for (const Case& c : cases) {
        auto table = open(c.file);
        const std::uint32_t before = table->recordCount();
        table->go(before);
        const std::string last = table->text(c.descriptionField);
        EXPECT_THROW(c.add(*table), xbase::Error) << c.file;
        EXPECT_FALSE(table->editing()) << c.file;
        table->goBottom();
        table.reset();
        table = open(c.file);
        EXPECT_EQ(table->recordCount(), before) << c.file;
        table->go(before);
        EXPECT_EQ(table->text(c.descriptionField), last) << c.file;
    }
}

}  // namespace
}  // namespace rp
