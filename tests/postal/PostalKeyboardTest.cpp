// The presort and ZIP count windows from the keyboard, in each test language: no mnemonic clashes,
// every control reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include "PostalWindows.h"
#include "PresortFixture.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class PostalKeyboardTest : public PresortFixture,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(PostalKeyboardTest, EveryWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    PostalWindows windows(table.table(), folder());
    for (const NamedWindow& window : windows.all()) expectUsableByKeys(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, PostalKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
