// The envelope windows under a desktop's dark palette: every text on the background picture,
// on the designer's tabbed pages and on the buttons keeps a contrast of 4.5:1.
#include <gtest/gtest.h>

#include "EnvelopeFixture.h"
#include "EnvelopeWindows.h"
#include "support/ContrastChecks.h"

namespace rp {
namespace {

class EnvelopesDarkPaletteTest : public EnvelopeFixture {
  protected:
    DarkPaletteScope dark;
};

TEST_F(EnvelopesDarkPaletteTest, EveryWindowKeepsItsTextsReadable) {
    EnvelopeWindowsWithFiles made(engine, path("ADDRESS.DBF"), folder(), open("RVPESU.DBF"),
                                  open("RVPENVS.DBF"));
    for (const NamedWindow& w : made.windows.all()) {
        w.window->show();
        EXPECT_EQ(lowContrastTexts(*w.window).join('\n').toStdString(), "") << w.name;
    }
}

}  // namespace
}  // namespace rp
