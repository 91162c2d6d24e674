// The recent-files list in the [MRU] section.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "app/RecentFiles.h"
#include "data/IniFile.h"
#include "support/QtPrinting.h"

namespace rp {
namespace {

class RecentFilesTest : public ::testing::Test {
  protected:
    RecentFilesTest() : ini_(dir_.filePath(QStringLiteral("RAVENP.INI"))) {}

    QTemporaryDir dir_;
    IniFile ini_;
};

TEST_F(RecentFilesTest, EmptyWithoutAFile) {
    EXPECT_TRUE(getMRUList(ini_).isEmpty());
    EXPECT_EQ(getMRUFile(ini_), QString());
}

TEST_F(RecentFilesTest, ReadsItemsInOrderSkippingEmptyOnes) {
    ini_.writeString("MRU", "Item3", "/c.dbf");
    ini_.writeString("MRU", "Item1", "");
    ini_.writeString("MRU", "Item2", "/b.dbf");
    ini_.writeString("MRU", "Item4", "/d.dbf");
    ini_.writeString("MRU", "Item5", "/e.dbf");
    EXPECT_EQ(getMRUList(ini_), QStringList({"/b.dbf", "/c.dbf", "/d.dbf"}));
    EXPECT_EQ(getMRUFile(ini_), "/b.dbf");
}

TEST_F(RecentFilesTest, FirstFileOpened) {
    EXPECT_EQ(updateMRUList(ini_, "/lists/club.dbf"), QStringList({"/lists/club.dbf"}));
    EXPECT_EQ(ini_.readString("MRU", "Item1"), "/lists/club.dbf");
    EXPECT_EQ(ini_.readString("MRU", "Item2", "none"), "none");
    EXPECT_EQ(getMRUFile(ini_), "/lists/club.dbf");
}

TEST_F(RecentFilesTest, ReopenedFileMovesToTheFrontOnce) {
    for (const char* file : {"/a.dbf", "/b.dbf", "/c.dbf"}) updateMRUList(ini_, file);
    EXPECT_EQ(getMRUList(ini_), QStringList({"/c.dbf", "/b.dbf", "/a.dbf"}));
    const QStringList after = updateMRUList(ini_, "/a.dbf");
    EXPECT_EQ(after, QStringList({"/a.dbf", "/c.dbf", "/b.dbf"}));
    EXPECT_EQ(getMRUList(ini_), after);
    EXPECT_EQ(updateMRUList(ini_, "/a.dbf"), after);
}

TEST_F(RecentFilesTest, FifthFileDropsTheOldest) {
    for (const char* file : {"/1.dbf", "/2.dbf", "/3.dbf", "/4.dbf"}) updateMRUList(ini_, file);
    EXPECT_EQ(updateMRUList(ini_, "/5.dbf"), QStringList({"/5.dbf", "/4.dbf", "/3.dbf", "/2.dbf"}));
    EXPECT_EQ(getMRUList(ini_), QStringList({"/5.dbf", "/4.dbf", "/3.dbf", "/2.dbf"}));
}

TEST_F(RecentFilesTest, LetterCaseMakesADifferentEntry) {
    updateMRUList(ini_, "/lists/Club.dbf");
    EXPECT_EQ(updateMRUList(ini_, "/lists/CLUB.DBF"),
              QStringList({"/lists/CLUB.DBF", "/lists/Club.dbf"}));
}

TEST_F(RecentFilesTest, EmptyPathChangesNothing) {
    updateMRUList(ini_, "/a.dbf");
    EXPECT_EQ(updateMRUList(ini_, QString()), QStringList({"/a.dbf"}));
    EXPECT_EQ(ini_.readString("MRU", "Item2", "none"), "none");
}

TEST_F(RecentFilesTest, PutWritesAtMostFourAndLeavesLaterKeys) {
    putMRUList(ini_, {"/1", "/2", "/3", "/4"});
    putMRUList(ini_, {"/x", "/y"});
    EXPECT_EQ(getMRUList(ini_), QStringList({"/x", "/y", "/3", "/4"}));
    putMRUList(ini_, {"/a", "/b", "/c", "/d", "/e"});
    EXPECT_EQ(getMRUList(ini_), QStringList({"/a", "/b", "/c", "/d"}));
    EXPECT_EQ(ini_.readString("MRU", "Item5", "none"), "none");
}

}  // namespace
}  // namespace rp
