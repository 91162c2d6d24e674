// The Dial Phone Number window from the keyboard, in each test language: no mnemonic clashes,
// every control reached by Tab, Escape closing.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "dialer/DialPhoneDialog.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {
namespace {

class DialerKeyboardTest : public ::testing::TestWithParam<std::string> {};

TEST_P(DialerKeyboardTest, TheDialWindowIsUsableByKeys) {
    TestLanguageScope language(GetParam());
    if (!language.loaded()) GTEST_SKIP() << "no translation " << GetParam();
    QTemporaryDir dir;
    DialPhoneDialog dialog(dir.filePath(QStringLiteral("RAVENP.INI")), QStringLiteral("555-0100"));
    expectUsableByKeys({"Dial Phone Number", &dialog});
}

INSTANTIATE_TEST_SUITE_P(Languages, DialerKeyboardTest, ::testing::ValuesIn(testLanguages()));

}  // namespace
}  // namespace rp
