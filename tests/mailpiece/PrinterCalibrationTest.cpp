// A printer's correction: the figures measured in inches or millimetres rounded to the hundredth,
// kept per printer name in RAVENP.INI (names that would break an INI line escaped), removed again,
// never for "PDF file", and where marks are drawn once it applies.
#include <gtest/gtest.h>

#include <QFile>
#include <stdexcept>

#include "data/IniFile.h"
#include "mailpiece/PrinterCalibration.h"
#include "support/TempDir.h"

namespace rp {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PrinterCalibrationTest, MeasuredFiguresAreInchesToTheHundredth) {
    const struct {
        double value;
        MeasureUnit unit;
        double inches;
    } cases[] = {
        {0.0625, MeasureUnit::Inches, 0.06},     {-0.0625, MeasureUnit::Inches, -0.06},
        {0.005, MeasureUnit::Inches, 0.01},      {1.6, MeasureUnit::Millimetres, 0.06},
        {-2.54, MeasureUnit::Millimetres, -0.1}, {0.1, MeasureUnit::Millimetres, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_DOUBLE_EQ(measuredInches(c.value, c.unit), c.inches);
    }
    EXPECT_DOUBLE_EQ(inUnit(0.1, MeasureUnit::Millimetres), 2.54);
    EXPECT_DOUBLE_EQ(inUnit(0.1, MeasureUnit::Inches), 0.1);
}

TEST(PrinterCalibrationTest, TheStoredTextReadsBack) {
    const struct {
        const char* text;
        std::optional<PrinterCorrection> correction;
    } cases[] = {
        {"0.06,-0.03", PrinterCorrection{0.06, -0.03}},
        {" 0.0625 , 0.1 ", PrinterCorrection{0.06, 0.1}},
        {"0,0", PrinterCorrection{}},
        {"0.06", std::nullopt},
        {"a,b", std::nullopt},
        {"1,2,3", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseCorrection(QString::fromLatin1(c.text)), c.correction);
    }
    EXPECT_EQ(correctionText({0.06, -0.03}), QStringLiteral("0.06,-0.03"));
    EXPECT_EQ(correctionText({-0.001, 0.125}), QStringLiteral("0.00,0.13"));
}

TEST(PrinterCalibrationTest, KeptPerPrinterNameAndRemovedAgain) {
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("RAVENP.INI"));
    IniFile ini(path);
    storePrinterCorrection(ini, QStringLiteral("Office Laser"), {0.06, -0.03});
    storePrinterCorrection(ini, QStringLiteral("Back=Room"), {-0.125, 0.5});
    EXPECT_EQ(fileBytes(path), QByteArray("[Calibration]\r\n"
                                          "Office Laser=0.06,-0.03\r\n"
                                          "Back%3DRoom=-0.13,0.50\r\n"));
    EXPECT_EQ(loadPrinterCorrection(ini, QStringLiteral("Office Laser")),
              (PrinterCorrection{0.06, -0.03}));
    EXPECT_EQ(loadPrinterCorrection(ini, QStringLiteral("back=room")),
              (PrinterCorrection{-0.13, 0.5}));
    EXPECT_TRUE(loadPrinterCorrection(ini, QStringLiteral("Other")).none());

    // None removes the correction; the printer prints as drawn again.
    storePrinterCorrection(ini, QStringLiteral("Office Laser"), {});
    EXPECT_TRUE(loadPrinterCorrection(ini, QStringLiteral("Office Laser")).none());
}

TEST(PrinterCalibrationTest, ThePdfPrinterIsNeverCorrected) {
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("RAVENP.INI"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Calibration]\r\nPDF file=0.50,0.50\r\n");
    file.close();
    IniFile ini(path);
    EXPECT_TRUE(loadPrinterCorrection(ini, QStringLiteral("PDF file")).none());
    EXPECT_FALSE(calibratable(QStringLiteral("PDF file")));
    EXPECT_FALSE(calibratable(QString()));
    try {
        storePrinterCorrection(ini, QStringLiteral("PDF file"), {0.1, 0.1});
        FAIL() << "stored a correction for the PDF printer";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(),
                     "The printer \"PDF file\" cannot be calibrated: it prints exactly what is "
                     "drawn.");
    }
}

TEST(PrinterCalibrationTest, MarksAreDrawnBackByTheMeasuredAmounts) {
    EXPECT_EQ(correctedPosition(QPointF(1.5, 1.5), {0.06, -0.03}), QPointF(1.44, 1.53));
    EXPECT_EQ(correctedPosition(QPointF(1.5, 1.5), {}), QPointF(1.5, 1.5));
}

}  // namespace
}  // namespace rp
