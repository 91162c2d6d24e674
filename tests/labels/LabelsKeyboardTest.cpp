// The label windows from the keyboard, in each test language: no mnemonic clashes, every
// control reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include "LabelSideFixture.h"
#include "LabelWindows.h"
#include "data/AddressFile.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class LabelsKeyboardTest : public LabelSideTest,
                           public ::testing::WithParamInterface<std::string> {};

TEST_P(LabelsKeyboardTest, EveryWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(path("LIST.DBF"), addresses));
    auto setups = open("RVPLSU.DBF");
    auto stocks = open("RVPLBLS.DBF");
    LabelWindows windows(addresses.table(), *setups, *stocks, folder());
    for (const NamedWindow& window : windows.all()) expectUsableByKeys(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, LabelsKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
