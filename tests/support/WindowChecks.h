#pragma once
// The checks every window of a layer goes through, in each test language: in English, every
// control a screen reader can reach has a name; in every language, the window is usable by
// keys (no mnemonic clashes but the known ones, Tab reaching each control once, Escape
// closing a dialog). Under a desktop's dark palette, every text keeps a contrast of 4.5:1
// against what it is drawn on.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/AccessibleTree.h"
#include "support/ContrastChecks.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {

inline void expectEveryControlNamed(const std::vector<NamedWindow>& windows) {
    for (const NamedWindow& window : windows)
        EXPECT_EQ(unnamedFocusableElements(*window.window), std::vector<std::string>())
            << window.name;
}

// The look of the dark palette check: English under a dark desktop palette, set before the
// windows are made, as a desktop sets it before the program starts.
inline const std::string kDarkPaletteLook = "dark-palette";

// The looks a window check runs in: each test language, then the dark palette.
inline std::vector<std::string> windowCheckLooks() {
    std::vector<std::string> looks = testLanguages();
    looks.push_back(kDarkPaletteLook);
    return looks;
}

inline void expectTextsReadable(const std::vector<NamedWindow>& windows) {
    for (const NamedWindow& window : windows) {
        window.window->show();
        EXPECT_EQ(lowContrastTexts(*window.window).join('\n').toStdString(), "") << window.name;
    }
}

// The accessible names are checked in English only: a translation changes the words, not
// whether there are any; the dark palette changes colours only.
inline void expectWindowsPassChecks(const std::vector<NamedWindow>& windows,
                                    const std::string& look,
                                    const std::vector<KnownClash>& known = {}) {
    if (look == kDarkPaletteLook) return expectTextsReadable(windows);
    if (look == "en") expectEveryControlNamed(windows);
    for (const NamedWindow& window : windows) expectUsableByKeys(window, known);
}

// A test of Fixture run once in each look (windowCheckLooks()), the language's translation or
// the dark palette installed after the fixture's set-up; a language the build made no
// translation of is skipped.
template <class Fixture>
class WindowChecksTest : public Fixture, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        Fixture::SetUp();
        if (this->HasFatalFailure() || this->IsSkipped()) return;
        if (this->GetParam() == kDarkPaletteLook) {
            dark_.emplace();
            return;
        }
        language_.emplace(this->GetParam());
        if (!language_->loaded()) GTEST_SKIP() << "no translation " << this->GetParam();
    }
    void TearDown() override {
        language_.reset();
        dark_.reset();
        Fixture::TearDown();
    }

    void expectPassChecks(const std::vector<NamedWindow>& windows,
                          const std::vector<KnownClash>& known = {}) {
        expectWindowsPassChecks(windows, this->GetParam(), known);
    }

  private:
    std::optional<TestLanguageScope> language_;
    std::optional<DarkPaletteScope> dark_;
};

}  // namespace rp
