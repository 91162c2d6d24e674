// The Browse page's model: columns, values in the table's order, rows the navigation leaves
// out, the table's position kept, resets, and the ends of a large file.
#include <QSignalSpy>

#include "app/BrowseModel.h"
#include "data/AddressLayout.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

QString dayText(xbase::JulianDay day) {
    return "jd" + QString::number(day);
}

class BrowseModelTest : public AddressFileFixture {
  protected:
    QString value(const BrowseModel& model, int row, int column) const {
        return model.data(model.index(row, column)).toString();
    }
    QStringList lastNames(const BrowseModel& model) const {
        QStringList names;
        for (int row = 0; row < model.rowCount(); ++row) names << value(model, row, 0);
        return names;
    }
    void addFive() {
        add({{"LNAME", "Zimmer"}, {"FNAME", "Anna"}, {"CITY", "Boise"}});
        add({{"LNAME", "adams"}, {"FNAME", "Bob"}, {"CITY", "Reno"}});
        add({{"LNAME",
              "M\xFC"
              "ller   "},
             {"FNAME", "Jo"},
             {"CITY", "Boise"}});
        add({{"LNAME", "Baker"}, {"FNAME", "Carl"}, {"CITY", "Boise"}, {"PREFIX", "DELETED"}});
        add({{"LNAME", "Baker"}, {"FNAME", "Alice"}, {"CITY", "Tampa"}});
    }
};

TEST_F(BrowseModelTest, ColumnsHaveTheirTitlesAndWidthsInOrder) {
    BrowseModel model(table, dayText);
    const QStringList titles = {
        "Last Name",      "First Name", "Middle", "Organization", "City",    "Zip/Postal Code",
        "Street Address", "PREFIX",     "State",  "Title",        "Country", "Phone",
        "Codes",          "Email",      "Fax",    "DATE"};
    const int chars[] = {20, 15, 1, 20, 15, 4, 20, 4, 20, 20, 15, 15, 15, 30, 30, 10};
    ASSERT_EQ(model.columnCount(), titles.size());
    for (int c = 0; c < model.columnCount(); ++c) {
        EXPECT_EQ(model.headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_EQ(BrowseModel::columnChars(c), chars[c]) << c;
    }
    EXPECT_EQ(BrowseModel::columnChars(16), 0);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(BrowseModelTest, EachColumnShowsItsField) {
    const std::uint32_t recno = add({{"LNAME", "L"},
                                     {"FNAME", "F"},
                                     {"MIDDLE", "M"},
                                     {"ORG", "O"},
                                     {"CITY", "C"},
                                     {"ZIP", "Z"},
                                     {"STREET", "S"},
                                     {"PREFIX", "P"},
                                     {"STATE", "ST"},
                                     {"TITLE", "T"},
                                     {"COUNTRY", "CO"},
                                     {"PHONE", "PH"},
                                     {"NOTES", "N"},
                                     {"EMAIL", "E"},
                                     {"FAX", "FX"},
                                     {"DATE", "19990315"}});
    add({{"LNAME", "Q"}});
    BrowseModel model(table, dayText);
    ASSERT_EQ(model.rowCount(), 2);
    const QString day = dayText(xbase::julianDay(1999, 3, 15));
    const QStringList expected = {"L",  "F", "M",  "O",  "C", "Z", "S",  "P",
                                  "ST", "T", "CO", "PH", "N", "E", "FX", day};
    for (int c = 0; c < model.columnCount(); ++c) EXPECT_EQ(value(model, 0, c), expected[c]) << c;
    EXPECT_EQ(model.recordAt(0), recno);
    EXPECT_EQ(value(model, 1, 15), QString()) << "an empty date shows as nothing";
}

TEST_F(BrowseModelTest, RowsFollowTheLastNameOrder) {
    addFive();
    BrowseModel model(table, dayText);
    EXPECT_EQ(lastNames(model),
              QStringList({"adams", "Baker", "Baker", QString::fromUtf8("Müller"), "Zimmer"}));
    EXPECT_EQ(value(model, 1, 1), "Alice");
    EXPECT_EQ(value(model, 2, 1), "Carl");
    EXPECT_EQ(model.recordAt(0), 2u);
    EXPECT_EQ(model.recordAt(4), 1u);
    EXPECT_EQ(model.recordAt(5), 0u);
    EXPECT_EQ(model.rowOf(3), 3);

    table->setOrder("FNAME");
    model.reset();
    EXPECT_EQ(lastNames(model),
              QStringList({"Baker", "Zimmer", "adams", "Baker", QString::fromUtf8("Müller")}));
}

TEST_F(BrowseModelTest, HiddenDeletedRecordsAndTheFilterLeaveRowsOut) {
    addFive();
    table->go(1);
    table->deleteRecord();
    engine.settings.hideDeleted = true;
    BrowseModel model(table, dayText);
    EXPECT_EQ(lastNames(model),
              QStringList({"adams", "Baker", "Baker", QString::fromUtf8("Müller")}));
    EXPECT_EQ(model.rowOf(1), -1);

    table->setFilter(kStandingCondition.toStdString());
    model.reset();
    EXPECT_EQ(lastNames(model), QStringList({"adams", "Baker", QString::fromUtf8("Müller")}));
    EXPECT_EQ(value(model, 1, 1), "Alice");
    EXPECT_EQ(model.rowOf(4), -1);

    table->setFilter("CITY = 'Boise' .and. " + kStandingCondition.toStdString());
    model.reset();
    EXPECT_EQ(lastNames(model), QStringList({QString::fromUtf8("Müller")}));
}

TEST_F(BrowseModelTest, ReadingRowsLeavesTheCurrentRecord) {
    addFive();
    BrowseModel model(table, dayText);
    table->go(3);
    EXPECT_EQ(lastNames(model).size(), 5);
    EXPECT_EQ(model.rowOf(1), 4);
    EXPECT_EQ(table->recNo(), 3u);
    EXPECT_FALSE(table->bof() || table->eof());

    model.reset();
    table->goBottom();
    table->skip(1);
    ASSERT_TRUE(table->eof());
    EXPECT_EQ(value(model, 2, 0), "Baker");
    EXPECT_TRUE(table->eof());

    model.reset();
    table->goTop();
    table->skip(-1);
    ASSERT_TRUE(table->bof());
    EXPECT_EQ(value(model, 4, 0), "Zimmer");
    EXPECT_TRUE(table->bof());
    EXPECT_EQ(table->recNo(), 2u);
    EXPECT_EQ(table->order(), table->orderNumber("LNAME"));
}

TEST_F(BrowseModelTest, NothingIsReadWhileAnEditIsUnderWay) {
    addFive();
    BrowseModel model(table, dayText);
    table->go(5);
    table->setText("LNAME", "Aaron");
    EXPECT_EQ(value(model, 0, 0), QString());
    EXPECT_EQ(model.rowOf(5), -1);
    model.reset();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(table->editing());
    table->cancel();
    model.reset();
    EXPECT_EQ(value(model, 0, 0), "adams");
    EXPECT_EQ(model.rowOf(5), 1);
}

TEST_F(BrowseModelTest, ResetAfterAnAppendShowsTheNewRow) {
    addFive();
    BrowseModel model(table, dayText);
    EXPECT_EQ(value(model, 0, 0), "adams");
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    const std::uint32_t recno = add({{"LNAME", "Aaron"}, {"FNAME", "Zed"}});
    EXPECT_EQ(model.rowCount(), 5);
    model.reset();
    EXPECT_EQ(resets.count(), 1);
    ASSERT_EQ(model.rowCount(), 6);
    EXPECT_EQ(value(model, 0, 0), "Aaron");
    EXPECT_EQ(value(model, 1, 0), "adams");
    EXPECT_EQ(model.rowOf(recno), 0);

    table.close();
    model.reset();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.recordAt(0), 0u);
}

TEST_F(BrowseModelTest, RowsOfALargeFileMatchAPlainWalk) {
    addMany(20000);
    const std::vector<std::uint32_t> records = walk();
    table->go(records[7]);
    BrowseModel model(table, dayText);
    const int rows = model.rowCount();
    ASSERT_EQ(rows, 20000);
    for (int row = rows - 30; row < rows; ++row)
        EXPECT_EQ(model.recordAt(row), records[static_cast<std::size_t>(row)]) << row;
    table->go(records.back());
    EXPECT_EQ(value(model, rows - 1, 0), QString::fromStdString(table->text("LNAME")));
    for (int row = 0; row < 30; ++row)
        EXPECT_EQ(model.recordAt(row), records[static_cast<std::size_t>(row)]);
    EXPECT_EQ(model.rowOf(records[123]), 123);
    EXPECT_EQ(model.rowOf(records[rows - 200]), rows - 200);

    // The middle lies beyond skipping distance of both ends: its records follow each other as
    // in the walk, at about the right place.
    const std::uint32_t middle = model.recordAt(rows / 2);
    const auto at = std::find(records.begin(), records.end(), middle) - records.begin();
    EXPECT_NEAR(static_cast<double>(at), rows / 2, rows / 20);
    for (int i = 1; i < 40; ++i)
        EXPECT_EQ(model.recordAt(rows / 2 + i), records[static_cast<std::size_t>(at + i)]) << i;
    EXPECT_EQ(model.rowOf(middle), rows / 2);
    EXPECT_EQ(table->recNo(), records.back());
}

}  // namespace
}  // namespace rp
