// ravenpost-batch letters on three addresses: a letter of the letters file merged once per
// record to a PDF (each record's values on a page of its own, copies, the fonts embedded once),
// an RTF file's letter on its own A4 paper, and the errors of the letter and record choices.
#include <gtest/gtest.h>
#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include "BatchFixture.h"
#include "letters/LetterDocument.h"
#include "letters/LettersFile.h"
#include "letters/RtfReader.h"
#include "support/SharedFolder.h"
#include "support/ToolOutput.h"
#include "xbase/Table.h"

namespace rp {
namespace {

QString pdfInfo(const QString& pdf, const QString& field) {
    const auto match = QRegularExpression(field + QStringLiteral(":\\s+([^\\n]+)"))
                           .match(toolOutput(QStringLiteral("pdfinfo"), {pdf}));
    return match.captured(1).trimmed();
}

int pdfPages(const QString& pdf) {
    return pdfInfo(pdf, QStringLiteral("Pages")).toInt();
}

class LettersCommandTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        add({{"PREFIX", "Ms."},
             {"FNAME", "Ann"},
             {"LNAME", "Young"},
             {"STREET", "1 Elm St"},
             {"CITY", "Boise"},
             {"STATE", "ID"},
             {"ZIP", "83702"}});
        add({{"PREFIX", "Mr."},
             {"FNAME", "Bob"},
             {"LNAME", "Adams"},
             {"STREET", "2 Oak Ave"},
             {"CITY", "Reno"},
             {"STATE", "NV"},
             {"ZIP", "89501"}});
        add({{"PREFIX", "Dr."},
             {"FNAME", "Cy"},
             {"LNAME", "Baker"},
             {"STREET", "3 Pine Rd"},
             {"CITY", "Tampa"},
             {"STATE", "FL"},
             {"ZIP", "33602"}});
        handOver();
        ASSERT_TRUE(QDir().mkpath(home));
        const QString lettersPath = home + QLatin1Char('/') + QLatin1String(kLettersFileName);
        createLettersFile(engine, lettersPath);
        const auto letters = engine.open(enginePath(lettersPath), xbase::OpenMode::Exclusive);
        auto letter = newLetterDocument();
        letter->setPlainText(
            QStringLiteral("Dear [Prefix] [Last],\n[Name and Address]\nSee you in [City]."));
        storeLetter(*letters, LetterStore::Append, QStringLiteral("Welcome"), *letter);
        storeLetter(*letters, LetterStore::Append, QStringLiteral("Renewal"), *letter);
        pdf = QString::fromStdString(dir.file("letters.pdf"));
    }

    BatchRun letters(QStringList more) {
        return batch(QStringList{"letters", file, "--output", pdf, "--quiet"} + more);
    }

    QString pdf;
};

TEST_F(LettersCommandTest, EachRecordGetsItsMergedLetterOnAPageOfItsOwn) {
    const BatchRun run = letters({"--letter", "welcome  "});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(pdfPages(pdf), 3);
    const QString text = pdfText(pdf);
    for (const char* line :
         {"Dear Ms. Young,", "Dear Mr. Adams,", "Dear Dr. Baker,", "See you in Boise.",
          "See you in Reno.", "See you in Tampa.", "Ann Young", "2 Oak Ave", "3 Pine Rd", "33602"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(line))) << line << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QLatin1Char('['))) << text.toStdString();
    // One letter per page: a form feed between pages.
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(pages[i].count(QStringLiteral("Dear ")), 1) << i;
}

TEST_F(LettersCommandTest, CopiesRepeatEachLetter) {
    const BatchRun run = letters({"--letter", "Welcome", "--copies", "2"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(pdfPages(pdf), 6);
    EXPECT_EQ(pdfText(pdf).count(QStringLiteral("Dear Mr. Adams,")), 2);

    const BatchRun tooMany = letters({"--letter", "Welcome", "--copies", "1000"});
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_TRUE(tooMany.err.contains("--copies must be a whole number of at most 999"))
        << tooMany.err.toStdString();
}

TEST_F(LettersCommandTest, EachFontIsEmbeddedOnce) {
    ASSERT_EQ(letters({"--letter", "Welcome"}).status, 0);
    const QStringList lines = toolOutput(QStringLiteral("pdffonts"), {pdf}).split('\n');
    // name, type (one or two words), encoding, emb, sub, uni, object ID.
    const QRegularExpression row(
        QStringLiteral("^(\\S+)\\s.*\\s(yes|no)\\s+(yes|no)\\s+(yes|no)"
                       "\\s+\\d+\\s+\\d+\\s*$"));
    QSet<QString> names;
    int fonts = 0;
    for (const QString& line : lines) {
        const auto match = row.match(line);
        if (!match.hasMatch()) continue;
        ++fonts;
        EXPECT_EQ(match.captured(2), "yes") << line.toStdString();
        EXPECT_FALSE(names.contains(match.captured(1))) << line.toStdString();
        names.insert(match.captured(1));
    }
    EXPECT_GE(fonts, 1) << lines.join('\n').toStdString();
}

TEST_F(LettersCommandTest, AnRtfFilesLetterPrintsOnItsOwnA4Paper) {
    SKIP_WITHOUT_SHARED_FOLDER();
    const QString rtf = QString::fromStdString(test::sharedFolder()) +
                        QStringLiteral("/fixtures/rtf/letter2-a4-long-libreoffice.rtf");
    ASSERT_TRUE(QFile::exists(rtf));
    const BatchRun run = letters({"--rtf", rtf, "--record", "2"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const int pages = pdfPages(pdf);
    EXPECT_GE(pages, 3);
    EXPECT_LE(pages, 5);
    const QString size = pdfInfo(pdf, QStringLiteral("Page size"));
    // A4 is 595.28 x 841.89 points; Qt's PDF writer gives the page whole points.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))
                    .match(size)
                    .hasMatch())
        << size.toStdString();
}

TEST_F(LettersCommandTest, StartRecordLeavesOutTheRecordsBeforeIt) {
    // Record order: Baker, the third record, is the last; Adams the second.
    const BatchRun run = letters({"--letter", "Welcome", "--start-record", "2"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(pdfPages(pdf), 2);
    EXPECT_FALSE(pdfText(pdf).contains("Young"));
}

TEST_F(LettersCommandTest, AnUnknownLetterListsTheLettersThereAre) {
    const BatchRun run = letters({"--letter", "Farewell"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.trimmed(),
              "ravenpost-batch letters: --letter: no letter is described \"Farewell\"; there are "
              "\"Welcome\", \"Renewal\"");
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(LettersCommandTest, ALetterThatCannotBeReadWholeIsAnError) {
    {
        const QString lettersPath = home + QLatin1Char('/') + QLatin1String(kLettersFileName);
        const auto letters = engine.open(enginePath(lettersPath), xbase::OpenMode::Exclusive);
        letters->appendBlank();
        letters->setText("DESCRIPT", "Broken");
        letters->setText("RTF", "{\\rtf1\\ansi Dear [First],");
        letters->post();
    }
    const BatchRun run = letters({"--letter", "BROKEN"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("--letter: the letter \"BROKEN\" cannot be read whole: " +
                                 QString::fromLatin1(kRtfUnterminated)))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(LettersCommandTest, AnUnreadableRtfFileIsNamedWithTheCause) {
    const QString missing = QString::fromStdString(dir.file("missing.rtf"));
    BatchRun run = letters({"--rtf", missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("--rtf: cannot read " + missing + ": ")) << run.err.toStdString();

    const QString plain = QString::fromStdString(dir.file("plain.rtf"));
    QFile text(plain);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Dear friend,\n");
    text.close();
    run = letters({"--rtf", plain});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(plain + ": The text is not RTF")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(LettersCommandTest, TheRecordChoicesExcludeEachOther) {
    BatchRun run = letters({"--letter", "Welcome", "--all", "--filter", "CITY='Reno'"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("--all prints every record: leave out --filter"))
        << run.err.toStdString();
    run = letters({"--letter", "Welcome", "--rtf", "x.rtf"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("--letter DESCRIPTION or --rtf FILE.rtf"))
        << run.err.toStdString();
    run = letters({"--letter", "Welcome", "--record", "9"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("--record: the address file has no record 9 (it has 3)"))
        << run.err.toStdString();
    run = letters({"--letter", "Welcome", "--filter", "CITY='Nowhere'"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("no record is chosen")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
}  // namespace rp
