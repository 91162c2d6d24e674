// The envelope designer from the keyboard: Ctrl+Tab and Ctrl+Shift+Tab pick the next or
// previous item shown, the arrow keys move it one pixel as dragging would, never off the
// envelope, and the position is kept in inches.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <vector>

#include "EnvelopeFixture.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "envelopes/EnvelopeDesignView.h"
#include "envelopes/EnvelopeDesignerDialog.h"
#include "envelopes/EnvelopeSetup.h"

namespace rp {
namespace {

struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

struct KeysCase {
    const char* name;
    std::vector<Press> presses;
    DesignItem item;
    double left, top;  // the item's remembered position, in inches
};

class EnvelopeDesignerKeysTest : public EnvelopeFixture,
                                 public ::testing::WithParamInterface<KeysCase> {};

const Press kNext{Qt::Key_Tab, Qt::ControlModifier};
const Press kPrevious{Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier};

// The default setup at 96 pixels per inch and 100 % with the message shown: the return address
// at (24, 24), the delivery address at (304, 198), the message at (24, 300).
TEST_P(EnvelopeDesignerKeysTest, KeysPickAndMoveAnItem) {
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
    EnvelopeSetup setup = defaultEnvelopeSetup();
    setup.useMessage = true;
    EnvelopeDesignerDialog designer(setup, addresses.table(), folder(), nullptr, 96);
    designer.show();
    designer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&designer));
    designer.onZoomClicked(100);  // one pixel on the screen is one at 96 per inch
    designer.view()->setFocus();
    for (const Press& p : GetParam().presses)
        QTest::keyClick(QApplication::focusWidget(), p.key, p.modifiers);
    EXPECT_EQ(QApplication::focusWidget(), designer.view());
    EXPECT_EQ(designer.view()->handleItem(), GetParam().item);
    const EnvelopeDesignModel& model = designer.model();
    const QPoint at = model.rememberedPosition(GetParam().item);
    EXPECT_DOUBLE_EQ(model.toInches(at.x()), GetParam().left);
    EXPECT_DOUBLE_EQ(model.toInches(at.y()), GetParam().top);
}

std::vector<Press> upTimes(int n) {
    return std::vector<Press>(n, Press{Qt::Key_Up});
}

std::vector<Press> nextThenUpThirtyTimes() {
    std::vector<Press> presses{kNext};
    for (const Press& p : upTimes(30)) presses.push_back(p);
    return presses;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EnvelopeDesignerKeysTest,
    ::testing::Values(KeysCase{"FirstIsTheReturnAddress",
                               {kNext, {Qt::Key_Right}, {Qt::Key_Right}, {Qt::Key_Down}},
                               DesignItem::ReturnAddress,
                               26 / 96.0,
                               25 / 96.0},
                      KeysCase{"SecondIsTheDeliveryAddress",
                               {kNext, kNext, {Qt::Key_Left}},
                               DesignItem::Delivery,
                               303 / 96.0,
                               198 / 96.0},
                      KeysCase{"PreviousFromNoneIsTheMessage",
                               {kPrevious, {Qt::Key_Up}},
                               DesignItem::Message,
                               24 / 96.0,
                               299 / 96.0},
                      KeysCase{"AfterTheLastComesTheFirst",
                               {kNext, kNext, kNext, kNext, {Qt::Key_Down}},
                               DesignItem::ReturnAddress,
                               24 / 96.0,
                               25 / 96.0},
                      KeysCase{"UpStopsAtTheTopEdge", nextThenUpThirtyTimes(),
                               DesignItem::ReturnAddress, 24 / 96.0, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rp
