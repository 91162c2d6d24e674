// The presort and ZIP count windows and status lines through a translation that brackets every
// text: whatever a user reads comes out marked, with the record numbers in their places.
#include "PostalWindows.h"
#include "PresortFixture.h"
#include "postal/ReadingStatus.h"
#include "postal/ZipCount.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class PostalTranslationTest : public PresortFixture {
  protected:
    MarkingTranslator marking;
};

TEST_F(PostalTranslationTest, ThePostalWindowsShowOnlyTranslatedTexts) {
    PostalWindows windows(table.table(), folder());
    for (const NamedWindow& w : windows.all())
        EXPECT_EQ(untranslatedTexts(*w.window), QStringList()) << w.name;
}

TEST_F(PostalTranslationTest, TheCountsStatusLinesAreTranslated) {
    QStringList shown;
    ASSERT_TRUE(countZipCodes(table.table(),
                              {[&](const QString& text) { shown << text; }, [] { return true; }}));
    EXPECT_EQ(shown, (QStringList{"[Reading database records...]", "[Sorting Zip Codes...]"}));
    EXPECT_EQ(readingRecordStatus(1200), "[Reading record 1200]");
}

}  // namespace
}  // namespace rp
