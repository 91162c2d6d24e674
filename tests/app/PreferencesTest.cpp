// Date and adding preferences: defaults, stored values, the empty-date template and the
// date formats on offer.
#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include "IniFolderFixture.h"
#include "data/IniFile.h"
#include "data/Preferences.h"
#include "support/QtPrinting.h"

namespace rp {
namespace {

TEST(EmptyDateTemplateTest, DigitPlacesBetweenBangAndSemicolonBecomeBlanks) {
    EXPECT_EQ(emptyDateTemplate("!99/99/9999;1;_"), "  /  /    ");
    EXPECT_EQ(emptyDateTemplate("!99.99.99;1;_"), "  .  .  ");
    EXPECT_EQ(emptyDateTemplate("!9999-99-99;1;_"), "    -  -  ");
    EXPECT_EQ(emptyDateTemplate("!00/00/0000;0;_"), "  /  /    ");
    EXPECT_EQ(emptyDateTemplate("!99/99/99;1;"), "  /  /  ");
    EXPECT_EQ(emptyDateTemplate("!99/99"), "  /  ");
    EXPECT_EQ(emptyDateTemplate("99/99/9999;1;_"), QString());
    EXPECT_EQ(emptyDateTemplate(QString()), QString());
    EXPECT_EQ(emptyDateTemplate("!"), QString());
    EXPECT_EQ(emptyDateTemplate("!9999999999/9999999999/99;1;_"), "          /         ");
}

using PreferencesFileTest = IniFolderTest;

TEST_F(PreferencesFileTest, MissingFileGivesTheProgramDefaults) {
    const Preferences p = loadPreferences(IniFile(path()));
    EXPECT_EQ(p.dateSeparator, "/");
    EXPECT_EQ(p.shortDateFmt, "mm/dd/yyyy");
    EXPECT_EQ(p.dateEditMask, "!99/99/9999;1;_");
    EXPECT_EQ(p.emptyDateTemplate, "  /  /    ");
    EXPECT_FALSE(p.plugDate || p.plugCityState || p.autoDupCheck);
    EXPECT_FALSE(p.carryOrg || p.carrySA1 || p.carryCity || p.carryState || p.carryZip ||
                 p.carryCountry);
    EXPECT_EQ(p.defaultCountry, QString());
    EXPECT_FALSE(p.shareOpenFile);
}

TEST_F(PreferencesFileTest, StoredValuesAreRead) {
    put("[Date]\r\nDateSeparator=.\r\nShortDateFmt=dd.mm.yy\r\nDateEditMask=!99.99.99;1;_\r\n"
        "[adding]\r\nPlugDate=1\r\nPlugCityState=1\r\nAutoDupCheck=0\r\nDefaultCountry=CANADA\r\n"
        "CarryOrg=1\r\nCarrySA1=0\r\nCarryCity=1\r\nCarryState=0\r\nCarryZip=1\r\nCarryCountry="
        "1\r\n[Sharing]\r\nShareOpenFile=1\r\n");
    const Preferences p = loadPreferences(IniFile(path()));
    EXPECT_EQ(p.dateSeparator, ".");
    EXPECT_EQ(p.shortDateFmt, "dd.mm.yy");
    EXPECT_EQ(p.dateEditMask, "!99.99.99;1;_");
    EXPECT_EQ(p.emptyDateTemplate, "  .  .  ");
    EXPECT_TRUE(p.plugDate);
    EXPECT_TRUE(p.plugCityState);
    EXPECT_FALSE(p.autoDupCheck);
    EXPECT_EQ(p.defaultCountry, "CANADA");
    EXPECT_TRUE(p.carryOrg);
    EXPECT_FALSE(p.carrySA1);
    EXPECT_TRUE(p.carryCity);
    EXPECT_FALSE(p.carryState);
    EXPECT_TRUE(p.carryZip);
    EXPECT_TRUE(p.carryCountry);
    EXPECT_TRUE(p.shareOpenFile);
}

TEST_F(PreferencesFileTest, EmptySeparatorReadsAsSlash) {
    put("[Date]\r\nDateSeparator=\r\n");
    EXPECT_EQ(loadPreferences(IniFile(path())).dateSeparator, "/");
}

TEST_F(PreferencesFileTest, SaveWritesAllFourteenKeys) {
    IniFile ini(path());
    Preferences p;
    p.dateSeparator = "-";
    p.shortDateFmt = "mm-dd-yy";
    p.dateEditMask = "!99-99-99;1;_";
    p.defaultCountry = "USA";
    p.autoDupCheck = true;
    p.carryZip = true;
    p.shareOpenFile = true;
    savePreferences(ini, p);

    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        file.readAll(),
        "[Date]\r\nDateSeparator=-\r\nShortDateFmt=mm-dd-yy\r\nDateEditMask=!99-99-99;1;_\r\n"
        "\r\n[Adding]\r\nPlugDate=0\r\nPlugCityState=0\r\nAutoDupCheck=1\r\nDefaultCountry=USA\r\n"
        "CarryOrg=0\r\nCarrySA1=0\r\nCarryCity=0\r\nCarryState=0\r\nCarryZip=1\r\nCarryCountry="
        "0\r\n\r\n[Sharing]\r\nShareOpenFile=1\r\n");
}

TEST(DateFormatEntriesTest, TwelveFormatsWithTheirSeparatorsAndMasks) {
    const auto& entries = dateFormatEntries();
    EXPECT_EQ(entries[0].entry, "mm/dd/yy");
    EXPECT_EQ(entries[0].mask, "!99/99/99;1;");
    EXPECT_EQ(entries[1].mask, "!99/99/9999;1;_");
    EXPECT_EQ(entries[7].entry, "yyyy.mm.dd");
    EXPECT_EQ(entries[7].mask, "!9999.99.99;1;_");
    EXPECT_EQ(entries[11].entry, "mm-dd-yyyy");
    QSet<QString> seen;
    for (const DateFormatEntry& e : entries) {
        seen.insert(e.entry);
        EXPECT_EQ(e.entry, e.format);
        // The separator is the one in the format, the mask has a digit place for each letter.
        EXPECT_EQ(e.format.count(e.separator), 2) << e.format.toStdString();
        QString shape = e.format;
        shape.replace(QRegularExpression("[dmy]"), " ");
        EXPECT_EQ(emptyDateTemplate(e.mask), shape) << e.format.toStdString();
    }
    EXPECT_EQ(seen.size(), 12);
}

}  // namespace
}  // namespace rp
