// The presort and ZIP count windows under a desktop's dark palette: every text on the background
// picture and on the buttons keeps a contrast of 4.5:1.
#include <gtest/gtest.h>

#include "PostalWindows.h"
#include "PresortFixture.h"
#include "support/ContrastChecks.h"

namespace rp {
namespace {

class PostalDarkPaletteTest : public PresortFixture {
  protected:
    DarkPaletteScope dark;
};

TEST_F(PostalDarkPaletteTest, EveryWindowKeepsItsTextsReadable) {
    PostalWindows windows(table.table(), folder());
    for (const NamedWindow& w : windows.all()) {
        w.window->show();
        EXPECT_EQ(lowContrastTexts(*w.window).join('\n').toStdString(), "") << w.name;
    }
}

}  // namespace
}  // namespace rp
