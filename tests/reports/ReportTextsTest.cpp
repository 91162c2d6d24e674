// The composed texts of the list report and the memo broken into lines as a screen shows it.
#include <gtest/gtest.h>
#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>

#include "reports/MemoWrap.h"
#include "reports/ReportTexts.h"
#include "support/QtPrinting.h"

namespace rp {
namespace {

struct ComposedCase {
    const char* what;
    ReportFields fields;
    QString name, fullName, cityLine, cityStateZip, titleAndOrg, phoneAndFax;
};

ReportFields fields(const char* lname, const char* fname, const char* middle, const char* prefix,
                    const char* city, const char* state, const char* zip) {
    ReportFields f;
    f.lname = lname;
    f.fname = fname;
    f.middle = middle;
    f.prefix = prefix;
    f.city = city;
    f.state = state;
    f.zip = zip;
    return f;
}

TEST(ReportTextsTest, NamesAndCityLinesJoinTheirPartsAsPresent) {
    const ComposedCase cases[] = {
        {"everything", fields("Smith", "John", "Q", "Dr.", "Boise", "ID", "83702"),
         "Smith, John Q.", "Smith, Dr. John Q.", "Boise, ID  83702 ", "Boise, ID, 83702", "", ""},
        {"no middle, no prefix", fields("Smith", "John", "", "", "Boise", "", "83702"),
         "Smith, John ", "Smith,  John ", "Boise, 83702 ", "Boise, 83702", "", ""},
        {"leading blanks go", fields("  Smith", " John", " Q", "", "  Reno", " NV", " 89501"),
         "Smith, John Q.", "Smith,  John Q.", "Reno, NV  89501 ", "Reno, NV, 89501", "", ""},
        {"the prefix keeps its blanks", fields("Smith", "", "", " Rev.", "", "", ""), "Smith,  ",
         "Smith,  Rev.  ", "", "", "", ""},
        {"no last name", fields("", "John", "", "Mr.", "", "TX", ""), ", John ", "", "TX  ", ", TX",
         "", ""},
    };
    for (const ComposedCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(reportName(c.fields), c.name);
        EXPECT_EQ(reportFullName(c.fields), c.fullName);
        EXPECT_EQ(reportCityLine(c.fields), c.cityLine);
        EXPECT_EQ(reportCityStateZip(c.fields), c.cityStateZip);
    }
}

TEST(ReportTextsTest, TitleWithAnOrganizationOnlyAndPhoneAndFaxLabelled) {
    struct Case {
        const char *title, *org, *phone, *fax;
        QString titleAndOrg, phoneAndFax;
    };
    const Case cases[] = {
        {"CEO", "Acme", "555-1234", "555-9876", "CEO, Acme", "Ph: 555-1234  Fax: 555-9876  "},
        {"CEO", "", "555-1234", "", "", "Ph: 555-1234  "},
        {"", " Acme", "", " 555-9876", "Acme", "Fax: 555-9876  "},
        {"", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        ReportFields f;
        f.title = c.title;
        f.org = c.org;
        f.phone = c.phone;
        f.fax = c.fax;
        EXPECT_EQ(reportTitleAndOrg(f), c.titleAndOrg) << c.title << '|' << c.org;
        EXPECT_EQ(reportPhoneAndFax(f), c.phoneAndFax) << c.phone << '|' << c.fax;
    }
}

double screenWidth(const QString& text) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return QFontMetricsF(font).horizontalAdvance(text);
}

TEST(MemoWrapTest, LinesFitTheWidthAndKeepEveryWordInOrder) {
    const MemoWrap wrap(1.5);
    EXPECT_DOUBLE_EQ(wrap.widthPixels(), 144);
    const QString memo = QStringLiteral(
        "The quick brown fox jumps over the lazy dog while the cat watches from the fence");
    const QStringList lines = wrap.wrap(memo);
    ASSERT_GT(lines.size(), 2);
    for (const QString& line : lines) {
        EXPECT_LE(screenWidth(line), 144) << line.toStdString();
        EXPECT_FALSE(line.endsWith(u' '));
    }
    EXPECT_EQ(lines.join(u' '), memo);
    // Each line is as long as it can be: the next word would not have fitted.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_GT(screenWidth(lines[i] + u' ' + lines[i + 1].section(u' ', 0, 0)), 144);
}

TEST(MemoWrapTest, LineEndsKeepLinesAndBlankLinesAndLongWordsBreakBetweenCharacters) {
    const MemoWrap wrap(6.25);
    EXPECT_EQ(wrap.wrap(QStringLiteral("one\r\ntwo\n\nthree\rfour")),
              QStringList({"one", "two", "", "three", "four"}));
    EXPECT_TRUE(wrap.wrap(QString()).isEmpty());

    const MemoWrap narrow(0.5);
    const QString word(40, u'W');
    const QStringList pieces = narrow.wrap(word);
    ASSERT_GT(pieces.size(), 1);
    EXPECT_EQ(pieces.join(QString()), word);
    for (const QString& piece : pieces) EXPECT_LE(screenWidth(piece), 48);
}

QString trimmedRight(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ') --end;
    return text.left(end);
}

// The wrapping rule measured the plain way, one prefix after another: each line takes the words
// (with the blanks after them) that fit; a word wider than a line gives as many characters as
// fit to each line, at least one.
QStringList wrappedOneByOne(const QString& memo, double widthInches) {
    const double width = widthInches * MemoWrap::kScreenDpi;
    QStringList out;
    for (const QString& line : memo.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        const qsizetype before = out.size();
        QString current;
        for (qsizetype at = 0; at < line.size();) {
            qsizetype end = at;
            while (end < line.size() && line.at(end) != u' ') ++end;
            while (end < line.size() && line.at(end) == u' ') ++end;
            QString word = line.mid(at, end - at);
            at = end;
            if (screenWidth(trimmedRight(current + word)) <= width) {
                current += word;
                continue;
            }
            if (!trimmedRight(current).isEmpty()) out << trimmedRight(current);
            while (!trimmedRight(word).isEmpty() && screenWidth(trimmedRight(word)) > width) {
                const QString kept = trimmedRight(word);
                qsizetype fit = 1;
                while (fit < kept.size() && screenWidth(kept.left(fit + 1)) <= width) ++fit;
                out << kept.left(fit);
                word = word.mid(fit);
            }
            current = word;
        }
        if (!trimmedRight(current).isEmpty() || out.size() == before) out << trimmedRight(current);
    }
    return out;
}

QString letters(qsizetype length, qsizetype offset = 0) {
    QString text;
    for (qsizetype i = 0; i < length; ++i)
        text += QChar(u'a' + static_cast<char16_t>((i + offset) % 26));
    return text;
}

TEST(MemoWrapTest, LongTextBreaksWhereMeasuringEachPrefixBreaksIt) {
    struct Case {
        const char* what;
        QString memo;
        double width;
    };
    const QString wide =
        QString(300, u'W') + QString(300, u'i') + QStringLiteral("MmIl.,") + QString(200, u'.');
    const Case cases[] = {
        {"no blanks", letters(3000), 6.25},
        {"no blanks, narrow", letters(1200, 7), 1.5},
        {"wide and narrow letters", wide, 2.0},
        {"long words between blanks",
         letters(400) + QStringLiteral(" ") + letters(150, 3) + QStringLiteral("   ") +
             QStringLiteral("short words here ") + letters(700, 11) + QStringLiteral(" end"),
         6.25},
        {"blanks before a long word", QStringLiteral("    ") + letters(500) + QStringLiteral("  "),
         3.0},
        {"line breaks",
         letters(500) + QStringLiteral("\r\n") + letters(120, 5) + QStringLiteral("\n\nword ") +
             letters(300, 9) + QStringLiteral("\r") + QStringLiteral("last line"),
         6.25},
        {"a column of single characters", letters(60), 0.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QStringList lines = MemoWrap(c.width).wrap(c.memo);
        EXPECT_GT(lines.size(), 2);
        EXPECT_EQ(lines, wrappedOneByOne(c.memo, c.width));
    }
}

TEST(MemoWrapTest, NoWidthAtAllStillTakesOneCharacterALine) {
    for (const double width : {0.0, -0.25, -3.0}) {
        const MemoWrap wrap(width);
        EXPECT_EQ(wrap.wrap(QStringLiteral("ab cd")), QStringList({"a", "b", "c", "d"})) << width;
    }
}

}  // namespace
}  // namespace rp
