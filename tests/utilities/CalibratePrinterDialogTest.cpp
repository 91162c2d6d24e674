// "Calibrate Printer" offscreen: the measured figures in inches or millimetres, the expected and
// corrected crosshair positions, the correction kept per printer in RAVENP.INI and cleared
// again, "PDF file" never corrected, and the previewed page's frame.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "data/IniFile.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "framework/RecordedPages.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "utilities/CalibratePrinterDialog.h"
#include "utilities/CalibrationPositions.h"

namespace rp {
namespace {

class CalibratePrinterDialogTest : public ::testing::Test {
  protected:
    QByteArray iniBytes() const {
        QFile file(ini);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList column(const CalibratePrinterDialog& d, int c) const {
        QStringList out;
        for (int r = 0; r < d.positionsTable()->rowCount(); ++r)
            out << d.positionsTable()->item(r, c)->text();
        return out;
    }

    TempDir dir;
    QString ini = QString::fromStdString(dir.file("RAVENP.INI"));
    PrinterCatalog catalog{{QStringLiteral("Office Laser")}, QStringLiteral("Office Laser")};
    ScriptedMessages shown;
    MessagesScope scope{shown};
};

TEST(CalibrationPositionsTest, ExpectedAndCorrectedInInchesAndMillimetres) {
    const auto inches = calibrationPositions(QSizeF(8.5, 11), {0.06, -0.03}, MeasureUnit::Inches);
    ASSERT_EQ(inches.size(), 5u);
    const struct {
        const char* mark;
        const char* expected;
        const char* corrected;
    } rows[] = {{"Top left", "1.50, 1.50 in", "1.44, 1.53 in"},
                {"Top right", "7.00, 1.50 in", "6.94, 1.53 in"},
                {"Bottom left", "1.50, 9.50 in", "1.44, 9.53 in"},
                {"Bottom right", "7.00, 9.50 in", "6.94, 9.53 in"},
                {"Centre", "4.25, 5.50 in", "4.19, 5.53 in"}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(inches[i].mark, QString::fromLatin1(rows[i].mark));
        EXPECT_EQ(inches[i].expected, QString::fromLatin1(rows[i].expected));
        EXPECT_EQ(inches[i].corrected, QString::fromLatin1(rows[i].corrected));
    }
    const auto mm = calibrationPositions(QSizeF(8.5, 11), {0.1, 0}, MeasureUnit::Millimetres);
    EXPECT_EQ(mm[0].expected, QStringLiteral("38.10, 38.10 mm"));
    EXPECT_EQ(mm[0].corrected, QStringLiteral("35.56, 38.10 mm"));
}

TEST_F(CalibratePrinterDialogTest, FiguresShowTheCorrectedPositionsAndAreKeptForThePrinter) {
    CalibratePrinterDialog d(catalog, ini);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Calibrate Printer"));
    EXPECT_EQ(d.helpTopic(), HelpTopic::CalibratePrinter);
    EXPECT_EQ(d.printerList()->currentText(), QStringLiteral("Office Laser"));
    EXPECT_EQ(d.storedLabel()->text(), QStringLiteral("No correction is kept for this printer."));
    EXPECT_EQ(column(d, 1), column(d, 2));  // nothing entered: drawn where expected

    d.rightEdit()->setValue(0.06);
    d.downEdit()->setValue(-0.03);
    EXPECT_EQ(column(d, 2).first(), QStringLiteral("1.44, 1.53 in"));
    d.onSaveClicked();
    EXPECT_EQ(iniBytes(), QByteArray("[Calibration]\r\nOffice Laser=0.06,-0.03\r\n"));
    EXPECT_EQ(d.storedLabel()->text(), QStringLiteral("Kept: 0.06 right, -0.03 down (inches)."));

    // Millimetres: the figures turn into millimetres and back into the same inches.
    d.millimetresButton()->setChecked(true);
    EXPECT_NEAR(d.rightEdit()->value(), 1.52, 1e-9);
    EXPECT_EQ(column(d, 1).first(), QStringLiteral("38.10, 38.10 mm"));
    d.rightEdit()->setValue(2.54);
    EXPECT_EQ(d.enteredCorrection(), (PrinterCorrection{0.1, -0.03}));
    d.onSaveClicked();
    EXPECT_EQ(iniBytes(), QByteArray("[Calibration]\r\nOffice Laser=0.10,-0.03\r\n"));

    // A new window shows what is kept; Clear removes it.
    CalibratePrinterDialog again(catalog, ini);
    EXPECT_DOUBLE_EQ(again.rightEdit()->value(), 0.1);
    again.onClearClicked();
    EXPECT_TRUE(loadPrinterCorrection(IniFile(ini), QStringLiteral("Office Laser")).none());
    EXPECT_DOUBLE_EQ(again.rightEdit()->value(), 0);
}

TEST_F(CalibratePrinterDialogTest, ThePdfPrinterHasNoCorrectionAndPreviewsTheFrame) {
    catalog.select(PrinterCatalog::pdfPrinterName());
    CalibratePrinterDialog d(catalog, ini);
    EXPECT_FALSE(d.rightEdit()->isEnabled());
    EXPECT_FALSE(d.saveButton()->isEnabled());
    EXPECT_EQ(d.storedLabel()->text(),
              QStringLiteral("\"PDF file\" prints exactly what is drawn and is never corrected."));

    d.paperList()->setCurrentIndex(1);  // A4
    std::vector<QRectF> frames;
    d.previewHooks.showStatus = [](PrintStatusDialog& status) {
        status.show();
        while (status.outcome() == PrintOutcome::Pending) QApplication::processEvents();
        status.close();
    };
    d.previewHooks.showPreview = [&frames](const RecordedPages& pages, const QString&) {
        ASSERT_EQ(pages.pageCount(), 1);
        for (const ReportOp& op : pages.page(0))
            if (const auto* rect = std::get_if<RectOp>(&op)) frames.push_back(rect->rect);
    };
    d.onPreviewClicked();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_NEAR(frames[0].left(), 0.5, 1e-6);
    EXPECT_NEAR(frames[0].top(), 0.5, 1e-6);
    EXPECT_NEAR(frames[0].right(), 210 / 25.4 - 0.5, 1e-3);
    EXPECT_NEAR(frames[0].bottom(), 297 / 25.4 - 0.5, 1e-3);
}

}  // namespace
}  // namespace rp
