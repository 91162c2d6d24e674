// The main window's three pages under a desktop's dark palette: the texts on the background
// picture stay dark, and the page buttons keep their teal and purple on a light face. (The app
// layer's other windows go through the same check in AppWindowChecksTest.)
#include <gtest/gtest.h>

#include <QPushButton>

#include "MainWindowFixture.h"
#include "support/ContrastChecks.h"

namespace rp {
namespace {

class MainWindowDarkPaletteTest : public MainWindowTest {
  protected:
    DarkPaletteScope dark;
};

TEST_F(MainWindowDarkPaletteTest, EveryPageKeepsItsTextsReadable) {
    makeFile("LIST.DBF", {{"Ames", "Ann", "Boston", "MA", "02101"}});
    start(path("LIST.DBF"));
    for (const char* page : {"Main", "Browse", "Filter"}) {
        for (QPushButton* button : main->findChildren<QPushButton*>())
            if (button->text() == QLatin1String(page)) button->click();
        EXPECT_EQ(lowContrastTexts(*main).join('\n').toStdString(), "") << page;
    }
}

}  // namespace
}  // namespace rp
