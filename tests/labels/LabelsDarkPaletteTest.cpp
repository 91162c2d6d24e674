// The label windows under a desktop's dark palette: every text on the background picture and on the
// buttons keeps a contrast of 4.5:1.
#include <gtest/gtest.h>

#include "LabelSideFixture.h"
#include "LabelWindows.h"
#include "data/AddressFile.h"
#include "support/ContrastChecks.h"

namespace rp {
namespace {

class LabelsDarkPaletteTest : public LabelSideTest {
  protected:
    DarkPaletteScope dark;
};

TEST_F(LabelsDarkPaletteTest, EveryWindowKeepsItsTextsReadable) {
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(path("LIST.DBF"), addresses));
    auto setups = open("RVPLSU.DBF");
    auto stocks = open("RVPLBLS.DBF");
    LabelWindows windows(addresses.table(), *setups, *stocks, folder());
    for (const NamedWindow& w : windows.all()) {
        w.window->show();
        EXPECT_EQ(lowContrastTexts(*w.window).join('\n').toStdString(), "") << w.name;
    }
}

}  // namespace
}  // namespace rp
