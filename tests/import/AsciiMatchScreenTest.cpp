// The ASCII match window on screen: made as small as it goes, the headings of its list of
// matches still show whole in each test language, without a sideways scroll.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>

#include "import/AsciiMatchDialog.h"
#include "import/ImportLayout.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class AsciiMatchScreenTest : public ::testing::TestWithParam<std::string> {};

TEST_P(AsciiMatchScreenTest, TheMatchHeadingsShowWhole) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    AsciiMatchDialog dialog(ImportLayout{}, {{"Rye", "NY"}});
    dialog.show();
    dialog.resize(dialog.minimumSizeHint());  // made as small as it goes
    QCoreApplication::processEvents();        // the list lays out its scroll bars
    QTableWidget* matches = nullptr;
    for (auto* table : dialog.findChildren<QTableWidget*>())
        if (table->columnCount() == 2) matches = table;
    ASSERT_NE(matches, nullptr);
    const QHeaderView* headings = matches->horizontalHeader();
    for (int column : {0, 1})
        EXPECT_GE(headings->sectionSize(column), headings->sectionSizeHint(column))
            << matches->horizontalHeaderItem(column)->text().toStdString();
    EXPECT_LE(headings->length(), matches->viewport()->width());
    EXPECT_FALSE(matches->horizontalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Languages, AsciiMatchScreenTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
