// "ravenpost-batch create": the new address file is the one File > New's create function makes,
// byte for byte (the header's date of last change aside); an existing table, memo or index file
// of that name is never replaced.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "BatchFixture.h"
#include "data/AddressFile.h"

namespace rp {
namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// Every file of a folder with its bytes.
QMap<QString, QByteArray> filesIn(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files[name] = bytesOf(folder + QLatin1Char('/') + name);
    return files;
}

class CreateCommandTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        handOver();
        made = QString::fromStdString(dir.file("made"));
        ASSERT_TRUE(QDir().mkpath(made));
    }

    QString made;  // the folder the command creates in
};

TEST_F(CreateCommandTest, MakesTheFileFileNewMakes) {
    const BatchRun run = batch({"create", made + "/LIST.DBF"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");

    const QString reference = QString::fromStdString(dir.file("reference"));
    ASSERT_TRUE(QDir().mkpath(reference));
    {
        xbase::Engine engine;
        AddressTable created(engine);
        ASSERT_TRUE(createAddressFile(reference + "/LIST.DBF", created));
    }
    QMap<QString, QByteArray> expected = filesIn(reference);
    QMap<QString, QByteArray> actual = filesIn(made);
    ASSERT_EQ(actual.keys(), (QStringList{"LIST.CDX", "LIST.DBF", "LIST.FPT"}));
    ASSERT_EQ(expected.keys(), actual.keys());
    // Bytes 1 to 3 of the table's header hold the date of the last change.
    expected["LIST.DBF"].replace(1, 3, "\0\0\0");
    actual["LIST.DBF"].replace(1, 3, "\0\0\0");
    for (const QString& name : expected.keys())
        EXPECT_TRUE(actual[name] == expected[name]) << name.toStdString();

    // The new file opens with its tags and no records.
    const BatchRun count = batch({"count", made + "/LIST.DBF", "--order", "STATEZIP"});
    EXPECT_EQ(count.status, 0) << count.err.toStdString();
    EXPECT_EQ(count.out, "0\n");
}

TEST_F(CreateCommandTest, AnExistingFileOfTheNameIsNeverReplaced) {
    const struct {
        QString present;  // the file already there
        QString create;
    } cases[] = {
        {"LIST.DBF", "LIST.DBF"}, {"list.dbf", "LIST.DBF"}, {"LIST.FPT", "LIST.DBF"},
        {"list.cdx", "LIST.DBF"}, {"Mail.cdx", "Mail.dbf"},
    };
    for (const auto& c : cases) {
        QDir(made).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(made));
        QFile present(made + "/" + c.present);
        ASSERT_TRUE(present.open(QIODevice::WriteOnly));
        present.write("not to be lost");
        present.close();
        const auto before = filesIn(made);

        const BatchRun run = batch({"create", made + "/" + c.create});
        EXPECT_EQ(run.status, 1) << c.present.toStdString();
        EXPECT_EQ(run.err.toStdString(), ("ravenpost-batch create: " + made + "/" + c.present +
                                          " already exists and is not replaced\n")
                                             .toStdString());
        EXPECT_EQ(filesIn(made), before) << c.present.toStdString();
    }
}

TEST_F(CreateCommandTest, RefusesWhatItCannotMake) {
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"create", made + "/LIST.TXT"},
         "ravenpost-batch create: " + made + "/LIST.TXT must have a .DBF extension\n"},
        {{"create"}, "ravenpost-batch create: create takes one address file\n"},
        {{"create", made + "/A.DBF", made + "/B.DBF"},
         "ravenpost-batch create: create takes one address file\n"},
        {{"create", made + "/none/LIST.DBF"},
         "ravenpost-batch create: Create failed: Cannot create " + made +
             "/none/LIST.DBF: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.toStdString(), c.err.toStdString());
    }
    EXPECT_EQ(QDir(made).entryList(QDir::Files), QStringList());
}

TEST_F(CreateCommandTest, HelpTellsWhatItMakes) {
    const BatchRun run = batch({"create", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.toStdString(),
              "usage: ravenpost-batch create FILE.DBF\n"
              "  Makes a new, empty address file with its memo file and the 21 tags, as File > "
              "New\n"
              "  makes it; an existing file is never replaced.\n");
    const BatchRun all = batch({"--help"});
    EXPECT_TRUE(all.out.contains("\n  create FILE.DBF\n")) << all.out.toStdString();
}

}  // namespace
}  // namespace rp
