// Files written whole: on a disk that fills while they are written (here a limit on the size
// of files, whose writes fail as on a full disk), the earlier file stays as it was and the
// failure says why.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/IniFile.h"
#include "data/WholeFile.h"
#include "support/FileSizeLimitScope.h"

namespace rp {
namespace {

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

class WholeFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir;
    const QString path = dir.filePath("RAVENP.INI");
    const QByteArray before = "[Ravenpost]\r\nDataPath=C:\\RVP\r\n";
};

TEST_F(WholeFileTest, AWriteCutShortFailsWithTheCauseAndLeavesTheEarlierFile) {
    WholeFile file(path);
    ASSERT_TRUE(file.open());
    const FileSizeLimitScope limit(100);
    EXPECT_TRUE(file.write(QByteArray(60, 'a')));
    EXPECT_FALSE(file.write(QByteArray(60, 'b')));
    EXPECT_EQ(file.cause(), "File too large");
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(read(path), before);
}

TEST_F(WholeFileTest, PreferencesThatCannotBeStoredSayWhyAndKeepTheFile) {
    IniFile ini(path);
    const FileSizeLimitScope limit(40);
    try {
        ini.writeString("Ravenpost", "LastFile", "C:\\RVP\\ADDRESS.DBF");
        FAIL() << "the preference was stored";
    } catch (const IniFileError& e) {
        EXPECT_EQ(QString::fromStdString(e.what()), "The file " + QDir::toNativeSeparators(path) +
                                                        " cannot be written: File too large");
    }
    EXPECT_EQ(read(path), before);
    EXPECT_EQ(files(), QStringList{"RAVENP.INI"});
}

}  // namespace
}  // namespace rp
