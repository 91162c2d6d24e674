// The import windows from the keyboard, in each test language: no mnemonic clashes, every control
// reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include "ImportWindows.h"
#include "support/AddressFileFixture.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class ImportKeyboardTest : public AddressFileFixture,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(ImportKeyboardTest, EveryWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    ImportWindows windows(table, QString::fromStdString(dir.path()));
    for (const NamedWindow& window : windows.all()) expectUsableByKeys(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, ImportKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
