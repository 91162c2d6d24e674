// The label print run on a test log, in inches: where each label's text lies on the sheet,
// the next sheet, the lines of the block with the barcode above them,
// trimming, and the presorted walk with its separator labels and copies side by side.
#include <gtest/gtest.h>

#include <optional>

#include "framework/ReportCanvas.h"
#include "labels/LabelPrintRun.h"
#include "labels/LabelSheet.h"
#include "support/AddressFileFixture.h"
#include "support/ReportLog.h"

namespace rp {
namespace {

constexpr double kNear = 1e-5;

struct Placed {
    int page = 0;
    QPointF at;  // left edge and top of the line
};

class LabelPrintRunTest : public AddressFileFixture {
  protected:
    // Runs the labels of the table's view from the record it stands on.
    void print(const LabelSetup& setup, int copies = 1, std::optional<QStringList> presort = {}) {
        ReportCanvas canvas(log);
        selectPaper(canvas, labelPaper(setup));
        ASSERT_TRUE(canvas.start());
        LabelPrintRun run(table.table(), setup, copies);
        if (presort) run.usePresortList(*presort);
        run.printLabels(canvas, [] { return true; });
        canvas.finish();
    }

    // Where every run of this text was printed.
    std::vector<Placed> placed(const QString& text) const {
        std::vector<Placed> out;
        for (const ReportLog::Entry& e : log.entries())
            if (const auto* run = std::get_if<TextRun>(&e.op); run && run->text == text)
                out.push_back({e.page, QPointF(run->x, run->box.top())});
        return out;
    }

    void addNamed(int n) {
        for (int i = 1; i <= n; ++i)
            add({{"LNAME", QStringLiteral("N%1").arg(i, 2, 10, QChar('0')).toStdString()}});
        table->goTop();
    }

    ReportLog log;
};

void expectAt(const std::vector<Placed>& runs, int page, double x, double y) {
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].page, page);
    EXPECT_NEAR(runs[0].at.x(), x, kNear);
    EXPECT_NEAR(runs[0].at.y(), y, kNear);
}

TEST_F(LabelPrintRunTest, LabelsFillRowsAcrossThenDownAndTheThirtyFirstStartsTheNextSheet) {
    addNamed(31);
    print(defaultLabelSetup());
    EXPECT_EQ(log.pages(), 2);
    EXPECT_EQ(log.paper(), ReportPaper::standard(PaperKind::Letter));
    expectAt(placed("N01 "), 1, 0.438, 0.75);
    expectAt(placed("N02 "), 1, 3.188, 0.75);
    expectAt(placed("N03 "), 1, 5.938, 0.75);
    expectAt(placed("N04 "), 1, 0.438, 1.75);
    expectAt(placed("N30 "), 1, 5.938, 9.75);
    expectAt(placed("N31 "), 2, 0.438, 0.75);
    EXPECT_EQ(log.texts().size(), 31u);

    // The run starts with the record the table stands on, on the sheet's first label; margins
    // and offsets of another stock move every label alike.
    log = ReportLog();
    LabelSetup shifted = defaultLabelSetup();
    shifted.leftMargin = 0.5f;
    shifted.topMargin = 0.25f;
    shifted.xOffset = 0.125f;
    shifted.yOffset = 0.1f;
    shifted.across = 2;
    shifted.horizontalPitch = 4.0f;
    table->goTop();
    for (int i = 0; i < 29; ++i) table->skip();
    print(shifted);
    EXPECT_EQ(log.textStrings(), QStringList({"N30 ", "N31 "}));
    expectAt(placed("N30 "), 1, 0.625, 0.35);
    expectAt(placed("N31 "), 1, 4.625, 0.35);
}

TEST_F(LabelPrintRunTest, AddressLinesInCapitalsWithTheBarcodeAboveTheFirstLine) {
    add({{"PREFIX", "Dr."},
         {"FNAME", "Jane"},
         {"MIDDLE", "Q"},
         {"LNAME", "Public"},
         {"STREET", "123 Main St"},
         {"CITY", "Springfield"},
         {"STATE", "IL"},
         {"ZIP", "12345-6789"}});
    table->goTop();
    LabelSetup setup = defaultLabelSetup();
    setup.barcode = true;
    setup.contents.uppercase = true;
    setup.trimText = false;
    print(setup);

    EXPECT_EQ(log.textStrings(),
              QStringList({"DR. JANE Q. PUBLIC ", "123 MAIN ST", "SPRINGFIELD  IL 12345-6789"}));
    const std::vector<TextRun> runs = log.texts();
    const double lineHeight = runs[0].box.height();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_NEAR(runs[i].x, 0.438, kNear);
        EXPECT_NEAR(runs[i].box.top(), 0.75 + lineHeight * double(i), kNear);
    }

    // 9 ZIP digits, delivery point 23, correction digit 0: 12 digits between two frame bars.
    // One fill of 62 bars, each 0.01 inch wide centred on its pitch.
    EXPECT_TRUE(log.lines().empty());
    ASSERT_EQ(log.fills().size(), 1u);
    const std::vector<QRectF> bars = log.fills()[0].rects;
    ASSERT_EQ(bars.size(), 62u);
    EXPECT_NEAR(bars.front().center().x(), 0.438, kNear);
    EXPECT_NEAR(bars.front().left(), 0.438 - 0.005, kNear);
    EXPECT_NEAR(bars.front().width(), 0.01, kNear);
    EXPECT_NEAR(bars.front().top(), 0.75 - 0.165, kNear);
    EXPECT_NEAR(bars.front().bottom(), 0.75 - 0.165 + 0.125, kNear);
    EXPECT_NEAR(bars[1].top(), 0.75 - 0.165 + 0.0625, kNear);  // digit 1 starts with a half bar
    EXPECT_NEAR(bars[1].bottom(), 0.75 - 0.165 + 0.125, kNear);
    EXPECT_NEAR(bars.back().center().x(), 0.438 + 61 * 0.045, kNear);
}

TEST_F(LabelPrintRunTest, TrimmingShortensLinesAndDropsThoseBelowTheLabel) {
    add({{"LNAME", "Abcdefghijklmnopqrstuvwxyz"}, {"STREET", "1 Long Street"}, {"CITY", "Reno"}});
    table->goTop();
    LabelSetup setup = defaultLabelSetup();
    setup.labelWidth = 1.0f;
    print(setup);
    const QString name = log.textStrings().value(0);
    ASSERT_FALSE(name.isEmpty());
    EXPECT_TRUE(QStringLiteral("Abcdefghijklmnopqrstuvwxyz ").startsWith(name))
        << name.toStdString();
    ReportCanvas measure(log);
    measure.setFont(ReportFont{"Arial", 10, false, false});
    EXPECT_LE(measure.textWidth(name) + 0.25, 1.0);
    EXPECT_GT(
        measure.textWidth(QStringLiteral("Abcdefghijklmnopqrstuvwxyz ").left(name.size() + 1)) +
            0.25,
        1.0);

    // An offset past the label's width leaves every line empty; they still take their lines.
    log = ReportLog();
    setup.xOffset = 3.0f;
    table->goTop();
    print(setup);
    EXPECT_EQ(log.textStrings(), QStringList({"", "", ""}));

    // A label too low for a line: nothing with trimming, everything past its edge without.
    log = ReportLog();
    setup = defaultLabelSetup();
    setup.labelHeight = 0.3f;
    table->goTop();
    print(setup);
    EXPECT_TRUE(log.texts().empty());
    log = ReportLog();
    setup.trimText = false;
    table->goTop();
    print(setup);
    EXPECT_EQ(log.textStrings(),
              QStringList({"Abcdefghijklmnopqrstuvwxyz ", "1 Long Street", "Reno  "}));
}

TEST_F(LabelPrintRunTest, PresortedRunPrintsEachKeyOnceAfterItsSeparatorLabel) {
    add({{"LNAME", "Five1"}, {"ZIP", "12345"}});
    add({{"LNAME", "Short"}, {"ZIP", "123"}});
    add({{"LNAME", "Left out"}, {"ZIP", "99999"}});
    add({{"LNAME", "Five2"}, {"ZIP", "12345-6789"}});
    add({{"LNAME", "Other"}, {"ZIP", "12399"}});
    table->setOrder("ZIP");
    LabelSetup setup = defaultLabelSetup();
    setup.contents.zip = false;  // the name line alone
    const QStringList list{"** 3-digit 123", "123", "12345", "12399", "** Unknown", "00000"};
    engine.settings.exact = true;  // off while the run lasts, then on again
    print(setup, 2, list);
    EXPECT_TRUE(engine.settings.exact);

    EXPECT_EQ(log.textStrings(),
              QStringList({"** 3-digit 123", "Short ", "Short ", "Five1 ", "Five1 ", "Five2 ",
                           "Five2 ", "Other ", "Other ", "** Unknown"}));
    // The separator takes one label, each copy the next, on into the next row.
    expectAt(placed("** 3-digit 123"), 1, 0.438, 0.75);
    EXPECT_NEAR(placed("Short ")[0].at.x(), 3.188, kNear);
    EXPECT_NEAR(placed("Short ")[1].at.x(), 5.938, kNear);
    EXPECT_NEAR(placed("Five2 ")[0].at.x(), 5.938, kNear);
    EXPECT_NEAR(placed("Five2 ")[1].at.x(), 0.438, kNear);
    EXPECT_NEAR(placed("Five2 ")[1].at.y(), 2.75, kNear);
    expectAt(placed("** Unknown"), 1, 0.438, 3.75);
}

}  // namespace
}  // namespace rp
