// What a screen reader finds in the letter windows: every control it can reach has a name.
#include <gtest/gtest.h>

#include "LettersFixture.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "framework/PrinterCatalog.h"
#include "letters/LetterDesignerDialog.h"
#include "letters/LetterPreviewDialog.h"
#include "letters/PagePropertiesDialog.h"
#include "letters/PrintLettersDialog.h"
#include "support/AccessibleTree.h"

namespace rp {
namespace {

using LettersAccessibilityTest = LettersFixture;

TEST_F(LettersAccessibilityTest, EveryControlOfTheLetterWindowsHasAName) {
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
    const auto letter = letterOf(QStringLiteral("Dear [First],"));
    PrinterCatalog catalog{{}, QString()};
    PrintLettersDialog print(*letters, catalog, true, nullptr);
    LetterDesignerDialog designer(QString(), letter.get());
    LetterPreviewDialog preview(*letter, addresses.table(), QStringLiteral("12/08/2026"));
    PagePropertiesDialog page(PageLayout{});
    const std::pair<const char*, QWidget*> windows[] = {{"Print Letters", &print},
                                                        {"Letter Designer", &designer},
                                                        {"Preview Letters", &preview},
                                                        {"Page Properties", &page}};
    for (const auto& [name, window] : windows)
        EXPECT_EQ(unnamedFocusableElements(*window), std::vector<std::string>()) << name;
}

}  // namespace
}  // namespace rp
