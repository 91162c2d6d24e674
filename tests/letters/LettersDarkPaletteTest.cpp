// The letter windows under a desktop's dark palette: every text on the background picture and on
// the buttons keeps a contrast of 4.5:1.
#include <gtest/gtest.h>

#include "LetterWindows.h"
#include "LettersFixture.h"
#include "support/ContrastChecks.h"

namespace rp {
namespace {

class LettersDarkPaletteTest : public LettersFixture {
  protected:
    DarkPaletteScope dark;
};

TEST_F(LettersDarkPaletteTest, EveryWindowKeepsItsTextsReadable) {
    LetterWindowsWithFiles made(engine, folder(), *letters, letterOf("Dear [First],"));
    for (const NamedWindow& w : made.windows.all()) {
        w.window->show();
        EXPECT_EQ(lowContrastTexts(*w.window).join('\n').toStdString(), "") << w.name;
    }
}

}  // namespace
}  // namespace rp
