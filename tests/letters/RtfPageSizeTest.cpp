// The page an RTF file states, fitted to what can be laid out and printed: sides cut to 200
// inches, nonsense sizes replaced by Letter paper, margins kept within the page, each change
// told in a note.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "letters/RtfPageLayout.h"
#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace rp {
namespace {

TEST(RtfPageSize, StatedPagesAreFittedInTwips) {
    struct Case {
        const char* name;
        QByteArray words;
        PageLayout page;
        QStringList notes;
    };
    const Case cases[] = {
        {"none stated", "", {12240, 15840, 1800, 1800, 1440, 1440}, {}},
        {"A4 as stated",
         "\\paperw11906\\paperh16838\\margl1417\\margr1134\\margt1134\\margb1134",
         {11906, 16838, 1417, 1134, 1134, 1134},
         {}},
        {"200 inches a side kept",
         "\\paperw288000\\paperh288000",
         {288000, 288000, 1800, 1800, 1440, 1440},
         {}},
        {"the largest number as width",
         "\\paperw2147483647",
         {288000, 15840, 1800, 1800, 1440, 1440},
         {"The RTF page of 1491308.09 x 11.00 inches is larger than a page can be printed (200 "
          "inches a side): it is cut to 200.00 x 11.00 inches."}},
        {"one twip too high",
         "\\paperw12240\\paperh288001",
         {12240, 288000, 1800, 1800, 1440, 1440},
         {"The RTF page of 8.50 x 200.00 inches is larger than a page can be printed (200 inches "
          "a side): it is cut to 8.50 x 200.00 inches."}},
        {"more digits than an int holds",
         "\\paperh99999999999999999999",
         {12240, 288000, 1800, 1800, 1440, 1440},
         {"The RTF page of 8.50 x 1491308.09 inches is larger than a page can be printed (200 "
          "inches a side): it is cut to 8.50 x 200.00 inches."}},
        {"zero width",
         "\\paperw0\\paperh20160",
         {12240, 15840, 1800, 1800, 1440, 1440},
         {"The RTF page size of 0 x 20160 twips is not a page size: the letter is laid out on "
          "Letter paper."}},
        {"negative height",
         "\\paperw11906\\paperh-16838",
         {12240, 15840, 1800, 1800, 1440, 1440},
         {"The RTF page size of 11906 x -16838 twips is not a page size: the letter is laid out "
          "on Letter paper."}},
        {"negative margins are the defaults",
         "\\margl-1\\margr-2147483647\\margt-5\\margb-5",
         {12240, 15840, 1800, 1800, 1440, 1440},
         {}},
        {"margins as wide as the page",
         "\\paperw12000\\margl6000\\margr6000\\margt0\\margb0",
         {12000, 15840, 3000, 3000, 0, 0},
         {"The RTF margins leave no room for text on the page: they are cut to 2.08 inches "
          "left, 2.08 right, 0.00 top and 0.00 bottom."}},
        {"huge margins on a huge page",
         "\\paperw300000\\paperh300000\\margl2147483647\\margr2147483647\\margt1440\\margb1440",
         {288000, 288000, 72000, 72000, 1440, 1440},
         {"The RTF page of 208.33 x 208.33 inches is larger than a page can be printed (200 "
          "inches a side): it is cut to 200.00 x 200.00 inches.",
          "The RTF margins leave no room for text on the page: they are cut to 50.00 inches "
          "left, 50.00 right, 1.00 top and 1.00 bottom."}},
        {"default margins on a tiny page",
         "\\paperw2000\\paperh2000",
         {2000, 2000, 500, 500, 500, 500},
         {"The RTF margins leave no room for text on the page: they are cut to 0.35 inches "
          "left, 0.35 right, 0.35 top and 0.35 bottom."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument read;
        QStringList notes;
        ASSERT_EQ(readRtf("{\\rtf1\\ansi " + c.words + "\\pard Text\\par}", read, &notes),
                  std::nullopt);
        EXPECT_EQ(pageLayout(read), c.page);
        EXPECT_EQ(notes, c.notes);
        QTextDocument again;
        QStringList againNotes;
        ASSERT_EQ(readRtf(writeRtf(read), again, &againNotes), std::nullopt);
        EXPECT_EQ(pageLayout(again), c.page);
        EXPECT_EQ(againNotes, QStringList{});
    }
}

}  // namespace
}  // namespace rp
