// What a screen reader finds in the framework's windows: every control it can reach has a
// name, and the preview's page says which page of how many it is.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QToolButton>

#include "framework/HelpViewer.h"
#include "framework/PreviewPageView.h"
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

TEST(FrameworkAccessibilityTest, ThePreviewsPageIsReadAsPageNOfM) {
    RecordedPages pages;
    {
        ReportCanvas canvas(pages);
        ASSERT_TRUE(canvas.start());
        for (int page = 0; page < 3; ++page) {
            if (page > 0) canvas.newPage();
            canvas.println(QStringLiteral("x"));
        }
        canvas.finish();
    }
    PreviewWindow preview(pages);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(preview.pageView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->text(QAccessible::Name), "Print preview");
    const std::pair<QToolButton*, const char*> steps[] = {{nullptr, "Page 1 of 3"},
                                                          {preview.nextButton(), "Page 2 of 3"},
                                                          {preview.lastButton(), "Page 3 of 3"},
                                                          {preview.firstButton(), "Page 1 of 3"}};
    for (const auto& [button, name] : steps) {
        if (button) button->click();
        ASSERT_EQ(view->childCount(), 1) << name;
        EXPECT_EQ(view->child(0)->text(QAccessible::Name), name);
    }
}

}  // namespace
}  // namespace rp
