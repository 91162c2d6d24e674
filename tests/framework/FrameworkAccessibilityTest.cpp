// What a screen reader finds in the preview: its page says which page of how many it is.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QToolButton>

#include "framework/PreviewPageView.h"
#include "framework/PreviewWindow.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"

namespace rp {
namespace {

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
