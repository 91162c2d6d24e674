// The delivered side tables reach the data folder once, and the user's own are kept.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/SideFiles.h"

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

}  // namespace
}  // namespace rp
