// What a dialog would show, written by a job without a window as one line: a message and its
// cause joined with ": ", a file named by both said once, other line breaks made blanks.
#include <gtest/gtest.h>

#include "batch/BatchMessages.h"
#include "framework/Messages.h"

namespace rp {
namespace {

TEST(BatchMessagesTest, OneLineJoinsAMessageAndItsCauseWithAColon) {
    const struct {
        QString text;
        QString line;
    } cases[] = {
        {withCause("Unable to open /x/LIST.DBF",
                   "/x/LIST.DBF is open exclusively by another program or user"),
         "Unable to open /x/LIST.DBF: it is open exclusively by another program or user"},
        {withCause("Unable to open this file exclusively. Possibly in use by another program or "
                   "user: /x/R.DBF",
                   "/x/R.DBF is in use by another program or user and cannot be opened "
                   "exclusively"),
         "Unable to open this file exclusively. Possibly in use by another program or user: "
         "/x/R.DBF: it is in use by another program or user and cannot be opened exclusively"},
        {withCause("Unable to open /x/My Lists/A.DBF",
                   "/x/My Lists/A.DBF: the memo file's header is shorter than 512 bytes"),
         "Unable to open /x/My Lists/A.DBF: the memo file's header is shorter than 512 bytes"},
        {withCause("Unable to open RVPSZCK.DBF", "RVPSZCK.DBF"), "Unable to open RVPSZCK.DBF"},
        // A cause that names another file, or none, is written whole.
        {withCause("Unable to open /x/A.DBF", "/x/A.FPT is missing"),
         "Unable to open /x/A.DBF: /x/A.FPT is missing"},
        {withCause("Unable to open /x/A.DBF", "Permission denied"),
         "Unable to open /x/A.DBF: Permission denied"},
        {withCause("Create failed", "Cannot create /x/A.DBF: No space left on device"),
         "Create failed: Cannot create /x/A.DBF: No space left on device"},
        // After punctuation the cause follows with a blank.
        {withCause("The letter could not be read whole.", "Unexpected end of the RTF text"),
         "The letter could not be read whole. Unexpected end of the RTF text"},
        {withCause("Unable to open /x/A.DBF", ""), "Unable to open /x/A.DBF"},
        // A sentence broken over lines, a numbered list, blank lines and indents.
        {"The index file for /x/A.DBF\r\nis missing or invalid. Please select [Rebuild Indexes]"
         "\r\nfrom the [File] menu",
         "The index file for /x/A.DBF is missing or invalid. Please select [Rebuild Indexes] "
         "from the [File] menu"},
        {"Labels will print/preview in the following order:\r\n  1. 5-Digit presort\r\n  2. "
         "3-Digit presort\r\n  3. ADC presort",
         "Labels will print/preview in the following order: 1. 5-Digit presort 2. 3-Digit "
         "presort 3. ADC presort"},
        {"/x/A.CSV already exists.\r\nDo you want to overwrite it?",
         "/x/A.CSV already exists. Do you want to overwrite it?"},
        {"\r\n\r\n  Current record is out of range.  \r\n", "Current record is out of range."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BatchMessages::oneLine(c.text).toStdString(), c.line.toStdString())
            << c.text.toStdString();
}

}  // namespace
}  // namespace rp
