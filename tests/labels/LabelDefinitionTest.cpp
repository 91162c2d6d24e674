// Label definitions: the validation rules at their edges and in their order, and the inch and
// millimetre conversions.
#include <gtest/gtest.h>

#include "labels/LabelDefinition.h"

namespace rp {
namespace {

// A valid definition: the Avery 5160 sheet.
LabelDefinition sheet() {
    LabelDefinition d;
    d.description = "Mine";
    d.labelHeight = 1.0f;
    d.labelWidth = 2.625f;
    d.across = 3;
    d.down = 10;
    d.horizontalPitch = 2.75f;
    d.verticalPitch = 1.0f;
    d.topMargin = 0.5f;
    d.leftMargin = 0.188f;
    d.sheetWidth = 8.5f;
    d.sheetDepth = 11.0f;
    d.paperSize = "LTR";
    return d;
}

const QString kHeight = "Label Height must be at least .3 inches (or 7mm)";
const QString kWidth = "Label Width must be at least .5 inch (or 13mm)";
const QString kHPitch = "Horizontal Pitch must be at least = Label Width";
const QString kVPitch = "Vertical Pitch must be at least = Label Height";
const QString kPageWidth = "Page Width must be at least .3 inch";
const QString kPageHeight = "Page Height must be at least .3 inches";
const QString kDescription = "You must provide a description";

template <class Change>
QString validAfter(Change change) {
    LabelDefinition d = sheet();
    change(d);
    return validLabel(d);
}

TEST(validLabel, EachRuleAtItsEdge) {
    EXPECT_EQ(validLabel(sheet()), "");
    EXPECT_EQ(validAfter([](auto& d) { d.labelHeight = d.verticalPitch = 0.3f; }), "");
    EXPECT_EQ(validAfter([](auto& d) { d.labelHeight = 0.299f; }), kHeight);
    EXPECT_EQ(validAfter([](auto& d) { d.labelWidth = 0.5f; }), "");
    EXPECT_EQ(validAfter([](auto& d) { d.labelWidth = 0.499f; }), kWidth);
    EXPECT_EQ(validAfter([](auto& d) { d.horizontalPitch = 2.625f; }), "");
    EXPECT_EQ(validAfter([](auto& d) { d.horizontalPitch = 2.624f; }), kHPitch);
    EXPECT_EQ(validAfter([](auto& d) { d.verticalPitch = 0.999f; }), kVPitch);
    // One across (or down) leaves its pitch unchecked.
    EXPECT_EQ(validAfter([](auto& d) { d.across = 1, d.horizontalPitch = 0; }), "");
    EXPECT_EQ(validAfter([](auto& d) { d.down = 1, d.verticalPitch = 0; }), "");
    EXPECT_EQ(validAfter([](auto& d) { d.across = 2, d.horizontalPitch = 2.0f; }), kHPitch);
    EXPECT_EQ(validAfter([](auto& d) { d.sheetWidth = 0.3f; }), "");
    EXPECT_EQ(validAfter([](auto& d) { d.sheetWidth = 0.299f; }), kPageWidth);
    EXPECT_EQ(validAfter([](auto& d) { d.sheetDepth = 0.3f; }), "");
    EXPECT_EQ(validAfter([](auto& d) { d.sheetDepth = 0.299f; }), kPageHeight);
    EXPECT_EQ(validAfter([](auto& d) { d.description.clear(); }), kDescription);
    EXPECT_EQ(validAfter([](auto& d) { d.description = " "; }),
              "");  // only an empty text is refused
}

TEST(validLabel, TheFirstFailingRuleSpeaks) {
    LabelDefinition d;  // everything zero, description "[enter description]"
    d.across = d.down = 2;
    EXPECT_EQ(validLabel(d), kHeight);
    d.labelHeight = 1;
    EXPECT_EQ(validLabel(d), kWidth);
    d.labelWidth = 1;
    EXPECT_EQ(validLabel(d), kHPitch);
    d.horizontalPitch = 1;
    EXPECT_EQ(validLabel(d), kVPitch);
    d.verticalPitch = 1;
    EXPECT_EQ(validLabel(d), kPageWidth);
    d.sheetWidth = 1;
    EXPECT_EQ(validLabel(d), kPageHeight);
    d.sheetDepth = 1;
    EXPECT_EQ(validLabel(d), "");
    d.description.clear();
    EXPECT_EQ(validLabel(d), kDescription);
}

TEST(LabelUnits, InchesAndMillimetres) {
    EXPECT_DOUBLE_EQ(inchesToMillimetres(1.0), 25.4);
    EXPECT_NEAR(inchesToMillimetres(8.27), 210.058, 1e-9);
    EXPECT_NEAR(inchesToMillimetres(11.69), 296.926, 1e-9);
    EXPECT_NEAR(millimetresToInches(25.4), 1.0, 1e-15);
    EXPECT_DOUBLE_EQ(millimetresToInches(1.0), 0.039370078740157480314);
    // 25 mm high and 66 mm wide are stored as 0.984 and 2.598.
    EXPECT_EQ(millimetresToStoredInches(25), 0.984f);
    EXPECT_EQ(millimetresToStoredInches(66), 2.598f);
    // The validation limits in millimetres: 7 mm is not .3 inch, 8 mm is; 13 mm is .512 inch.
    EXPECT_EQ(millimetresToStoredInches(7), 0.276f);
    EXPECT_EQ(millimetresToStoredInches(8), 0.315f);
    EXPECT_EQ(millimetresToStoredInches(13), 0.512f);
    EXPECT_EQ(millimetresToStoredInches(999), 39.331f);
}

}  // namespace
}  // namespace rp
