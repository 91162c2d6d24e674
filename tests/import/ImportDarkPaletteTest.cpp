// The import windows under a desktop's dark palette: every text on the background picture and on
// the buttons keeps a contrast of 4.5:1.
#include <gtest/gtest.h>

#include "ImportWindows.h"
#include "support/AddressFileFixture.h"
#include "support/ContrastChecks.h"

namespace rp {
namespace {

class ImportDarkPaletteTest : public AddressFileFixture {
  protected:
    QString folder() const { return QString::fromStdString(dir.path()); }
    DarkPaletteScope dark;
};

TEST_F(ImportDarkPaletteTest, EveryWindowKeepsItsTextsReadable) {
    ImportWindows windows(table, folder());
    for (const NamedWindow& w : windows.all()) {
        w.window->show();
        EXPECT_EQ(lowContrastTexts(*w.window).join('\n').toStdString(), "") << w.name;
    }
}

}  // namespace
}  // namespace rp
