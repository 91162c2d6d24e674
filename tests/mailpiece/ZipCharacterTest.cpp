// ZIP characters: "0" to "9", blanks and hyphens. A ZIP with a digit of another script gets no
// barcode on a label or envelope, and is refused as a routing code, rather than losing that
// digit from what is encoded.
#include <gtest/gtest.h>

#include "mailpiece/IntelligentMail.h"
#include "mailpiece/Postnet.h"

namespace rp {
namespace {

TEST(ZipCharacterTest, OnlyAsciiDigitsBlanksAndHyphens) {
    for (QChar c : QStringLiteral("0123456789 -"))
        EXPECT_TRUE(isZipCharacter(c)) << int(c.unicode());
    for (QChar c : QStringLiteral("\uff10\uff19\u0660\u0669\u06f5\u0966\u00b2\u00b9_.A/"))
        EXPECT_FALSE(isZipCharacter(c)) << int(c.unicode());
    EXPECT_TRUE(isZipDigit(QLatin1Char('7')));
    EXPECT_FALSE(isZipDigit(QChar(0xff17)));  // full-width seven
}

TEST(ZipCharacterTest, AZipWithADigitOfAnotherScriptGetsNoBarcode) {
    const struct {
        QString zip;
        bool eligible;
    } cases[] = {
        {"12345", true},
        {"12345-6789", true},
        {"12345\uff16\uff17\uff18\uff19", false},  // full-width 6789
        {"12345\u0666\u0667\u0668\u0669", false},  // Arabic-Indic 6789
        {"12345\u00b2", false},                    // a superscript two
        {"\uff11\uff12\uff13\uff14\uff15", false},
        {"\u0661\u0662\u0663\u0664\u0665", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(barcodeEligible(true, c.zip), c.eligible) << c.zip.toStdString();
}

TEST(ZipCharacterTest, ARoutingCodeWithADigitOfAnotherScriptIsRefused) {
    const QString refused = "The ZIP code may hold only digits, blanks and hyphens.";
    const struct {
        QString zip;
        QString problem;
    } cases[] = {
        {"", ""},
        {"12345", ""},
        {" 12345-6789 ", ""},
        {"\uff11\uff12\uff13\uff14\uff15", refused},
        {"\u0661\u0662\u0663\u0664\u0665", refused},
        {"12345\uff16\uff17\uff18\uff19", refused},
        {"12345\u0666\u0667\u0668\u0669", refused},
    };
    for (const auto& c : cases) EXPECT_EQ(routingProblem(c.zip), c.problem) << c.zip.toStdString();
}

}  // namespace
}  // namespace rp
