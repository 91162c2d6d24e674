// Page lengths in inches, centimetres and twips, and the refusals of a page layout.
#include <gtest/gtest.h>

#include "letters/PageUnits.h"

namespace rp {
namespace {

TEST(PageUnitsTest, FormatsTwipsInEachUnit) {
    struct Row {
        int twips;
        PageUnit unit;
        const char* shown;
    };
    for (const Row& row : {Row{1440, PageUnit::Inch, "1.00"}, Row{1440, PageUnit::Cm, "2.54"},
                           Row{1440, PageUnit::Twips, "1440"}, Row{12240, PageUnit::Inch, "8.50"},
                           Row{567, PageUnit::Cm, "1.00"}, Row{0, PageUnit::Cm, "0.00"},
                           Row{-720, PageUnit::Inch, "-0.50"}, Row{-5, PageUnit::Twips, "-5"}})
        EXPECT_EQ(formatTwips(row.twips, row.unit), row.shown) << row.twips << " " << row.shown;
}

TEST(PageUnitsTest, ParsesTextsToRoundedTwips) {
    struct Row {
        const char* text;
        PageUnit unit;
        std::optional<int> twips;
    };
    const Row rows[] = {
        {"2.54", PageUnit::Cm, 1440},
        {"1", PageUnit::Inch, 1440},
        {"1440", PageUnit::Twips, 1440},
        {"", PageUnit::Inch, 0},
        {"  ", PageUnit::Cm, 0},
        {"abc", PageUnit::Inch, std::nullopt},
        {"0.5", PageUnit::Twips, 1},
        {"-0.5", PageUnit::Twips, -1},
        {"2.5", PageUnit::Twips, 3},
        {"0.49", PageUnit::Twips, 0},
        {"1.5", PageUnit::Twips, 2},
        {"-1", PageUnit::Inch, -1440},
        {".5", PageUnit::Inch, 720},
        {"3.", PageUnit::Inch, 4320},
        {"1", PageUnit::Cm, 567},
        {"-", PageUnit::Inch, std::nullopt},
        {".", PageUnit::Inch, std::nullopt},
        {"-.", PageUnit::Cm, std::nullopt},
        {"1,5", PageUnit::Inch, std::nullopt},
        {"1e3", PageUnit::Twips, std::nullopt},
        {"+1", PageUnit::Inch, std::nullopt},
        {"1.2.3", PageUnit::Inch, std::nullopt},
        {"99999999", PageUnit::Inch, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(parseToTwips(QString::fromLatin1(row.text), row.unit), row.twips) << row.text;
}

TEST(PageUnitsTest, NamesTheFirstFaultOfALayout) {
    struct Row {
        PageLayout layout;  // width, height, left, right, top, bottom
        std::optional<QString> fault;
    };
    const Row rows[] = {
        {{12240, 15840, 1440, 1440, 1440, 1440}, std::nullopt},
        {{0, 15840, 0, 0, 0, 0}, "Width must be greater than 0"},
        {{-1, 0, 0, 0, 0, 0}, "Width must be greater than 0"},
        {{100, 0, 0, 0, 0, 0}, "Height must be greater than 0"},
        {{100, 100, 0, 0, -1, 0}, "Top must not be negative"},
        {{100, 100, 0, 0, 0, -1}, "Bottom must not be negative"},
        {{100, 100, -1, 0, 0, 0}, "Left must not be negative"},
        {{100, 100, 0, -1, 0, 0}, "Right must not be negative"},
        {{100, 100, 50, 50, 0, 0}, "Left and Right leave no room for text on the page"},
        {{100, 100, 49, 50, 50, 50}, "Top and Bottom leave no room for text on the page"},
        {{100, 100, 49, 50, 49, 50}, std::nullopt},
        {{100, 100, 2147483647, 2147483647, 0, 0},
         "Left and Right leave no room for text on the page"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(pageLayoutFault(row.layout), row.fault)
            << row.layout.paperWidth << " " << row.layout.leftMargin;
}

}  // namespace
}  // namespace rp
