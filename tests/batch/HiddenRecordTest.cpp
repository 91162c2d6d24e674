// "--record N" of the commands that print one record: a record the program hides (marked
// deleted, or with PREFIX "DELETED" in any letter case) is refused with one line and status 1,
// and nothing is written; a record in view prints.
#include <gtest/gtest.h>
#include <QFile>

#include "BatchFixture.h"
#include "xbase/Table.h"

namespace rp {
namespace {

class HiddenRecordTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        add({{"FNAME", "Ann"}, {"LNAME", "Young"}, {"CITY", "Boise"}, {"ZIP", "83702"}});
        add({{"PREFIX", "DELETED"}, {"FNAME", "Jane"}, {"LNAME", "Doe"}, {"ZIP", "83706"}});
        add({{"PREFIX", "Mr."}, {"FNAME", "John"}, {"LNAME", "Smith"}, {"ZIP", "89501"}});
        table->deleteRecord();  // the mark alone
        add({{"PREFIX", "Deleted"}, {"FNAME", "Max"}, {"LNAME", "Roe"}, {"ZIP", "33602"}});
        handOver();
        pdf = QString::fromStdString(dir.file("out.pdf"));
        rtf = QString::fromStdString(dir.file("letter.rtf"));
        QFile letter(rtf);
        ASSERT_TRUE(letter.open(QIODevice::WriteOnly));
        letter.write("{\\rtf1\\ansi Dear [First] [Last]\\par}");
    }

    // The command's arguments for one record.
    QStringList oneRecord(const QString& command, int record) const {
        QStringList arguments{command,  file, "--output", pdf, "--record", QString::number(record),
                              "--quiet"};
        if (command == "envelopes")
            arguments << "--setup"
                      << "#10 business envelope";
        else
            arguments << "--rtf" << rtf;
        return arguments;
    }

    QString pdf;
    QString rtf;
};

TEST_F(HiddenRecordTest, AHiddenRecordIsRefusedWithOneLineAndNoOutput) {
    const struct {
        int record;
        const char* who;
    } hidden[] = {{2, "PREFIX DELETED"}, {3, "marked deleted"}, {4, "PREFIX Deleted"}};
    for (const QString command : {"letters", "envelopes"}) {
        for (const auto& h : hidden) {
            const BatchRun run = batch(oneRecord(command, h.record));
            EXPECT_EQ(run.status, 1) << command.toStdString() << ' ' << h.who;
            EXPECT_EQ(run.err.toStdString(),
                      QStringLiteral("ravenpost-batch %1: --record: record %2 is deleted, "
                                     "and is not printed\n")
                          .arg(command)
                          .arg(h.record)
                          .toStdString());
            EXPECT_EQ(run.out, "");
            EXPECT_FALSE(QFile::exists(pdf)) << command.toStdString() << ' ' << h.who;
        }
    }
}

TEST_F(HiddenRecordTest, ARecordInViewPrints) {
    for (const QString command : {"letters", "envelopes"}) {
        const BatchRun run = batch(oneRecord(command, 1));
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, "");
        const QString text = pdfText(pdf);
        EXPECT_TRUE(text.contains("Ann Young")) << command.toStdString() << text.toStdString();
        EXPECT_FALSE(text.contains("DELETED")) << text.toStdString();
        QFile::remove(pdf);
    }
}

}  // namespace
}  // namespace rp
