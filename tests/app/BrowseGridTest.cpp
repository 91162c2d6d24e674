// The Browse grid: choosing a record with Enter, Esc or a double click, Insert doing nothing,
// read-only single-row selection and column widths from the model's characters.
#include <QHeaderView>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>

#include "app/BrowseGrid.h"
#include "app/BrowseModel.h"
#include "support/AddressFileFixture.h"

namespace rp {
namespace {

class BrowseGridTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        for (const char* name : {"Cole", "Abel", "Dunn", "Bray"}) add({{"LNAME", name}});
        model.emplace(table, [](xbase::JulianDay) { return QString(); });
        grid.setModel(&*model);
        grid.resize(900, 300);
    }

    std::optional<BrowseModel> model;
    BrowseGrid grid;
};

TEST_F(BrowseGridTest, EnterEscAndDoubleClickChooseTheSelectedRecord) {
    QSignalSpy chosen(&grid, &BrowseGrid::recordChosen);
    grid.show();
    grid.selectRow(2);  // Cole, record 1
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_Enter, Qt::KeypadModifier);
    grid.selectRow(3);  // Dunn, record 3
    QTest::keyClick(&grid, Qt::Key_Escape);
    const QModelIndex bray = model->index(1, 4);
    // A double click arrives as a click, then a double click and a release.
    const QPoint at = grid.visualRect(bray).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(chosen.count(), 4);
    EXPECT_EQ(chosen[0][0].value<std::uint32_t>(), 1u);
    EXPECT_EQ(chosen[1][0].value<std::uint32_t>(), 1u);
    EXPECT_EQ(chosen[2][0].value<std::uint32_t>(), 3u);
    EXPECT_EQ(chosen[3][0].value<std::uint32_t>(), 4u);
    EXPECT_EQ(grid.currentIndex().row(), 1);
}

TEST_F(BrowseGridTest, InsertDoesNothingNotEvenTheWindowsShortcut) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QWidget;
    other->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(other);
    layout->addWidget(&grid);
    QShortcut insert(Qt::Key_Insert, &window);
    QSignalSpy inserts(&insert, &QShortcut::activated);
    QSignalSpy chosen(&grid, &BrowseGrid::recordChosen);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(other, Qt::Key_Insert);
    EXPECT_EQ(inserts.count(), 1) << "the window's shortcut works elsewhere";
    grid.selectRow(1);
    QTest::keyClick(&grid, Qt::Key_Insert);
    EXPECT_EQ(inserts.count(), 1);
    EXPECT_EQ(chosen.count(), 0);
    EXPECT_EQ(grid.currentIndex().row(), 1);
    EXPECT_EQ(model->rowCount(), 4);
    layout->removeWidget(&grid);
    grid.setParent(nullptr);
}

TEST_F(BrowseGridTest, ReadOnlySingleRowsAndCharacterWidths) {
    EXPECT_EQ(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(grid.selectionBehavior(), QAbstractItemView::SelectRows);

    const int perChar = grid.columnWidthFor(2) - grid.columnWidthFor(1);
    EXPECT_GE(perChar, grid.fontMetrics().averageCharWidth());
    EXPECT_EQ(grid.columnWidthFor(30) - grid.columnWidthFor(15), 15 * perChar);
    for (int c = 0; c < model->columnCount(); ++c) {
        const int title = grid.horizontalHeader()->sectionSizeHint(c);
        EXPECT_EQ(grid.columnWidth(c),
                  std::max(grid.columnWidthFor(BrowseModel::columnChars(c)), title))
            << c;
    }
    EXPECT_EQ(grid.columnWidth(0), grid.columnWidthFor(20))
        << "names are as wide as their characters";
    EXPECT_GT(grid.columnWidth(5), grid.columnWidthFor(4)) << "Zip/Postal Code shows its title";

    const int nameWidth = grid.columnWidth(0);
    QFont bigger = grid.font();
    bigger.setPointSize(bigger.pointSize() * 2);
    grid.setFont(bigger);
    EXPECT_GT(grid.columnWidth(0), nameWidth * 3 / 2);
}

}  // namespace
}  // namespace rp
