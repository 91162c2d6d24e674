// The Print Report window on screen: at its smallest, in each test language, the list of report
// layouts shows every name whole, with no sideways scroll bar over the last one.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QScrollBar>

#include "ReportWindows.h"
#include "support/AddressFileFixture.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class PrintReportScreenTest : public AddressFileFixture,
                              public ::testing::WithParamInterface<std::string> {};

TEST_P(PrintReportScreenTest, EveryLayoutNameShowsWhole) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    ReportWindows windows(table.table(), QString::fromStdString(dir.path()));
    PrintReportDialog& dialog = windows.print;
    dialog.show();
    dialog.resize(dialog.minimumSizeHint());
    QCoreApplication::processEvents();  // the list lays out its scroll bars
    auto* layouts = dialog.findChild<QListWidget*>();
    ASSERT_NE(layouts, nullptr);
    EXPECT_FALSE(layouts->horizontalScrollBar()->isVisible());
    for (int row = 0; row < layouts->count(); ++row)
        EXPECT_TRUE(
            layouts->viewport()->rect().contains(layouts->visualItemRect(layouts->item(row))))
            << layouts->item(row)->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintReportScreenTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
