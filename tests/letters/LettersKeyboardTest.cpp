// The letter windows from the keyboard, in each test language: no mnemonic clashes, every control
// reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include "LetterWindows.h"
#include "LettersFixture.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class LettersKeyboardTest : public LettersFixture,
                            public ::testing::WithParamInterface<std::string> {};

TEST_P(LettersKeyboardTest, EveryWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
    const auto letter = letterOf(QStringLiteral("Dear [First],"));
    LetterWindows windows(*letters, *letter, addresses.table());
    for (const NamedWindow& window : windows.all()) expectUsableByKeys(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, LettersKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
