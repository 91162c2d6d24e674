// The grid model of a side table on a small table of its own: rows in navigation order, the
// columns and titles given, the table left on its record, and the two listing choices.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <memory>

#include "data/SideGridModel.h"
#include "support/TempDir.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class SideGridModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string path = dir.file("SIZES.DBF");
        engine.create(path, {{"NAME", 'C', 20}, {"WIDTH", 'N', 6, 3}});
        table = engine.open(path);
        add("Small", 4.125);
        add("Wide", 6.5);
        add("Blank", -1);
        add("Large", 9.5);
        table->goTop();
    }

    // Appends a record; a negative width leaves WIDTH empty.
    void add(const char* name, double width) {
        table->appendBlank();
        table->setText("NAME", name);
        if (width >= 0) table->setNumber("WIDTH", width);
        table->post();
    }

    static QStringList column(const SideGridModel& model, int c) {
        QStringList values;
        for (int r = 0; r < model.rowCount(); ++r) values << model.index(r, c).data().toString();
        return values;
    }

    TempDir dir;
    xbase::Engine engine;
    std::unique_ptr<xbase::Table> table;
};

const std::vector<SideGridColumn> kColumns = {{"NAME", QStringLiteral("Name")},
                                              {"WIDTH", QStringLiteral("Width in.")}};

TEST_F(SideGridModelTest, ShowsTheGivenColumnsWithTheStoredTextInRecordOrder) {
    table->go(2);
    SideGridModel model(*table, {kColumns[0], kColumns[1], {"NOSUCH", QStringLiteral("None")}});
    ASSERT_EQ(model.columnCount(), 3);
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Width in.");
    EXPECT_FALSE(model.headerData(3, Qt::Horizontal).isValid());
    EXPECT_FALSE(model.headerData(0, Qt::Vertical).isValid());
    EXPECT_FALSE(model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
    EXPECT_EQ(column(model, 0), (QStringList{"Small", "Wide", "Blank", "Large"}));
    EXPECT_EQ(column(model, 1), (QStringList{"4.125", "6.500", "", "9.500"}));
    EXPECT_EQ(column(model, 2), (QStringList{"", "", "", ""}));  // no such field: empty cells
    EXPECT_FALSE(model.index(0, 0).data(Qt::EditRole).isValid());
    EXPECT_EQ(model.recordAt(1), 2u);
    EXPECT_EQ(model.recordAt(4), 0u);
    EXPECT_EQ(model.recordAt(-1), 0u);
    EXPECT_EQ(model.rowOfRecord(4), 3);
    EXPECT_EQ(model.rowOfRecord(9), -1);
    EXPECT_EQ(table->recNo(), 2u);  // the walk leaves the table where it stood
    EXPECT_EQ(model.currentRow(), 1);
}

TEST_F(SideGridModelTest, NumbersAsValuesShowTheValueAndBlankForAnEmptyNumber) {
    SideGridModel model(*table, kColumns, {.numbersAsValues = true});
    EXPECT_EQ(column(model, 1), (QStringList{"4.125", "6.5", "", "9.5"}));
    EXPECT_EQ(column(model, 0), (QStringList{"Small", "Wide", "Blank", "Large"}));
}

TEST_F(SideGridModelTest, RowsFollowTheFilterAndTheTableLeavesARecordNoLongerListed) {
    table->setFilter("WIDTH > 5");
    table->goTop();
    SideGridModel model(*table, kColumns);
    EXPECT_EQ(column(model, 0), (QStringList{"Wide", "Large"}));
    EXPECT_EQ(table->recNo(), 2u);

    // A change the model has not seen yet: refresh shows it and resets the views.
    table->setNumber("WIDTH", 1);
    table->post();
    table->go(4);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.refresh();
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(column(model, 0), QStringList{"Large"});
    EXPECT_EQ(model.currentRow(), 0);
    EXPECT_EQ(table->recNo(), 4u);

    // Standing on a record the filter leaves out: no current row, and past the end afterwards.
    table->go(1);
    EXPECT_EQ(model.currentRow(), -1);
    model.refresh();
    EXPECT_TRUE(table->eof());
    EXPECT_EQ(table->recNo(), 5u);
    EXPECT_EQ(model.currentRow(), -1);
    model.refresh();  // from the end, the table stays there
    EXPECT_TRUE(table->eof());
    EXPECT_EQ(model.rowCount(), 1);
}

TEST_F(SideGridModelTest, HiddenDeletedRecordsGetNoRowWhateverTheEngineShows) {
    table->go(2);
    table->deleteRecord();
    ASSERT_FALSE(engine.settings.hideDeleted);

    table->go(3);
    SideGridModel shown(*table, kColumns);
    EXPECT_EQ(column(shown, 0), (QStringList{"Small", "Wide", "Blank", "Large"}));
    SideGridModel model(*table, kColumns, {.hideDeleted = true});
    EXPECT_EQ(column(model, 0), (QStringList{"Small", "Blank", "Large"}));
    EXPECT_EQ(model.recordAt(1), 3u);
    EXPECT_EQ(model.currentRow(), 1);
    EXPECT_EQ(table->recNo(), 3u);

    // On the deleted record: the plain model has its row, the other none, and its refresh
    // leaves the table past the end.
    table->go(2);
    shown.refresh();
    EXPECT_EQ(shown.currentRow(), 1);
    EXPECT_EQ(table->recNo(), 2u);
    EXPECT_EQ(model.currentRow(), -1);
    model.refresh();
    EXPECT_TRUE(table->eof());
    EXPECT_EQ(model.rowCount(), 3);
}

TEST_F(SideGridModelTest, AnEmptyTableHasNoRowsAndStandsPastTheEnd) {
    const std::string path = dir.file("EMPTY.DBF");
    engine.create(path, {{"NAME", 'C', 20}});
    const auto empty = engine.open(path);
    empty->goTop();
    SideGridModel model(*empty, kColumns, {.hideDeleted = true, .numbersAsValues = true});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.currentRow(), -1);
    EXPECT_EQ(model.recordAt(0), 0u);
    EXPECT_FALSE(model.index(0, 0).isValid());
    EXPECT_TRUE(empty->eof());
}

}  // namespace
}  // namespace rp
