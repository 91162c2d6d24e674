// "ravenpost-batch barcode --zip": only "0" to "9", blanks and hyphens are ZIP characters;
// digits of other scripts (full-width, Arabic-Indic, superscript) are refused like any other
// character, never dropped from what is encoded.
#include <gtest/gtest.h>

#include "BatchFixture.h"

namespace rp {
namespace {

class BarcodeZipTest : public BatchFixture {
  protected:
    void SetUp() override {
        BatchFixture::SetUp();
        handOver();
    }
};

TEST_F(BarcodeZipTest, OnlyAsciiDigitsBlanksAndHyphensAreZipCharacters) {
    const QString refused =
        "ravenpost-batch barcode: The ZIP code may hold only digits, blanks and hyphens.\n";
    const QString imb = "01,234,567094,987654321";
    const struct {
        QStringList arguments;
        int status;
        QString out;
        QString err;
    } cases[] = {
        {{"--zip", "12345"}, 0, "123455\nFHHHFFHHFHFHHFFHHFHHFHFHFHHFHFHF\n", ""},
        {{"--zip", " 12345 "}, 0, "123455\nFHHHFFHHFHFHHFFHHFHHFHFHFHHFHFHF\n", ""},
        {{"--zip", "12345-6789"},
         0,
         "1234567895\nFHHHFFHHFHFHHFFHHFHHFHFHFHHFFHHFHHHFFHHFHFHFHHHFHFHF\n",
         ""},
        {{"--zip", "\uff11\uff12\uff13\uff14\uff15"}, 1, "", refused},  // full-width 12345
        {{"--zip", "\u0661\u0662\u0663\u0664\u0665"}, 1, "", refused},  // Arabic-Indic 12345
        {{"--zip", "12345\uff16\uff17\uff18\uff19"}, 1, "", refused},
        {{"--zip", "12345\u0666\u0667\u0668\u0669"}, 1, "", refused},
        {{"--zip", "12345\u00b2"}, 1, "", refused},  // a superscript two
        {{"--zip", "\uff11\uff12\uff13\uff14\uff15", "--imb", imb}, 1, "", refused},
        {{"--zip", "12345\uff16\uff17\uff18\uff19", "--imb", imb}, 1, "", refused},
        {{"--zip", "12345_6789"}, 1, "", refused},
    };
    for (const auto& c : cases) {
        const BatchRun run = batch(QStringList{"barcode"} + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.out.toStdString(), c.out.toStdString())
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.toStdString(), c.err.toStdString())
            << c.arguments.join(' ').toStdString();
    }
}

}  // namespace
}  // namespace rp
