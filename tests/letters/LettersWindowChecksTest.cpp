// Every letter window in each test language: usable by keys, and in English every control a
// screen reader reaches has a name.
#include <gtest/gtest.h>

#include "LetterWindows.h"
#include "LettersFixture.h"
#include "support/WindowChecks.h"

namespace rp {
namespace {

using LettersWindowChecksTest = WindowChecksTest<LettersFixture>;

TEST_P(LettersWindowChecksTest, EveryWindowPassesTheChecks) {
    LetterWindowsWithFiles made(engine, folder(), *letters, letterOf("Dear [First],"));
    expectPassChecks(made.windows.all());
}

INSTANTIATE_TEST_SUITE_P(Languages, LettersWindowChecksTest,
                         ::testing::ValuesIn(windowCheckLooks()));

}  // namespace
}  // namespace rp
