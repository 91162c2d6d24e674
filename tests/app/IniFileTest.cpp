// The initialisation file: reading, writing, and keeping every line it does not change.
#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

#include "IniFolderFixture.h"
#include "data/IniFile.h"
#include "support/QtPrinting.h"

namespace rp {
namespace {

using IniFileTest = IniFolderTest;

TEST_F(IniFileTest, MissingFileReadsAsDefaults) {
    const IniFile ini(path());
    EXPECT_EQ(ini.readString("Date", "ShortDateFmt", "mm/dd/yyyy"), "mm/dd/yyyy");
    EXPECT_EQ(ini.readString("Date", "ShortDateFmt"), QString());
    EXPECT_EQ(ini.readInteger("Window", "Left", 17), 17);
    EXPECT_TRUE(ini.readBool("Adding", "PlugDate", true));
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(IniFileTest, WriteCreatesTheFileWithCrLfLines) {
    IniFile ini(path());
    ini.writeString("Date", "ShortDateFmt", "dd.mm.yy");
    ini.writeInteger("Window", "Left", -40);
    EXPECT_EQ(bytes(), "[Date]\r\nShortDateFmt=dd.mm.yy\r\n\r\n[Window]\r\nLeft=-40\r\n");
    EXPECT_EQ(ini.readString("Date", "ShortDateFmt"), "dd.mm.yy");
    EXPECT_EQ(ini.readInteger("Window", "Left"), -40);
}

TEST_F(IniFileTest, SectionsAndKeysIgnoreLetterCase) {
    put("[date]\nshortdatefmt=yy/mm/dd\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("DATE", "ShortDateFmt"), "yy/mm/dd");
    ini.writeString("Date", "SHORTDATEFMT", "yyyy/mm/dd");
    EXPECT_EQ(bytes(), "[date]\r\nshortdatefmt=yyyy/mm/dd\r\n");
}

TEST_F(IniFileTest, ValueIsWhatFollowsTheFirstEqualsWithoutBlanksAround) {
    put("[ Date ]\n  DateSeparator =  .  \nDateEditMask=!99/99/9999;1;_=x\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Date", "DateSeparator"), ".");
    EXPECT_EQ(ini.readString("Date", "DateEditMask"), "!99/99/9999;1;_=x");
    ini.writeString("Date", "DateSeparator", "  -  ");
    EXPECT_EQ(bytes(), "[ Date ]\r\nDateSeparator=-\r\nDateEditMask=!99/99/9999;1;_=x\r\n");
}

TEST_F(IniFileTest, OtherLinesAreKeptByteForByte) {
    put("; Ravenpost settings\r\n"
        "odd line before any section\r\n"
        "[Printer]\r\n"
        "Font = Courier   \r\n"
        "\r\n"
        "   ;PlugDate=1\r\n"
        "[Adding]\r\n"
        "Unknown=\xE9t\xE9\r\n"
        "PlugDate=0\r\n"
        "  weird ] line [\r\n"
        "[Last]\r\n"
        "x=y\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Printer", ";PlugDate", "none"), "none");  // a comment, not a key
    ini.writeBool("Adding", "PlugDate", true);
    EXPECT_EQ(bytes(),
              "; Ravenpost settings\r\n"
              "odd line before any section\r\n"
              "[Printer]\r\n"
              "Font = Courier   \r\n"
              "\r\n"
              "   ;PlugDate=1\r\n"
              "[Adding]\r\n"
              "Unknown=\xE9t\xE9\r\n"
              "PlugDate=1\r\n"
              "  weird ] line [\r\n"
              "[Last]\r\n"
              "x=y\r\n");
}

TEST_F(IniFileTest, LfLinesAreReadAndWrittenBackAsCrLf) {
    put("[Date]\nDateSeparator=/\n; note\n[MRU]\nItem1=/a/b.dbf");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("MRU", "Item1"), "/a/b.dbf");
    ini.writeString("Date", "DateSeparator", ".");
    EXPECT_EQ(bytes(), "[Date]\r\nDateSeparator=.\r\n; note\r\n[MRU]\r\nItem1=/a/b.dbf\r\n");
}

TEST_F(IniFileTest, NewKeyGoesAfterTheSectionsLastKey) {
    put("[Adding]\r\nPlugDate=1\r\n\r\n; carry\r\n[MRU]\r\nItem1=a\r\n");
    IniFile ini(path());
    ini.writeBool("Adding", "CarryOrg", false);
    ini.writeString("Empty", "Key", "v");
    EXPECT_EQ(bytes(),
              "[Adding]\r\nPlugDate=1\r\nCarryOrg=0\r\n\r\n; carry\r\n[MRU]\r\nItem1=a\r\n"
              "\r\n[Empty]\r\nKey=v\r\n");
    put("[Empty]\r\n; nothing yet\r\n");
    ini.writeString("Empty", "Key", "v");
    EXPECT_EQ(bytes(), "[Empty]\r\nKey=v\r\n; nothing yet\r\n");
}

TEST_F(IniFileTest, KeysWithBlanksAndHashRoundTrip) {
    IniFile ini(path());
    ini.writeString("Printers", "PRINTEREnvelope #10", "HP LaserJet 4");
    ini.writeString("Printers", "PRINTEREnvelope #9", "Other");
    EXPECT_EQ(ini.readString("printers", "printerenvelope #10"), "HP LaserJet 4");
    EXPECT_EQ(ini.readString("Printers", "PRINTEREnvelope #9"), "Other");
    EXPECT_EQ(ini.readString("Printers", "PRINTEREnvelope"), QString());
    EXPECT_TRUE(bytes().contains("PRINTEREnvelope #10=HP LaserJet 4\r\n"));
}

TEST_F(IniFileTest, KeysThatWouldBreakTheirLineAreEscapedAndRoundTrip) {
    struct Case {
        QString key;
        QByteArray line;  // as written
    };
    const Case cases[] = {
        {"PRINTEREnvelope #10", "PRINTEREnvelope #10=v0"},
        {"PRINTERA=B", "PRINTERA%3DB=v1"},
        {"[Bin]", "%5BBin]=v2"},
        {";Paper", "%3BPaper=v3"},
        {" Lead", "%20Lead=v4"},
        {"Trail\t", "Trail%09=v5"},
        {"Line\r\nBreak", "Line%0D%0ABreak=v6"},
        {"50% off", "50%25 off=v7"},
        {"Mid [x]; y", "Mid [x]; y=v8"},
    };
    IniFile ini(path());
    QByteArray expected = "[EnvelopeByName]\r\n";
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ini.writeString("EnvelopeByName", cases[i].key, QStringLiteral("v%1").arg(i));
        expected += cases[i].line + "\r\n";
    }
    EXPECT_EQ(bytes(), expected);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ini.readString("EnvelopeByName", cases[i].key), QStringLiteral("v%1").arg(i))
            << i;
    EXPECT_EQ(ini.readString("EnvelopeByName", "PRINTERA"), QString());
    EXPECT_EQ(ini.readString("EnvelopeByName", "Trail"), QString());

    ini.writeString("EnvelopeByName", "PRINTERA=B", "changed");
    EXPECT_EQ(ini.readString("EnvelopeByName", "printera=b"), "changed");
    EXPECT_EQ(bytes().count("PRINTERA%3DB="), 1);
}

TEST_F(IniFileTest, NonAsciiPathsRoundTripAsUtf8) {
    IniFile ini(path());
    const QString file =
        QString::fromUtf8("/home/j\u00FCrgen/\u0410\u0434\u0440\u0435\u0441\u0430/Kunden.DBF");
    ini.writeString("MRU", "Item1", file);
    EXPECT_EQ(ini.readString("MRU", "Item1"), file);
    EXPECT_TRUE(bytes().contains("j\xC3\xBCrgen"));
}

TEST_F(IniFileTest, BytesThatAreNotUtf8ReadAsWindows1252) {
    put("[MRU]\r\nItem1=C:\\J\xFCrgen\\\x80uro.dbf\r\n");
    EXPECT_EQ(IniFile(path()).readString("MRU", "Item1"),
              QString::fromUtf8("C:\\J\u00FCrgen\\\u20ACuro.dbf"));
}

TEST_F(IniFileTest, ByteOrderMarkIsSkippedAndKept) {
    put("\xEF\xBB\xBF[Date]\r\nDateSeparator=-\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Date", "DateSeparator"), "-");
    ini.writeString("Date", "DateSeparator", ".");
    EXPECT_EQ(bytes(), "\xEF\xBB\xBF[Date]\r\nDateSeparator=.\r\n");
}

TEST_F(IniFileTest, DuplicateKeysAndSectionsUseTheFirst) {
    put("[A]\r\nk=1\r\nk=2\r\n[A]\r\nj=3\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger("A", "k"), 1);
    EXPECT_EQ(ini.readInteger("A", "j"), 3);
    ini.writeInteger("A", "k", 5);
    ini.writeInteger("A", "n", 6);
    EXPECT_EQ(bytes(), "[A]\r\nk=5\r\nk=2\r\nn=6\r\n[A]\r\nj=3\r\n");
}

TEST_F(IniFileTest, NumbersAndSwitchesAreWholeNumbers) {
    put("[S]\r\nOne=1\r\nZero=0\r\nTwo= 2 \r\nWord=yes\r\nEmpty=\r\nMixed=12ab\r\n");
    const IniFile ini(path());
    EXPECT_TRUE(ini.readBool("S", "One"));
    EXPECT_FALSE(ini.readBool("S", "Zero", true));
    EXPECT_TRUE(ini.readBool("S", "Two"));
    EXPECT_TRUE(ini.readBool("S", "Word", true));
    EXPECT_FALSE(ini.readBool("S", "Word", false));
    EXPECT_TRUE(ini.readBool("S", "Empty", true));
    EXPECT_EQ(ini.readInteger("S", "Two"), 2);
    EXPECT_EQ(ini.readInteger("S", "Mixed", -1), -1);
    EXPECT_EQ(ini.readInteger("S", "Empty", 9), 9);

    IniFile written(dir_.filePath(QStringLiteral("other.ini")));
    written.writeBool("S", "On", true);
    written.writeBool("S", "Off", false);
    EXPECT_EQ(written.readString("S", "On"), "1");
    EXPECT_EQ(written.readString("S", "Off"), "0");
}

TEST_F(IniFileTest, LineBreaksInAValueBecomeBlanks) {
    IniFile ini(path());
    ini.writeString("S", "Text", "two\r\nlines");
    EXPECT_EQ(ini.readString("S", "Text"), "two  lines");
    EXPECT_EQ(bytes(), "[S]\r\nText=two  lines\r\n");
}

TEST_F(IniFileTest, UnchangedValueLeavesTheFileAlone) {
    put("[S]\nk=v\n");
    IniFile ini(path());
    ini.writeString("S", "k", "v");
    EXPECT_EQ(bytes(), "[S]\nk=v\n");
}

TEST_F(IniFileTest, WriteIntoAMissingFolderThrowsAndNamesTheFile) {
    IniFile ini(dir_.filePath(QStringLiteral("no/such/RAVENP.INI")));
    try {
        ini.writeString("S", "k", "v");
        FAIL() << "no error";
    } catch (const IniFileError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("no/such/RAVENP.INI")));
    }
}

TEST_F(IniFileTest, AFileThatCannotBeReadIsNotReplaced) {
    put("[S]\r\nk=v\r\n");
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    QFile probe(path());
    if (probe.open(QIODevice::ReadOnly)) GTEST_SKIP() << "running with rights that read any file";
    IniFile ini(path());
    EXPECT_EQ(ini.readString("S", "k", "default"), "default");
    EXPECT_THROW(ini.writeString("S", "other", "x"), IniFileError);
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(bytes(), "[S]\r\nk=v\r\n");
}

}  // namespace
}  // namespace rp
