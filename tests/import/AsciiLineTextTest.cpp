// Lines taken as bytes when they hold only ASCII characters: the same lines, cuts and values as
// when every line is decoded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/AsciiLine.h"
#include "import/AsciiLineReader.h"
#include "support/ImportTestSupport.h"

namespace rp {
namespace {

struct ReadLine {
    bool ascii;
    QString text;
    bool cut;
};

// Every line of the file as next(AsciiLineText&) gives it, the ASCII ones as Latin-1 text.
std::vector<ReadLine> readAsText(const QString& path) {
    AsciiLineReader reader(path);
    EXPECT_TRUE(reader.open());
    std::vector<ReadLine> lines;
    AsciiLineText line;
    while (reader.next(line) == AsciiLineReader::Read::Line) {
        const QString text =
            line.ascii
                ? QString::fromLatin1(line.bytes.data(), static_cast<qsizetype>(line.bytes.size()))
                : line.text;
        lines.push_back({line.ascii, text, reader.lastLineCut()});
    }
    return lines;
}

TEST(AsciiLineTextTest, AsciiLinesComeAsBytesAndTheRestDecodedAsEveryLineIs) {
    const std::string longAscii(3000, 'a');
    const std::string longThenUtf8 = std::string(2047, 'b') + "\xC5\x82\xC5\x82";
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<bool> ascii;
    };
    const std::vector<Case> cases = {
        {"line ends", "one\ntwo\r\nthree\rfour\n\nlast", {true, true, true, true, true, true}},
        {"byte order mark, then UTF-8", "\xEF\xBB\xBFKo\xC5\x82o\nplain\n", {false, true}},
        {"byte order mark before ASCII", "\xEF\xBB\xBFplain,\"a,b\"\r\n", {true}},
        {"Windows-1252", "Jos\xE9,x\r\nJose,x\r\n", {false, true}},
        {"a long ASCII line is cut", longAscii + "\nnext\n", {true, true}},
        {"a long line with UTF-8 past its 2048th character", longThenUtf8 + "\n", {false}},
        {"a CR at the end of a chunk", std::string(64 * 1024 - 1, 'c') + "\r\nd\n", {true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const QString path = writeTextFile(dir, "lines.txt", c.bytes);
        const std::vector<ReadLine> lines = readAsText(path);
        ASSERT_EQ(lines.size(), c.ascii.size());
        AsciiLineReader decoded(path);
        ASSERT_TRUE(decoded.open());
        QString text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(decoded.next(&text), AsciiLineReader::Read::Line);
            EXPECT_EQ(lines[i].ascii, c.ascii[i]) << i;
            EXPECT_EQ(lines[i].text, text) << i;
            EXPECT_EQ(lines[i].cut, decoded.lastLineCut()) << i;
        }
        EXPECT_EQ(decoded.next(&text), AsciiLineReader::Read::End);
    }
}

TEST(AsciiLineTextTest, AsciiLinesCutAtTheirCharacterLimit) {
    TempDir dir;
    const std::vector<ReadLine> lines = readAsText(writeTextFile(
        dir, "long.txt", std::string(2049, 'z') + "\n" + std::string(2048, 'y') + "\n"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, QString(2048, u'z'));
    EXPECT_TRUE(lines[0].cut);
    EXPECT_EQ(lines[1].text, QString(2048, u'y'));
    EXPECT_FALSE(lines[1].cut);
}

// The values of a line of bytes split and unquoted as asciiValues splits its text.
QStringList byteValues(const std::string& line, int columns, char delimiter) {
    QStringList values;
    forEachAsciiValue(line.data(), line.size(), delimiter, columns,
                      [&](int column, std::size_t first, std::size_t end) {
                          EXPECT_EQ(column, values.size());
                          values << QString::fromLatin1(line.substr(first, end - first));
                      });
    while (values.size() < columns) values << QString();
    return values;
}

TEST(AsciiLineTextTest, ValuesOfBytesAreTheValuesOfTheText) {
    struct Case {
        std::string line;
        int columns;
        char delimiter;
        QStringList values;
    };
    const std::vector<Case> cases = {
        {R"("Smith, Jr.",Ann)", 2, ',', {"Smith, Jr.", "Ann"}},
        {R"("",b)", 2, ',', {"", "b"}},
        {R"(a,"b,c,d)", 2, ',', {"a", R"("b,c,d)"}},
        {R"("a ""b"" c",x)", 2, ',', {R"(a ""b"" c)", "x"}},
        {R"("say ""hi, there""",x)", 3, ',', {R"("say ""hi)", R"( there""")", "x"}},
        {R"(a"b,c)", 2, ',', {R"(a"b,c)", ""}},
        {"", 2, ',', {"", ""}},
        {"a,b,", 3, ',', {"a", "b", ""}},
        {"a,b,c,d", 2, ',', {"a", "b"}},
        {"\"", 1, ',', {""}},
        {"x;\"1;2\";y", 3, ';', {"x", "1;2", "y"}},
        {"x\t\"1\t2\"", 2, '\t', {"x", "1\t2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(byteValues(c.line, c.columns, c.delimiter), c.values);
        EXPECT_EQ(
            asciiValues(QString::fromLatin1(c.line), c.columns, QChar::fromLatin1(c.delimiter)),
            c.values);
    }
}

TEST(AsciiLineTextTest, TextAndQuoteChecksOfALineAsReadAreThoseOfItsText) {
    TempDir dir;
    const std::string bytes = std::string("plain,line\n\"open,a\n\"closed, a\",b\n") +
                              std::string("a\0b\n", 4) + "Jos\xE9,\"x\n\"Jos\xE9\",x\nx;\"y\n";
    const QString path = writeTextFile(dir, "checks.txt", bytes);
    AsciiLineReader reader(path);
    ASSERT_TRUE(reader.open());
    AsciiLineReader decoded(path);
    ASSERT_TRUE(decoded.open());
    AsciiLineText line;
    QString text;
    int count = 0;
    std::vector<bool> closed;
    while (reader.next(line) == AsciiLineReader::Read::Line) {
        ASSERT_EQ(decoded.next(&text), AsciiLineReader::Read::Line);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(isTextLine(line), isTextLine(text));
        EXPECT_EQ(quotesClosed(line, u','), quotesClosed(text, u','));
        EXPECT_EQ(quotesClosed(line, u';'), quotesClosed(text, u';'));
        closed.push_back(quotesClosed(line, u','));
        ++count;
    }
    EXPECT_EQ(count, 7);
    EXPECT_EQ(closed, (std::vector<bool>{true, false, true, true, false, true, false}));
}

}  // namespace
}  // namespace rp
