// The framework's own windows from the keyboard, in each test language: no mnemonic clashes,
// every control reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include "framework/HelpViewer.h"
#include "framework/PreviewWindow.h"
#include "framework/RecordedPages.h"
#include "framework/ReportCanvas.h"
#include "framework/StartScreen.h"
#include "support/KeyboardChecks.h"
#include "support/ScriptedMessages.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class FrameworkKeyboardTest : public ::testing::TestWithParam<std::string> {
  protected:
    ScriptedMessages told;
    MessagesScope scope{told};
};

TEST_P(FrameworkKeyboardTest, ThePreviewHelpAndAboutWindowsAreUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    RecordedPages pages;
    {
        ReportCanvas canvas(pages);
        ASSERT_TRUE(canvas.start());
        canvas.println(QStringLiteral("x"));
        canvas.finish();
    }
    PreviewWindow preview(pages);
    HelpViewer help;
    StartScreen about(StartScreen::Kind::About);
    for (const NamedWindow& window : {NamedWindow{"Preview", &preview}, NamedWindow{"Help", &help},
                                      NamedWindow{"About", &about}})
        expectUsableByKeys(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, FrameworkKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
