// The delivered side tables reach the data folder once, and the user's own are kept.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/SideFiles.h"
#include "support/FileSizeLimitScope.h"

namespace rp {
namespace {

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SideFiles, MissingTablesAreCopiedWithTheirCompanionsAndOwnOnesKept) {
    QTemporaryDir delivered, data;
    for (const QString& name : sideFileNames()) {
        const QString base = QDir(delivered.path()).filePath(name.chopped(4));
        write(base + ".DBF", "table " + name.toLatin1());
        write(base + ".CDX", "index " + name.toLatin1());
    }
    write(QDir(delivered.path()).filePath("RVPLTRS.FPT"), "memo");
    write(QDir(data.path()).filePath("rvplsu.dbf"), "mine");

    const QStringList copied =
        copyMissingSideFiles(data.path(), {QDir(data.path()).filePath("none"), delivered.path()});
    EXPECT_EQ(copied.size(), 5);
    EXPECT_FALSE(copied.contains("RVPLSU.DBF"));
    EXPECT_EQ(read(QDir(data.path()).filePath("rvplsu.dbf")), "mine");
    EXPECT_FALSE(QFile::exists(QDir(data.path()).filePath("RVPLSU.CDX")));
    EXPECT_EQ(read(QDir(data.path()).filePath("RVPLBLS.CDX")), "index RVPLBLS.DBF");
    EXPECT_EQ(read(QDir(data.path()).filePath("RVPLTRS.FPT")), "memo");

    write(QDir(data.path()).filePath("RVPLBLS.DBF"), "changed by the user");
    EXPECT_TRUE(copyMissingSideFiles(data.path(), {delivered.path()}).isEmpty());
    EXPECT_EQ(read(QDir(data.path()).filePath("RVPLBLS.DBF")), "changed by the user");
}

// A table whose index could not be copied whole (the disk filled) is not left without it.
TEST(SideFiles, ATableIsCopiedWithAllItsFilesOrNotAtAll) {
    QTemporaryDir delivered, data;
    for (const QString& name : sideFileNames()) {
        const QString base = QDir(delivered.path()).filePath(name.chopped(4));
        write(base + ".DBF", "table " + name.toLatin1());
        write(base + ".CDX", name == "RVPENVS.DBF" ? QByteArray(8192, 'i') : "index");
    }
    QStringList copied;
    {
        const FileSizeLimitScope limit(4096);
        copied = copyMissingSideFiles(data.path(), {delivered.path()});
    }
    EXPECT_EQ(copied.size(), 5);
    EXPECT_FALSE(copied.contains("RVPENVS.DBF"));
    const QStringList left = QDir(data.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_FALSE(left.contains("RVPENVS.DBF"));
    EXPECT_EQ(left.size(), 10) << left.join(' ').toStdString();
    EXPECT_EQ(copyMissingSideFiles(data.path(), {delivered.path()}), QStringList{"RVPENVS.DBF"});
}

TEST(SideFiles, TheInstalledShareFolderIsSearchedAfterTheBuildTreeOnes) {
    const QStringList folders = deliveredSideFolders("/opt/rp/bin");
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(folders[0], "/opt/rp/bin");
    EXPECT_EQ(QDir::cleanPath(folders[1]), "/opt/rp/share");
    EXPECT_EQ(QDir::cleanPath(folders[2]), "/opt/rp/share/ravenpost");
}

TEST(SideFiles, AnInstalledCopyFillsTheDataFolderFromShareRavenpost) {
    QTemporaryDir prefix, data;
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin"));
    ASSERT_TRUE(root.mkpath("share/ravenpost"));
    for (const QString& name : sideFileNames())
        write(root.filePath("share/ravenpost/" + name), "installed " + name.toLatin1());
    write(root.filePath("share/ravenpost/RVPLTRS.FPT"), "installed memo");

    const QStringList copied =
        copyMissingSideFiles(data.path(), deliveredSideFolders(root.filePath("bin")));
    EXPECT_EQ(copied, sideFileNames());
    EXPECT_EQ(read(QDir(data.path()).filePath("RVPESU.DBF")), "installed RVPESU.DBF");
    EXPECT_EQ(read(QDir(data.path()).filePath("RVPLTRS.FPT")), "installed memo");
}

TEST(SideFiles, TablesBesideTheProgramWinOverTheInstalledOnes) {
    QTemporaryDir prefix, data;
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin"));
    ASSERT_TRUE(root.mkpath("share/ravenpost"));
    write(root.filePath("bin/RVPLBLS.DBF"), "beside");
    write(root.filePath("share/ravenpost/RVPLBLS.DBF"), "installed");
    write(root.filePath("share/ravenpost/RVPLSU.DBF"), "installed setups");

    const QStringList copied =
        copyMissingSideFiles(data.path(), deliveredSideFolders(root.filePath("bin")));
    EXPECT_EQ(copied, QStringList({"RVPLBLS.DBF", "RVPLSU.DBF"}));
    EXPECT_EQ(read(QDir(data.path()).filePath("RVPLBLS.DBF")), "beside");
    EXPECT_EQ(read(QDir(data.path()).filePath("RVPLSU.DBF")), "installed setups");
}

}  // namespace
}  // namespace rp
