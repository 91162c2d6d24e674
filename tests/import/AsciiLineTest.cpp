// Splitting comma-delimited lines and reading a text file line by line.
#include <gtest/gtest.h>

#include <string>

#include "import/AsciiLine.h"
#include "import/AsciiLineReader.h"
#include "support/ImportTestSupport.h"

namespace rp {
namespace {

TEST(AsciiLineTest, QuotedCommasStayInTheirValueAndValuesFitTheColumns) {
    EXPECT_EQ(asciiValues(R"("Smith, Jr.",Ann)", 2), (QStringList{"Smith, Jr.", "Ann"}));
    EXPECT_EQ(asciiValues(R"("",b)", 2), (QStringList{"", "b"}));
    // An opening quote never closed takes every later comma of the line.
    EXPECT_EQ(splitAsciiLine(R"(a,"b,c,d)"), (QStringList{"a", R"("b,c,d)"}));
    // Doubled quotes inside a value are not unescaped; a quote after a closing one changes nothing,
    // so a comma that follows it splits.
    EXPECT_EQ(asciiValues(R"("a ""b"" c",x)", 2), (QStringList{R"(a ""b"" c)", "x"}));
    EXPECT_EQ(asciiValues(R"("say ""hi, there""",x)", 3),
              (QStringList{R"("say ""hi)", R"( there""")", "x"}));
    EXPECT_EQ(asciiValues(R"(a"b,c)", 2), (QStringList{R"(a"b,c)", ""}));
    // Empty values, padding, dropping and unquoting.
    EXPECT_EQ(splitAsciiLine(""), QStringList{""});
    EXPECT_EQ(splitAsciiLine("a,b,"), (QStringList{"a", "b", ""}));
    EXPECT_EQ(asciiValues("a", 3), (QStringList{"a", "", ""}));
    EXPECT_EQ(asciiValues("a,b,c,d", 2), (QStringList{"a", "b"}));
    EXPECT_EQ(unquotedValue("\""), "");
    EXPECT_EQ(unquotedValue(" \"x\""), " \"x\"");
    EXPECT_EQ(unquotedValue("\" x \""), " x ");
}

TEST(AsciiLineTest, ReaderTakesEveryLineEndAndBothEncodings) {
    TempDir dir;
    // LF, CR LF, a lone CR, an empty line, Windows-1252 "é", UTF-8 "ł", and no final line end.
    const QString path = writeTextFile(
        dir, "a.txt", "\xEF\xBB\xBFone\ntwo\r\nthree\rfour\n\nJos\xE9\nKo\xC5\x82o\nlast");
    AsciiLineReader reader(path);
    ASSERT_TRUE(reader.open());
    QStringList lines;
    QString line;
    while (reader.next(&line) == AsciiLineReader::Read::Line) lines << line;
    EXPECT_EQ(lines, (QStringList{"one", "two", "three", "four", "", QString::fromUtf8("José"),
                                  QString::fromUtf8("Koło"), "last"}));

    ASSERT_TRUE(reader.rewind());
    int counted = 0;
    while (reader.next(nullptr) == AsciiLineReader::Read::Line) ++counted;
    EXPECT_EQ(counted, 8);
}

TEST(AsciiLineTest, AQuoteLeftOpenIsFound) {
    EXPECT_TRUE(quotesClosed(R"("Smith, Jr.",Ann)"));
    EXPECT_TRUE(quotesClosed(R"("a ""b"" c",x)"));
    EXPECT_TRUE(quotesClosed(""));
    EXPECT_TRUE(quotesClosed("a,b"));
    EXPECT_FALSE(quotesClosed(R"(a,"b,c,d)"));
    EXPECT_FALSE(quotesClosed(R"(")"));
}

TEST(AsciiLineTest, LongLinesKeepTheirFirst2048Characters) {
    TempDir dir;
    const std::string longLine = std::string(2048, 'a') + std::string(10000, 'b');
    const QString path = writeTextFile(dir, "long.txt", longLine + "\r\nnext\r\n");
    AsciiLineReader reader(path);
    ASSERT_TRUE(reader.open());
    QString line;
    ASSERT_EQ(reader.next(&line), AsciiLineReader::Read::Line);
    EXPECT_EQ(line, QString(2048, u'a'));
    EXPECT_TRUE(reader.lastLineCut());
    ASSERT_EQ(reader.next(&line), AsciiLineReader::Read::Line);
    EXPECT_EQ(line, "next");
    EXPECT_FALSE(reader.lastLineCut());
    EXPECT_EQ(reader.next(&line), AsciiLineReader::Read::End);
}

}  // namespace
}  // namespace rp
