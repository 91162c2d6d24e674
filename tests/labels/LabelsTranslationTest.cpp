// The label windows and messages through a translation that brackets every text: whatever a
// user reads comes out marked, with the values in their places.
#include <gtest/gtest.h>

#include "LabelSideFixture.h"
#include "LabelWindows.h"
#include "labels/LabelDefinition.h"
#include "labels/LabelDesignerModel.h"
#include "labels/LabelFiles.h"
#include "labels/LabelPrintJob.h"
#include "labels/LabelSheet.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class LabelsTranslationTest : public LabelSideTest {
  protected:
    MarkingTranslator marking;
};

TEST_F(LabelsTranslationTest, TheLabelWindowsShowOnlyTranslatedTexts) {
    LabelWindowsWithFiles made(engine, path("LIST.DBF"), folder(), open("RVPLSU.DBF"),
                               open("RVPLBLS.DBF"));
    for (const NamedWindow& w : made.windows.all())
        EXPECT_EQ(untranslatedTexts(*w.window), QStringList()) << w.name;
    EXPECT_EQ(made.windows.designer.windowTitle(), "[Label Setup ]");
}

TEST_F(LabelsTranslationTest, MessagesAreTranslatedWithTheValuesInPlace) {
    LabelDefinition shortLabel;
    shortLabel.labelHeight = 0.2f;
    LabelSetup letterSheet = defaultLabelSetup();
    letterSheet.sheetWidth = 8.5f;
    letterSheet.sheetDepth = 11;
    letterSheet.paperSize = QStringLiteral("LTR");
    const std::pair<QString, QString> cases[] = {
        {validLabel(shortLabel), "[Label Height must be at least .3 inches (or 7mm)]"},
        {labelFontInfo(LabelFont{QStringLiteral("Arial"), 12, true, true}),
         "[Arial,12 pt., Bold, Italic]"},
        {labelFontInfo(LabelFont{QStringLiteral("Courier"), 9, false, false}), "[Courier,9 pt.]"},
        {paperSizeCaption(paperSizes()[3]), "[A4 Landscape ( 297 x 210mm)]"},
        {presortOrderMessage(),
         "[Labels will print/preview in the following order:\r\n  1. 5-Digit presort\r\n  2. "
         "3-Digit presort\r\n  3. ADC presort]"},
        {paperQuestion(letterSheet),
         "[Ravenpost was unable to confirm that the paper size was set to\r\n\r\n8.50\" by "
         "11.00\"\r\n\r\n(you may have the wrong printer selected)\r\n\r\nWould you like to try "
         "printing anyways?]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rp
