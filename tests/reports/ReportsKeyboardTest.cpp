// The Print Report window from the keyboard, in each test language: no mnemonic clashes, every
// control reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include "ReportWindows.h"
#include "support/AddressFileFixture.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class ReportsKeyboardTest : public AddressFileFixture,
                            public ::testing::WithParamInterface<std::string> {};

TEST_P(ReportsKeyboardTest, EveryWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    ReportWindows windows(table.table(), QString::fromStdString(dir.path()));
    for (const NamedWindow& window : windows.all()) expectUsableByKeys(window);
}

INSTANTIATE_TEST_SUITE_P(Languages, ReportsKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
