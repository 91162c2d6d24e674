// The Intelligent Mail barcode: the published examples' bar letters, the checks of each part
// with their messages, the serials, the bars on the canvas in inches, and the settings in the
// initialisation file.
#include <gtest/gtest.h>

#include <stdexcept>

#include "data/IniFile.h"
#include "framework/ReportCanvas.h"
#include "mailpiece/BarSection.h"
#include "mailpiece/BarcodePicture.h"
#include "mailpiece/IntelligentMail.h"
#include "mailpiece/PostalBarcode.h"
#include "support/ReportLog.h"
#include "support/TempDir.h"

namespace rp {
namespace {

const MailerTracking kExample{"01", "234", "567094", 987654321};

TEST(IntelligentMailTest, PublishedExamplesForEachRoutingLength) {
    struct Row {
        const char* routing;
        const char* letters;
    };
    for (const Row& row : {
             Row{"", "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT"},
             Row{"01234", "DTTAFADDTTFTDTFTFDTDDADADAFADFATDDFTAAAFDTTADFAAATDFDTDFADDDTDFFT"},
             Row{"012345678", "ADFTTAFDTTTTFATTADTAAATFTFTATDAAAFDDADATATDTDTTDFDTDATADADTDFFTFA"},
             Row{"01234567891",
                 "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA"},
         }) {
        EXPECT_EQ(barLetters(intelligentMailBars(kExample, row.routing)), row.letters)
            << row.routing;
    }
}

TEST(IntelligentMailTest, EachPartIsCheckedWithItsMessage) {
    const QString id = "The barcode identifier must be 2 digits, the second of them 0 to 4.";
    const QString mailer = "The mailer ID must be 6 or 9 digits.";
    const QString first =
        "A mailer ID of 6 digits begins with 0 to 8, one of 9 digits begins with 9.";
    EXPECT_EQ(barcodeIdProblem("05"), id);
    EXPECT_EQ(barcodeIdProblem("1"), id);
    EXPECT_EQ(barcodeIdProblem("4A"), id);
    EXPECT_EQ(barcodeIdProblem("14"), "");
    EXPECT_EQ(serviceTypeProblem("23"), "The service type must be 3 digits.");
    EXPECT_EQ(serviceTypeProblem("700"), "");
    EXPECT_EQ(mailerIdProblem("5670941"), mailer);
    EXPECT_EQ(mailerIdProblem("56709X"), mailer);
    EXPECT_EQ(mailerIdProblem("967094"), first);
    EXPECT_EQ(mailerIdProblem("123456789"), first);
    EXPECT_EQ(mailerIdProblem("912345678"), "");
    // The mailer ID decides the serial's length.
    EXPECT_EQ(serialProblem("987654321", "567094"), "");
    EXPECT_EQ(serialProblem("987654321", "912345678"),
              "With a mailer ID of 9 digits the serial number is 1 to 6 digits.");
    EXPECT_EQ(serialProblem("", "567094"),
              "With a mailer ID of 6 digits the serial number is 1 to 9 digits.");
    EXPECT_EQ(routingProblem("1234A"), "The ZIP code may hold only digits, blanks and hyphens.");
    EXPECT_EQ(routingProblem("1234"), "The ZIP code must have 5, 9 or 11 digits, or none.");
    EXPECT_EQ(routingProblem("12345-6789"), "");

    MailerTracking wrong = kExample;
    wrong.barcodeId = "05";
    try {
        intelligentMailBars(wrong, "");
        FAIL() << "a barcode identifier ending in 5 was encoded";
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), "Intelligent Mail barcode: " + id);
    }
    EXPECT_THROW(intelligentMailBars(kExample, "1234A"), std::invalid_argument);
}

TEST(IntelligentMailTest, SerialsFollowOnAndWrapAtTheirLength) {
    EXPECT_EQ(trackingDigits(MailerTracking{"00", "700", "912345678", 42}), "00700912345678000042");
    EXPECT_EQ(followingSerial(41, "567094"), 42u);
    EXPECT_EQ(followingSerial(999999999, "567094"), 0u);
    EXPECT_EQ(followingSerial(999999, "912345678"), 0u);
    EXPECT_EQ(trackingProblem(MailerTracking{"00", "700", "912345678", 1000000}),
              "With a mailer ID of 9 digits the serial number is 1 to 6 digits.");
}

TEST(IntelligentMailTest, BarsStandAtTheirPitchWithTheirFourHeights) {
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.start();
    canvas.setOrigin(1.0, 2.0);
    canvas.gotoXY(0, 0);
    const std::vector<FourStateBar> bars = intelligentMailBars(kExample, "01234567891");
    fourStateSection(canvas, bars);
    canvas.finish();

    ASSERT_EQ(log.fills().size(), 1u);
    const std::vector<QRectF> rects = log.fills()[0].rects;
    ASSERT_EQ(rects.size(), 65u);
    // A A D T F: ascenders from the top, a descender down to the bottom, the tracker between.
    struct Row {
        int index;
        double top, bottom;
    };
    for (const Row& row :
         {Row{0, 2.0, 2.0965}, Row{2, 2.0485, 2.145}, Row{3, 2.0485, 2.0965}, Row{4, 2.0, 2.145}}) {
        EXPECT_NEAR(rects[row.index].top(), row.top, 1e-9) << row.index;
        EXPECT_NEAR(rects[row.index].bottom(), row.bottom, 1e-9) << row.index;
        EXPECT_NEAR(rects[row.index].left(), 1.0 + row.index / 22.0, 1e-9);
        EXPECT_NEAR(rects[row.index].width(), 0.020, 1e-9);
    }
    // The whole barcode: 64 pitches and a bar, within the postal limits of 2.667 to 3.225.
    const double length = rects[64].right() - rects[0].left();
    EXPECT_NEAR(length, 64 / 22.0 + 0.020, 1e-9);
    EXPECT_GT(length, 2.667);
    EXPECT_LT(length, 3.225);
}

TEST(IntelligentMailTest, SettingsRoundTripAndEachPieceTakesTheNextSerial) {
    TempDir dir;
    IniFile ini(QString::fromStdString(dir.path()) + "/RAVENP.INI");
    EXPECT_EQ(loadPostalBarcode(ini).symbology, BarcodeSymbology::Postnet);
    savePostalBarcode(ini, {BarcodeSymbology::IntelligentMail, kExample});
    PostalBarcodeSettings loaded = loadPostalBarcode(ini);
    EXPECT_EQ(loaded.symbology, BarcodeSymbology::IntelligentMail);
    EXPECT_EQ(trackingDigits(loaded.tracking), "01234567094987654321");

    loaded.tracking.serial = 999999998;
    PieceBarcoder barcoder(loaded);
    ReportLog log;
    ReportCanvas canvas(log);
    canvas.start();
    for (int i = 0; i < 3; ++i) barcoder.draw(canvas, "12345", "1 Main St");
    EXPECT_EQ(barcoder.serialsUsed(), 3u);
    EXPECT_EQ(barcoder.nextSerial(), 1u);
    saveNextSerial(ini, barcoder.nextSerial());
    EXPECT_EQ(ini.readString("PostalBarcode", "NextSerial"), "1");

    PieceBarcoder postnet;
    postnet.draw(canvas, "12345", "1 Main St");
    EXPECT_EQ(postnet.serialsUsed(), 0u);
    ASSERT_EQ(log.fills().size(), 4u);
    EXPECT_EQ(log.fills()[3].rects.size(), 32u);
}

TEST(IntelligentMailTest, DesignerPicturesShowEachSymbologysBars) {
    // Bars that reach the top but not the bottom (ascenders) and bars that reach neither
    // (trackers) are Intelligent Mail's alone; POSTNET bars all stand on the baseline.
    auto kinds = [](const QImage& picture) {
        int ascenders = 0, trackers = 0;
        for (int x = 0; x < picture.width(); ++x) {
            const bool top = qGray(picture.pixel(x, 0)) < 128;
            const bool middle = qGray(picture.pixel(x, picture.height() / 2)) < 128;
            const bool bottom = qGray(picture.pixel(x, picture.height() - 1)) < 128;
            ascenders += top && !bottom;
            trackers += middle && !top && !bottom;
        }
        return std::pair{ascenders, trackers};
    };
    const QImage postnet = barcodePicture(BarcodeSymbology::Postnet, QSize(248, 12));
    const QImage imb = barcodePicture(BarcodeSymbology::IntelligentMail, QSize(248, 12));
    ASSERT_EQ(imb.size(), QSize(248, 12));
    EXPECT_EQ(kinds(postnet), std::pair(0, 0));
    EXPECT_GT(kinds(imb).first, 0);
    EXPECT_GT(kinds(imb).second, 0);
}

}  // namespace
}  // namespace rp
