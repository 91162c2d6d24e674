// The utility windows from the keyboard, in each test language: no mnemonic clashes, every control
// reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include "UtilityWindows.h"
#include "support/AddressFileFixture.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class UtilitiesKeyboardTest : public AddressFileFixture,
                              public ::testing::WithParamInterface<std::string> {};

TEST_P(UtilitiesKeyboardTest, EveryWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    UtilityWindows windows(table.table(), QString::fromStdString(dir.path()) + "/");
    for (const NamedWindow& window : windows.all()) expectUsableByKeys(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, UtilitiesKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
