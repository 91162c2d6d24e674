// Labels the preview window records while it shows them are the labels recorded in full: the
// same operations on the same pages, presorted with separator labels and two copies each.
#include <gtest/gtest.h>

#include "data/AddressLayout.h"
#include "labels/LabelPrintJob.h"
#include "postal/Presort.h"
#include "support/AddressFileFixture.h"
#include "support/RecordedOps.h"
#include "support/ScriptedMessages.h"

namespace rp {
namespace {

class LivePreviewLabelsTest : public AddressFileFixture {};

TEST_F(LivePreviewLabelsTest, PresortedCopiesRecordTheSamePagesLiveAsInFull) {
    table->deleteIndexes();
    // A five-digit group, a three-digit group and records the list leaves out.
    for (int i = 0; i < 40; ++i)
        add({{"LNAME", "Five" + std::to_string(i)}, {"STREET", "12 Main St"}, {"ZIP", "83702"}});
    for (int i = 0; i < 12; ++i)
        add({{"LNAME", "Three" + std::to_string(i)}, {"ZIP", "837" + std::to_string(10 + i)}});
    add({{"LNAME", "No zip"}});
    ASSERT_TRUE(createAddressTags(table));
    const QString folder = QString::fromStdString(dir.path()) + '/';
    ASSERT_EQ(runPresort(table.table(), folder), PresortResult::Done);

    LabelPrintRequest request;
    request.setup = defaultLabelSetup();
    request.setup.barcode = true;
    request.presort = true;
    request.copies = 2;
    const ReportJob job = labelReportJob(table.table(), request, folder);
    table->setOrder("ZIP");
    table->goTop();
    const PageOps full = loggedPages(job);
    table->goTop();
    const PageOps live = livePages(job);
    ASSERT_EQ(full.size(), 4u);  // 104 labels and two separators, 30 to a sheet
    EXPECT_EQ(live.size(), full.size());
    EXPECT_EQ(differences(live, full), 0);
}

}  // namespace
}  // namespace rp
