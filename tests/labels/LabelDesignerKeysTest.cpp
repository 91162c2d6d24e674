// The label designer's picture from the keyboard: with it focused, the arrow keys move the
// text as the position buttons do, within the same limits, and Home puts it home.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollArea>
#include <QTest>
#include <vector>

#include "labels/LabelDesignerDialog.h"
#include "labels/LabelSetup.h"

namespace rp {
namespace {

struct KeysCase {
    const char* name;
    std::vector<Qt::Key> keys;
    float x, y;  // the text position saved, in inches
};

class LabelDesignerKeysTest : public ::testing::TestWithParam<KeysCase> {};

TEST_P(LabelDesignerKeysTest, ArrowKeysOnThePictureMoveTheText) {
    LabelDesignerDialog designer(defaultLabelSetup(), nullptr, 96);  // text at 0.25, 0.25
    designer.show();
    designer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&designer));
    auto* picture = qobject_cast<QScrollArea*>(designer.preview()->parentWidget()->parentWidget());
    ASSERT_NE(picture, nullptr);
    picture->setFocus();
    for (Qt::Key key : GetParam().keys) QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(QApplication::focusWidget(), picture);
    const LabelSetup saved = designer.editedSetup();
    EXPECT_FLOAT_EQ(saved.xOffset, GetParam().x);
    EXPECT_FLOAT_EQ(saved.yOffset, GetParam().y);
}

const std::vector<Qt::Key> kThirtyLefts(30, Qt::Key_Left);

INSTANTIATE_TEST_SUITE_P(
    Keys, LabelDesignerKeysTest,
    ::testing::Values(KeysCase{"RightThreeTimes",
                               {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right},
                               27 / 96.f,
                               0.25f},
                      KeysCase{"DownTwoPixels", {Qt::Key_Down}, 0.25f, 26 / 96.f},
                      KeysCase{"UpTwiceFourPixels", {Qt::Key_Up, Qt::Key_Up}, 0.25f, 20 / 96.f},
                      KeysCase{"HomePutsItHome", {Qt::Key_Right, Qt::Key_Home}, 5 / 96.f, 7 / 96.f},
                      KeysCase{"LeftStopsAtThePixelFromTheEdge", kThirtyLefts, 1 / 96.f, 0.25f}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rp
