// The report windows under a desktop's dark palette: every text on the background picture and on
// the buttons keeps a contrast of 4.5:1.
#include <gtest/gtest.h>

#include "ReportWindows.h"
#include "support/AddressFileFixture.h"
#include "support/ContrastChecks.h"

namespace rp {
namespace {

class ReportsDarkPaletteTest : public AddressFileFixture {
  protected:
    DarkPaletteScope dark;
};

TEST_F(ReportsDarkPaletteTest, EveryWindowKeepsItsTextsReadable) {
    ReportWindows windows(table.table(), QString::fromStdString(dir.path()));
    for (const NamedWindow& w : windows.all()) {
        w.window->show();
        EXPECT_EQ(lowContrastTexts(*w.window).join('\n').toStdString(), "") << w.name;
    }
}

}  // namespace
}  // namespace rp
