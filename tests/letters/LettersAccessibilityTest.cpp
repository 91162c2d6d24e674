// What a screen reader finds in the letter windows: every control it can reach has a name.
#include <gtest/gtest.h>

#include "LetterWindows.h"
#include "LettersFixture.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "support/AccessibleTree.h"

namespace rp {
namespace {

using LettersAccessibilityTest = LettersFixture;

TEST_F(LettersAccessibilityTest, EveryControlOfTheLetterWindowsHasAName) {
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
    const auto letter = letterOf(QStringLiteral("Dear [First],"));
    LetterWindows windows(*letters, *letter, addresses.table());
    for (const NamedWindow& window : windows.all())
        EXPECT_EQ(unnamedFocusableElements(*window.window), std::vector<std::string>())
            << window.name;
}

}  // namespace
}  // namespace rp
