// What a screen reader finds in the framework's windows: every control it can reach has a
// name.
#include <gtest/gtest.h>

#include "framework/HelpViewer.h"
#include "framework/PreviewWindow.h"
#include "framework/PrintStatusDialog.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "framework/StartScreen.h"
#include "support/AccessibleTree.h"
#include "support/ReportLog.h"

namespace rp {
namespace {

TEST(FrameworkAccessibilityTest, EveryControlOfTheFrameworksWindowsHasAName) {
    RecordedPages pages;
    {
        ReportCanvas canvas(pages);
        ASSERT_TRUE(canvas.start());
        canvas.println(QStringLiteral("x"));
        canvas.finish();
    }
    PreviewWindow preview(pages);
    HelpViewer help;
    StartScreen start(StartScreen::Kind::StartScreen);
    StartScreen about(StartScreen::Kind::About);
    ReportLog log;
    PrintStatusDialog status(
        log, [](ReportCanvas&, const std::function<bool()>&) {}, false);
    const std::pair<const char*, QWidget*> windows[] = {{"Preview", &preview},
                                                        {"Help", &help},
                                                        {"Start screen", &start},
                                                        {"About", &about},
                                                        {"Print Status", &status}};
    for (const auto& [name, window] : windows)
        EXPECT_EQ(unnamedFocusableElements(*window), std::vector<std::string>()) << name;
}

}  // namespace
}  // namespace rp
