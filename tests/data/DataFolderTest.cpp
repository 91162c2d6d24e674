// Where the program keeps its files: --home, then RAVENPOST_HOME, then a portable copy's own
// folder, then the per-user data folder.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "data/DataFolder.h"
#include "support/QtPrinting.h"

namespace rp {
namespace {

// Sets an environment variable for the life of the object and restores it afterwards.
class EnvironmentScope {
  public:
    EnvironmentScope(const char* name, const QByteArray& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) previous_ = qgetenv(name);
        qputenv(name, value);
    }
    ~EnvironmentScope() {
        if (previous_)
            qputenv(name_, *previous_);
        else
            qunsetenv(name_);
    }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

  private:
    const char* name_;
    std::optional<QByteArray> previous_;
};

class DataFolderTest : public ::testing::Test {
  protected:
    DataFolderTest()
        : userData_("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("user")))),
          environment_("RAVENPOST_HOME", QByteArray()) {}

    // A folder under the temporary one, as resolveDataFolder gives it back.
    QString expected(const QString& name) const {
        return QDir::toNativeSeparators(dir_.filePath(name)) + QDir::separator();
    }

    // An executable folder holding a RAVENP.INI.
    QString portableFolder() const {
        const QString folder = dir_.filePath(QStringLiteral("bin"));
        QDir().mkpath(folder);
        QFile ini(QDir(folder).filePath(QStringLiteral("RAVENP.INI")));
        EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
        return folder;
    }

    QTemporaryDir dir_;
    EnvironmentScope userData_;
    EnvironmentScope environment_;
};

TEST_F(DataFolderTest, PerUserFolderIsTheLastChoiceAndIsCreated) {
    const QString folder = resolveDataFolder({"ravenpost"}, dir_.filePath(QStringLiteral("bin")));
    EXPECT_EQ(folder, expected(QStringLiteral("user/Ravenpost")));
    EXPECT_TRUE(QDir(folder).exists());
}

TEST_F(DataFolderTest, PortableCopyUsesItsOwnFolder) {
    EXPECT_EQ(resolveDataFolder({"ravenpost"}, portableFolder()), expected(QStringLiteral("bin")));
}

TEST_F(DataFolderTest, ReadOnlyIniInTheExecutableFolderIsNotPortable) {
    const QString folder = portableFolder();
    QFile::setPermissions(QDir(folder).filePath(QStringLiteral("RAVENP.INI")),
                          QFileDevice::ReadOwner);
    if (QFileInfo(QDir(folder).filePath(QStringLiteral("RAVENP.INI"))).isWritable())
        GTEST_SKIP() << "running with rights that write any file";
    EXPECT_EQ(resolveDataFolder({"ravenpost"}, folder), expected(QStringLiteral("user/Ravenpost")));
}

TEST_F(DataFolderTest, EnvironmentBeatsPortable) {
    const EnvironmentScope home("RAVENPOST_HOME",
                                QFile::encodeName(dir_.filePath(QStringLiteral("env/data"))));
    const QString folder = resolveDataFolder({"ravenpost"}, portableFolder());
    EXPECT_EQ(folder, expected(QStringLiteral("env/data")));
    EXPECT_TRUE(QDir(folder).exists());
}

TEST_F(DataFolderTest, HomeOptionBeatsEnvironment) {
    const EnvironmentScope home("RAVENPOST_HOME",
                                QFile::encodeName(dir_.filePath(QStringLiteral("env"))));
    EXPECT_EQ(resolveDataFolder({"ravenpost", "--home", dir_.filePath(QStringLiteral("opt a"))},
                                portableFolder()),
              expected(QStringLiteral("opt a")));
    EXPECT_EQ(resolveDataFolder({"ravenpost", "--home=" + dir_.filePath(QStringLiteral("opt b/x"))},
                                QString()),
              expected(QStringLiteral("opt b/x")));
    EXPECT_TRUE(QDir(dir_.filePath(QStringLiteral("opt b/x"))).exists());
    EXPECT_FALSE(QDir(dir_.filePath(QStringLiteral("env"))).exists());
}

TEST_F(DataFolderTest, RelativeHomeIsMadeAbsoluteAndTidied) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const QString folder = resolveDataFolder({"--home", "./rel/../here/"}, QString());
    QDir::setCurrent(previous);
    EXPECT_EQ(folder, expected(QStringLiteral("here")));
}

TEST_F(DataFolderTest, HomeWithoutAFolderIsAnError) {
    EXPECT_THROW(resolveDataFolder({"ravenpost", "--home"}, QString()), DataFolderError);
    EXPECT_THROW(resolveDataFolder({"ravenpost", "--home="}, QString()), DataFolderError);
}

TEST_F(DataFolderTest, FolderThatCannotBeCreatedIsAnError) {
    const QString blocker = dir_.filePath(QStringLiteral("file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    try {
        resolveDataFolder({"--home", blocker + "/inside"}, QString());
        FAIL() << "no error";
    } catch (const DataFolderError& e) {
        EXPECT_EQ(
            QString::fromUtf8(e.what()),
            "The folder " + QDir::toNativeSeparators(blocker + "/inside") + " cannot be created.");
    }
}

}  // namespace
}  // namespace rp
