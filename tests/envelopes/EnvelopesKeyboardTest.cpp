// The envelope windows from the keyboard, in each test language: no mnemonic clashes, every control
// reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include "EnvelopeFixture.h"
#include "EnvelopeWindows.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class EnvelopesKeyboardTest : public EnvelopeFixture,
                              public ::testing::WithParamInterface<std::string> {};

TEST_P(EnvelopesKeyboardTest, EveryWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
    auto setups = open("RVPESU.DBF");
    auto sizes = open("RVPENVS.DBF");
    EnvelopeWindows windows(addresses.table(), *setups, *sizes, folder());
    for (const NamedWindow& window : windows.all()) expectUsableByKeys(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, EnvelopesKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
