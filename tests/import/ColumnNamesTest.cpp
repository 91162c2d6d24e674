// Column names of a first line matched to the address fields, the delimiter found in a first
// line, and the format and sample of real exports with and without a header.
#include <gtest/gtest.h>

#include "import/AsciiFormat.h"
#include "import/AsciiLine.h"
#include "import/AsciiSample.h"
#include "import/ColumnNames.h"

namespace rp {
namespace {

QString fixture(const char* name) {
    return QStringLiteral(IMPORT_FIXTURE_DIR "/") + QLatin1String(name);
}

TEST(ColumnNamesTest, KnownNamesSuggestTheirField) {
    const struct {
        const char* name;
        const char* caption;
    } cases[] = {
        {"First Name", "First"},
        {"given_name", "First"},
        {"FORENAME:", "First"},
        {"Last Name", "Last"},
        {"Surname", "Last"},
        {"Family-Name", "Last"},
        {"Middle", "Middle"},
        {"Middle Initial", "Middle"},
        {"Salutation", "Prefix"},
        {"Name Prefix", "Prefix"},
        {"Job Title", "Title"},
        {"Organisation", "Organization"},
        {"Company", "Organization"},
        {"Address", "Street"},
        {"Address Line 1", "Street"},
        {"Business Street", "Street"},
        {"Town", "City"},
        {"Region", "State/Province"},
        {"ZIP Code", "Zip/Post Code"},
        {"Postcode", "Zip/Post Code"},
        {"Country", "Country"},
        {"Telephone", "Phone"},
        {"Phone Number", "Phone"},
        {"Fax", "Fax"},
        {"E-mail", "E-Mail"},
        {"Email Address", "E-Mail"},
        {"Categories", "Codes"},
        {"Codes", "Codes"},
        {"Notes", "Memo"},
        {"Memo", "Memo"},
        {"LNAME", "Last"},
        {"zip/post code", "Zip/Post Code"},
        {"Address 2", ""},
        {"Name", ""},
        {"Mobile", ""},
        {"", ""},
        {"Ann", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(captionOfColumnName(QString::fromLatin1(c.name)), QLatin1String(c.caption))
            << c.name;
}

TEST(ColumnNamesTest, RepeatedFieldsAndMobile) {
    const struct {
        QStringList names;
        QStringList captions;
        QList<int> repeated;
        QList<int> unknown;
    } cases[] = {
        {{"Email", "Name", "E-mail", "Mobile"}, {"E-Mail", "", "", "Phone"}, {2}, {1}},
        {{"Mobile", "Telephone"}, {"", "Phone"}, {}, {0}},
        {{"Notes", "Notes", "Memo"}, {"Memo", "", ""}, {1, 2}, {}},
        {{"Address 1", "Address 2", "Street"}, {"Street", "", ""}, {2}, {1}},
    };
    for (const auto& c : cases) {
        const ColumnNameMatch m = matchColumnNames(c.names);
        EXPECT_EQ(m.captions, c.captions) << c.names.join(u',').toStdString();
        EXPECT_EQ(m.repeated, c.repeated) << c.names.join(u',').toStdString();
        EXPECT_EQ(m.unknown, c.unknown) << c.names.join(u',').toStdString();
    }
}

TEST(ColumnNamesTest, DelimiterAndHeaderFromTheFirstLine) {
    const struct {
        const char* line;
        QChar delimiter;
        bool header;
    } cases[] = {
        {"Lee,Ann,Boston", u',', false},  {"a;b;c", u';', false},
        {"a\tb\tc", u'\t', false},        {"\"Lee, Ann\";Boston;MA", u';', false},
        {"\"a;b;c\",d", u',', false},     {"a,b;c\td", u',', false},  // a tie: comma
        {"a;b\tc", u';', false},  // a tie between semicolon and tab: semicolon
        {"one value", u',', false},       {"First Name,Last Name,Phone", u',', true},
        {"\"Zip\";\"City\"", u';', true}, {"City\tAddress 2", u'\t', false},  // only one known name
    };
    for (const auto& c : cases) {
        const AsciiFormat f = guessAsciiFormat(QString::fromLatin1(c.line));
        EXPECT_EQ(f.delimiter, c.delimiter) << c.line;
        EXPECT_EQ(f.header, c.header) << c.line;
    }
}

TEST(ColumnNamesTest, SemicolonsSplitLikeCommas) {
    EXPECT_EQ(asciiValues("Ann;\"Lee; Jr.\";\"say \"\"hi\"\"\";", 4, u';'),
              (QStringList{"Ann", "Lee; Jr.", "say \"\"hi\"\"", ""}));
    EXPECT_EQ(splitAsciiLine("a,b\tc", u'\t'), (QStringList{"a,b", "c"}));
    EXPECT_FALSE(quotesClosed("a\t\"b\tc", u'\t'));
}

TEST(ColumnNamesTest, SamplesOfExportsWithAndWithoutAHeader) {
    const struct {
        const char* file;
        QChar delimiter;
        bool header;
        QStringList matches;
        QList<int> repeated;
        QStringList firstRow;
    } cases[] = {
        {"shop-semicolons.csv",
         u';',
         true,
         {"First", "Last", "Street", "", "City", "Zip/Post Code", "Phone", "", "Memo"},
         {},
         {"Ann", "Lee; Jr.", "12 Elm St", "Apt 4", "Boston", "02110", "555-0101", "555-0199",
          "likes \"\"tea\"\""}},
        {"contacts-tabs.txt",
         u'\t',
         true,
         {"First", "Last", "Organization", "Street", "City", "Zip/Post Code", "E-Mail", "Codes",
          ""},
         {8},
         {"Carla", "Diaz", "Acme, Inc.", "9 Pine Ave", "Leeds", "LS1 4AP", "carla@example.com",
          "VIP", "cd@example.org"}},
        {"no-header.txt", u',', false, {"", "", "", ""}, {}, {"Lee", "Ann", "Boston", "MA"}},
    };
    for (const auto& c : cases) {
        const AsciiFormat format = guessFileFormat(fixture(c.file));
        EXPECT_EQ(format.delimiter, c.delimiter) << c.file;
        EXPECT_EQ(format.header, c.header) << c.file;
        const AsciiSample sample = readAsciiSample(fixture(c.file), format);
        ASSERT_TRUE(sample.accepted) << c.file;
        QStringList matches;
        for (const ImportColumn& col : sample.layout.columns) matches << col.match;
        EXPECT_EQ(matches, c.matches) << c.file;
        EXPECT_EQ(sample.repeatedNames, c.repeated) << c.file;
        ASSERT_FALSE(sample.rows.empty()) << c.file;
        EXPECT_EQ(sample.rows.front(), c.firstRow) << c.file;
    }
}

}  // namespace
}  // namespace rp
