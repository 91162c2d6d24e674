// The framework's windows and messages through a translation that brackets every text:
// whatever a user reads comes out marked, with the values in their places.
#include <gtest/gtest.h>

#include <QPushButton>
#include <functional>
#include <memory>
#include <stdexcept>

#include "FrameworkWindows.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "framework/PreviewWindow.h"
#include "framework/PrintStatusDialog.h"
#include "support/MarkingTranslator.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

class FrameworkTranslationTest : public ::testing::Test {
  protected:
    MarkingTranslator marking;
    ScriptedMessages told;
    MessagesScope scope{told};
};

TEST_F(FrameworkTranslationTest, ThePreviewWindowShowsOnlyTranslatedTexts) {
    FrameworkWindows windows;
    EXPECT_EQ(untranslatedTexts(windows.preview), QStringList());
    EXPECT_EQ(windows.preview.windowTitle(), "[Label Preview]");
}

TEST_F(FrameworkTranslationTest, HelpAndAboutWindowsShowOnlyTranslatedTexts) {
    FrameworkWindows windows;
    EXPECT_EQ(untranslatedTexts(windows.help), QStringList());
    // The program's name stays as it is.
    EXPECT_EQ(untranslatedTexts(windows.about), QStringList({"Ravenpost"}));
}

TEST_F(FrameworkTranslationTest, CaptionsOfTheMessageBoxesAreTranslated) {
    showInformation(QStringLiteral("a"));
    showError(QStringLiteral("b"));
    told.answer(true);
    askYesNo(QStringLiteral("c"));
    try {
        throw 42;
    } catch (...) {
        reportCurrentError();
    }
    QStringList captions, texts;
    for (const auto& s : told.shown()) captions << s.caption, texts << s.text;
    EXPECT_EQ(captions, QStringList({"[Information]", "[Error]", "[Confirm]", "[Error]"}));
    EXPECT_EQ(texts.last(), "[An unknown error occurred.]");
}

TEST_F(FrameworkTranslationTest, PrintStatusTextsAreTranslatedWithTheKindOfJobInPlace) {
    const PrintStatusTexts plain;
    const PrintStatusTexts label = PrintStatusTexts::forJob(QStringLiteral("Label"));
    const std::pair<QString, const char*> cases[] = {
        {plain.cancelQuestion, "[Cancel Printing?]"},
        {plain.printCanceled, "[\rPrint Canceled!]"},
        {plain.previewStopped, "[\rPreview Stopped at page %p!]"},
        {plain.previewReady, "[\rPreview Ready!]"},
        {label.cancelQuestion, "[Cancel Label Printing?]"},
        {label.printCompleted, "[\rLabel Print Completed!]"},
        {label.previewCanceled, "[\rLabel Preview Canceled!]"},
        {PrintStatusDialog::statusFormat(), "[Printing Page %p\r%0\r%1]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST_F(FrameworkTranslationTest, TranslatedPreviewCaptionsKeepTheirHelpPages) {
    const std::pair<const char*, HelpTopic::Number> cases[] = {
        {"[Preview Envelope]", HelpTopic::PreviewEnvelope},
        {"[Preview Labels]", HelpTopic::PreviewLabels},
        {"[Preview Report]", HelpTopic::PreviewReport},
        {"[Preview Zipcode Count]", HelpTopic::PreviewZipCount},
        {"Preview Labels", HelpTopic::PreviewLabels},
        {"[Label Preview]", PreviewWindow::kNoHelpTopic},
    };
    for (const auto& [caption, topic] : cases)
        EXPECT_EQ(PreviewWindow::helpTopicFor(QString::fromLatin1(caption)), topic) << caption;
}

}  // namespace
}  // namespace rp
