// ravenpost-batch import-csv cut short: by the file-size limit at sizes from none of the records
// to nearly all of them, and by SIGKILL half-way. The job ends with its message and the cause,
// the next writing open rebuilds the address tags, and every record in the file reads back as
// its line of the text file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <csignal>
#include <string>

#include "support/AddressFileFixture.h"

namespace rp {
namespace {

class ImportFullDiskTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        recordLength_ = table->recordLength();
        table.close();
        file_ = QString::fromStdString(dir.file("BROWSE.DBF"));
        emptySize_ = QFileInfo(file_).size();
    }

    // Writes a text file of lines lines, each of last name, first name, street and city.
    void writeCsv(int lines) {
        csv_ = QString::fromStdString(dir.file("in.csv"));
        QFile out(csv_);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        for (int i = 0; i < lines; ++i) out.write(line(i).c_str());
    }

    static std::string line(int i) {
        return "Last" + std::to_string(i) + ",First" + std::to_string(i * 7) + "," +
               std::to_string(i) + " Elm St,City" + std::to_string(i % 97) + "\r\n";
    }

    // Starts the import; modify runs in the child before the program does.
    void start(QProcess& process, const std::function<void()>& modify) {
        process.setChildProcessModifier(modify);
        process.setWorkingDirectory(QString::fromStdString(dir.path()));
        process.start(QStringLiteral(RAVENPOST_BATCH_PATH),
                      {"import-csv", file_, csv_, "--columns", "LNAME,FNAME,STREET,CITY", "--quiet",
                       "--home", QString::fromStdString(dir.file("home"))});
    }

    // Opens the address file for writing, as the next job would: the open rebuilds the tags
    // when repaired says so (they were not built at the end of the import); every record reads
    // back as its line; xbase-tool check finds the tags in order. Answers the number of records.
    std::uint32_t expectIntact(bool repaired) {
        std::uint32_t count = 0;
        {
            auto t = engine.open(file_.toStdString(), xbase::OpenMode::Exclusive);
            EXPECT_EQ(t->indexRebuiltAtOpen(), repaired);
            count = t->recordCount();
            for (std::uint32_t r = 1; r <= count; ++r) {
                t->go(r);
                const std::string read = t->text("LNAME") + "," + t->text("FNAME") + "," +
                                         t->text("STREET") + "," + t->text("CITY") + "\r\n";
                EXPECT_EQ(read, line(static_cast<int>(r) - 1)) << "record " << r;
                if (read != line(static_cast<int>(r) - 1)) break;
            }
        }
        QProcess check;
        check.start(QStringLiteral(XBASE_TOOL_PATH), {QStringLiteral("check"), file_});
        EXPECT_TRUE(check.waitForFinished(60000));
        EXPECT_EQ(QString::fromLocal8Bit(check.readAllStandardOutput()),
                  QStringLiteral("ok: 21 tags, %1 records\n").arg(count));
        return count;
    }

    // Puts the address file back as SetUp left it.
    void restore(const QMap<QString, QByteArray>& files) {
        for (auto f = files.begin(); f != files.end(); ++f) {
            QFile out(QString::fromStdString(dir.file(f.key().toStdString())));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(f.value());
        }
    }

    QMap<QString, QByteArray> addressFiles() const {
        QMap<QString, QByteArray> files;
        for (const char* name : {"BROWSE.DBF", "BROWSE.CDX", "BROWSE.FPT"}) {
            QFile in(QString::fromStdString(dir.file(name)));
            EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << name;
            files[QLatin1String(name)] = in.readAll();
        }
        return files;
    }

    QString file_;
    QString csv_;
    qint64 emptySize_ = 0;
    std::uint16_t recordLength_ = 0;
};

TEST_F(ImportFullDiskTest, AFileSizeLimitEndsTheImportWithItsCauseAndTheNextOpenRebuildsTheTags) {
    const int lines = 4000;
    writeCsv(lines);
    const QMap<QString, QByteArray> empty = addressFiles();
    const QRegularExpression said(
        QStringLiteral("^Unknown error writing to datafile after importing (\\d+) records\\. "
                       "Cannot write %1: File too large\\n")
            .arg(QRegularExpression::escape(file_)));
    for (int step = 0; step < 10; ++step) {
        restore(empty);
        const rlim_t limit =
            static_cast<rlim_t>(emptySize_ + 100 + qint64{recordLength_} * lines * step / 10);
        SCOPED_TRACE("file size limit " + std::to_string(limit));
        QProcess process;
        // The signal is left as it comes by default: the program itself is to ignore it.
        start(process, [limit] {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit fsize{limit, limit};
            setrlimit(RLIMIT_FSIZE, &fsize);
        });
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        const QRegularExpressionMatch match = said.match(err);
        EXPECT_TRUE(match.hasMatch()) << err.toStdString();
        const std::uint32_t count = expectIntact(err.contains("Error rebuilding indexes\n"));
        EXPECT_EQ(count, match.captured(1).toUInt());
        EXPECT_LE(emptySize_ + qint64{recordLength_} * count, static_cast<qint64>(limit));
    }
}

TEST_F(ImportFullDiskTest, AnImportKilledHalfWayLeavesTheTagsToBeRebuiltAtTheNextOpen) {
    const int lines = 200000;
    writeCsv(lines);
    QProcess process;
    start(process, {});
    ASSERT_TRUE(process.waitForStarted());
    const qint64 killAt = emptySize_ + qint64{recordLength_} * lines / 20;
    while (process.state() == QProcess::Running && QFileInfo(file_).size() < killAt)
        QThread::msleep(1);
    ASSERT_EQ(process.state(), QProcess::Running) << "the import ended before the kill";
    ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitStatus(), QProcess::CrashExit);
    const std::uint32_t count = expectIntact(true);
    EXPECT_LT(count, static_cast<std::uint32_t>(lines));
}

}  // namespace
}  // namespace rp
