// The letter windows and messages through a translation that brackets every text: whatever a
// user reads comes out marked, with the values in their places.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "LetterWindows.h"
#include "LettersFixture.h"
#include "letters/LetterPrintRun.h"
#include "letters/PageUnits.h"
#include "letters/RtfReader.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class LettersTranslationTest : public LettersFixture {
  protected:
    MarkingTranslator marking;
};

TEST_F(LettersTranslationTest, TheLetterWindowsShowOnlyTranslatedTexts) {
    LetterWindowsWithFiles made(engine, folder(), *letters, letterOf("Dear [First],"));
    for (const NamedWindow& w : made.windows.all()) {
        QStringList left = untranslatedTexts(*w.window);
        left.removeAll(made.windows.catalog.selected());  // the printer's own name
        EXPECT_EQ(left, QStringList()) << w.name;
    }
}

TEST_F(LettersTranslationTest, MessagesAreTranslated) {
    const PageLayout narrow{12240, 15840, 7000, 7000, 1440, 1440};
    QTextDocument document;
    const std::pair<QString, QString> cases[] = {
        {findPageLayoutFault(PageLayout{0, 15840, 0, 0, 0, 0}).value().message,
         "[Width must be greater than 0]"},
        {findPageLayoutFault(narrow).value().message,
         "[Left and Right leave no room for text on the page]"},
        {noTextAreaMessage(), "[The letter's margins leave no room for text on the page.]"},
        {readRtf("hello", document).value_or(QString()), "[The text is not RTF]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rp
