// The folder of the last PDF kept in RAVENP.INI: read back as written, and a file that cannot be
// written (its folder is a plain file, which stops root as well) told once in the run.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/PdfFolderSetting.h"
#include "framework/UnstoredSettings.h"
#include "support/QtPrinting.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

class PdfFolderSettingTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    ScriptedMessages shown;
    MessagesScope scope{shown};
    UnstoredSettingsRun run;
};

TEST_F(PdfFolderSettingTest, TheFolderWrittenIsReadBack) {
    const PdfFolderMemory memory = pdfFolderSetting(dir.filePath("RAVENP.INI"));
    memory.write("/home/ann/Letters");
    EXPECT_EQ(memory.read(), "/home/ann/Letters");
    EXPECT_TRUE(shown.texts().isEmpty());
}

TEST_F(PdfFolderSettingTest, AFolderThatCannotBeKeptIsToldOnceInTheRun) {
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString ini = dir.filePath("plain/RAVENP.INI");
    const PdfFolderMemory memory = pdfFolderSetting(ini);
    EXPECT_NO_THROW(memory.write("/home/ann/Letters"));
    EXPECT_NO_THROW(memory.write("/home/ann/Labels"));
    EXPECT_EQ(shown.texts(),
              QStringList({"Your settings cannot be saved in " + ini +
                           ", so printer choices, recent files and other settings you change "
                           "will not be remembered.\r\nThe file " +
                           ini + " cannot be written: Not a directory"}));
    EXPECT_EQ(memory.read(), "");
}

}  // namespace
}  // namespace rp
