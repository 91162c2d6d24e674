// The batch commands' texts on standard error through a translation that brackets every text:
// progress lines and errors come out marked, with the counts and names in their places.
#include <gtest/gtest.h>

#include "batch/BatchArgs.h"
#include "batch/BatchError.h"
#include "batch/BatchProgress.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

TEST(BatchTranslationTest, ProgressLinesAreTranslated) {
    const MarkingTranslator marking;
    EXPECT_EQ(BatchProgress::barLine(QStringLiteral("labels"), 5, 10, 2.0),
              "[labels [##########          ] 50 % 5 of 10 records][, 2 records/s]");
    EXPECT_EQ(BatchProgress::tenthLine(QStringLiteral("labels"), 3, 30, 100),
              "[labels: 30 % (30 of 100 records)]");
}

TEST(BatchTranslationTest, OptionErrorsAreTranslated) {
    const MarkingTranslator marking;
    const OptionNames names{{QStringLiteral("home")}, {QStringLiteral("quiet")}};
    const struct {
        QStringList arguments;
        const char* error;
    } cases[] = {
        {{"count", "A.DBF", "--bogus"}, "[unknown option --bogus]"},
        {{"count", "A.DBF", "--quiet=yes"}, "[--quiet takes no value]"},
        {{"count", "A.DBF", "--home"}, "[--home needs a value]"},
    };
    for (const auto& c : cases) {
        try {
            BatchArgs args(c.arguments, names);
            ADD_FAILURE() << c.error;
        } catch (const BatchError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
    }
}

}  // namespace
}  // namespace rp
