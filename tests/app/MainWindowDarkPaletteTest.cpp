// The main window and the app layer's windows under a desktop's dark palette: the texts on the
// background picture stay dark, and the page buttons keep their teal and purple on a light face.
#include <gtest/gtest.h>

#include <QPushButton>

#include "AppWindows.h"
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

class AppWindowDarkPaletteTest : public ::testing::TestWithParam<WindowCase> {
  protected:
    TempDir dir;
    DarkPaletteScope dark;
};

TEST_P(AppWindowDarkPaletteTest, KeepsItsTextsReadable) {
    const std::unique_ptr<QWidget> window =
        GetParam().make(QString::fromStdString(dir.path()) + QLatin1Char('/'));
    window->show();
    EXPECT_EQ(lowContrastTexts(*window).join('\n').toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Windows, AppWindowDarkPaletteTest, ::testing::ValuesIn(appWindows()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rp
