#pragma once
// The checks every window of a layer goes through, in each test language: in English, every
// control a screen reader can reach has a name; in every language, the window is usable by
// keys (no mnemonic clashes but the known ones, Tab reaching each control once, Escape
// closing a dialog).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/AccessibleTree.h"
#include "support/KeyboardChecks.h"
#include "support/TestLanguage.h"

namespace rp {

inline void expectEveryControlNamed(const std::vector<NamedWindow>& windows) {
    for (const NamedWindow& window : windows)
        EXPECT_EQ(unnamedFocusableElements(*window.window), std::vector<std::string>())
            << window.name;
}

// The accessible names are checked in English only: a translation changes the words, not
// whether there are any.
inline void expectWindowsPassChecks(const std::vector<NamedWindow>& windows,
                                    const std::string& language,
                                    const std::vector<KnownClash>& known = {}) {
    if (language == "en") expectEveryControlNamed(windows);
    for (const NamedWindow& window : windows) expectUsableByKeys(window, known);
}

// A test of Fixture run once in each test language, the language's translation installed
// after the fixture's set-up and skipped when the build made none.
template <class Fixture>
class WindowChecksTest : public Fixture, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        Fixture::SetUp();
        if (this->HasFatalFailure() || this->IsSkipped()) return;
        language_.emplace(this->GetParam());
        if (!language_->loaded()) GTEST_SKIP() << "no translation " << this->GetParam();
    }
    void TearDown() override {
        language_.reset();
        Fixture::TearDown();
    }

    void expectPassChecks(const std::vector<NamedWindow>& windows,
                          const std::vector<KnownClash>& known = {}) {
        expectWindowsPassChecks(windows, this->GetParam(), known);
    }

  private:
    std::optional<TestLanguageScope> language_;
};

}  // namespace rp
