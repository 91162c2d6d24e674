// Where labels land on the sheet when the run starts at a later label of a partly used sheet,
// and when a calibrated printer's correction moves the drawing back by what the printer puts
// it off (positions in inches from the sheet's top-left corner).
#include <gtest/gtest.h>

#include "framework/ReportCanvas.h"
#include "framework/ShiftedSurface.h"
#include "labels/LabelPrintRun.h"
#include "labels/LabelSheet.h"
#include "mailpiece/PrinterCalibration.h"
#include "support/AddressFileFixture.h"
#include "support/ReportLog.h"

namespace rp {
namespace {

constexpr double kNear = 1e-5;

struct Placed {
    QString text;
    int page = 0;
    double x = 0;
    double top = 0;
};

class LabelStartAndCorrectionTest : public AddressFileFixture {
  protected:
    void SetUp() override {
        AddressFileFixture::SetUp();
        setup.contents.street = false;
        setup.contents.cityState = false;
        setup.contents.zip = false;  // one line a label: the name
    }

    void addNamed(int n) {
        for (int i = 1; i <= n; ++i) add({{"LNAME", QStringLiteral("N%1").arg(i).toStdString()}});
        table->goTop();
    }

    std::vector<Placed> print(int startLabel, int copies = 1, PrinterCorrection correction = {}) {
        ReportLog log;
        ShiftedSurface surface(log, correction.drawingOffset());
        ReportCanvas canvas(surface);
        selectPaper(canvas, labelPaper(setup));
        EXPECT_TRUE(canvas.start());
        LabelPrintRun run(table.table(), setup, copies);
        run.startAtLabel(startLabel);
        run.printLabels(canvas, [] { return true; });
        canvas.finish();
        pages = log.pages();
        std::vector<Placed> out;
        for (const ReportLog::Entry& e : log.entries())
            if (const auto* text = std::get_if<TextRun>(&e.op))
                out.push_back({text->text.trimmed(), e.page, text->x, text->box.top()});
        return out;
    }

    LabelSetup setup = defaultLabelSetup();  // 3 across, 10 down
    int pages = 0;
};

void expectPlaced(const std::vector<Placed>& placed, const std::vector<Placed>& expected) {
    ASSERT_EQ(placed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text.toStdString());
        EXPECT_EQ(placed[i].text, expected[i].text);
        EXPECT_EQ(placed[i].page, expected[i].page);
        EXPECT_NEAR(placed[i].x, expected[i].x, kNear);
        EXPECT_NEAR(placed[i].top, expected[i].top, kNear);
    }
}

TEST_F(LabelStartAndCorrectionTest, FiveLabelsFromLabelTwentyEightFillTheSheetAndGoOnToTheNext) {
    addNamed(5);
    // Labels 28, 29 and 30 are the last row (y 0.5 + 9 + 0.25); the rest start the next sheet.
    expectPlaced(print(28), {{"N1", 1, 0.438, 9.75},
                             {"N2", 1, 3.188, 9.75},
                             {"N3", 1, 5.938, 9.75},
                             {"N4", 2, 0.438, 0.75},
                             {"N5", 2, 3.188, 0.75}});
    EXPECT_EQ(pages, 2);
}

TEST_F(LabelStartAndCorrectionTest, StartLabelsAcrossThenDownWithCopiesFollowingOn) {
    addNamed(2);
    const struct {
        int start;
        int copies;
        std::vector<Placed> expected;
    } cases[] = {
        // Label 1 (the default) is the sheet's first; a number outside the sheet is label 1.
        {1, 1, {{"N1", 1, 0.438, 0.75}, {"N2", 1, 3.188, 0.75}}},
        {0, 1, {{"N1", 1, 0.438, 0.75}, {"N2", 1, 3.188, 0.75}}},
        {31, 1, {{"N1", 1, 0.438, 0.75}, {"N2", 1, 3.188, 0.75}}},
        // Label 5 is the second row's middle one; copies go on from there across, then down.
        {5, 1, {{"N1", 1, 3.188, 1.75}, {"N2", 1, 5.938, 1.75}}},
        {5,
         2,
         {{"N1", 1, 3.188, 1.75},
          {"N1", 1, 5.938, 1.75},
          {"N2", 1, 0.438, 2.75},
          {"N2", 1, 3.188, 2.75}}},
        // The last label of the sheet: the second record starts the next sheet.
        {30, 1, {{"N1", 1, 5.938, 9.75}, {"N2", 2, 0.438, 0.75}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        table->goTop();
        expectPlaced(print(c.start, c.copies), c.expected);
    }
}

TEST_F(LabelStartAndCorrectionTest, ACorrectionMovesEveryLabelBackByTheMeasuredAmounts) {
    addNamed(4);
    const struct {
        PrinterCorrection correction;
        double dx;
        double dy;
    } cases[] = {
        {{}, 0, 0},                    // no correction: the labels where they always were
        {{0.06, 0.03}, -0.06, -0.03},  // lands right and low: drawn left and higher
        {{-0.1, 0.25}, 0.1, -0.25},    // lands left and low
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(correctionText(c.correction).toStdString());
        table->goTop();
        expectPlaced(print(1, 1, c.correction), {{"N1", 1, 0.438 + c.dx, 0.75 + c.dy},
                                                 {"N2", 1, 3.188 + c.dx, 0.75 + c.dy},
                                                 {"N3", 1, 5.938 + c.dx, 0.75 + c.dy},
                                                 {"N4", 1, 0.438 + c.dx, 1.75 + c.dy}});
    }
}

}  // namespace
}  // namespace rp
