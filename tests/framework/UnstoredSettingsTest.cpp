// Settings that cannot be stored: the first failure of a run is told with its cause, the later
// ones say nothing, and the work that stored them goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/UnstoredSettings.h"
#include "support/QtPrinting.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

const QString kFile = QStringLiteral("/home/ann/Ravenpost/RAVENP.INI");
const char kCause[] = "The file /home/ann/Ravenpost/RAVENP.INI cannot be written: Disk full";
const QString kTold = QStringLiteral(
    "Your settings cannot be saved in /home/ann/Ravenpost/RAVENP.INI, so printer choices, "
    "recent files and other settings you change will not be remembered.\r\n"
    "The file /home/ann/Ravenpost/RAVENP.INI cannot be written: Disk full");

void failingStore() {
    throw std::runtime_error(kCause);
}

class UnstoredSettings : public ::testing::Test {
  protected:
    ScriptedMessages shown;
    MessagesScope scope{shown};
    UnstoredSettingsRun run;
};

TEST_F(UnstoredSettings, TheFirstFailureOfARunIsToldOnceWithItsCause) {
    EXPECT_FALSE(storeSettings(kFile, failingStore));
    EXPECT_FALSE(storeSettings(kFile, failingStore));
    reportUnstoredSettings(kFile, QString::fromLatin1(kCause));
    ASSERT_EQ(shown.shown().size(), 1u);
    EXPECT_EQ(shown.shown()[0].kind, "information");
    EXPECT_EQ(shown.shown()[0].caption, "Information");
    EXPECT_EQ(shown.shown()[0].text, kTold);
}

TEST_F(UnstoredSettings, AStoreThatWorksSaysNothingAndRuns) {
    int stored = 0;
    EXPECT_TRUE(storeSettings(kFile, [&] { ++stored; }));
    EXPECT_EQ(stored, 1);
    EXPECT_TRUE(shown.shown().empty());
}

TEST_F(UnstoredSettings, ANewRunTellsAgainAndTheRunBeforeGoesOnHavingTold) {
    storeSettings(kFile, failingStore);
    {
        UnstoredSettingsRun next;
        storeSettings(kFile, failingStore);
        storeSettings(kFile, failingStore);
    }
    storeSettings(kFile, failingStore);
    EXPECT_EQ(shown.texts(), QStringList({kTold, kTold}));
}

}  // namespace
}  // namespace rp
