// A list report the preview window records while it shows it is the report recorded in full:
// the same operations on the same pages, with codes and memo bands that cross pages.
#include <gtest/gtest.h>

#include "RecordedOps.h"
#include "app/AddressFileFixture.h"
#include "data/AddressLayout.h"
#include "data/RecordText.h"
#include "reports/ListReport.h"

namespace rp {
namespace {

class LivePreviewReportTest : public AddressFileFixture {};

TEST_F(LivePreviewReportTest, MemoBandsAcrossPagesRecordTheSamePagesLiveAsInFull) {
    engine.settings.hideDeleted = true;
    table->setFilter(kStandingCondition.toStdString());
    QStringList memo;
    for (int i = 0; i < 90; ++i) memo << QStringLiteral("Memo line %1").arg(i);
    for (int r = 0; r < 6; ++r) {
        table->appendBlank();
        table->setText("LNAME", "Reader" + std::to_string(r));
        table->setText("NOTES", "CODE" + std::to_string(r));
        if (r % 2 == 0) setMemoText(table.table(), "MEMO", memo.join(QStringLiteral("\r\n")));
        table->post();
    }
    ListReportRequest request;
    request.layout = 1;
    request.title = QStringLiteral("Members");
    request.records = ReportRecords::All;
    request.memo = true;
    request.codes = true;
    chooseReportRecords(table.table(), request, 1);
    const ReportJob job = listReportJob(table.table(), request);
    const PageOps full = loggedPages(job);
    chooseReportRecords(table.table(), request, 1);
    const PageOps live = livePages(job);
    ASSERT_GE(full.size(), 4u);
    EXPECT_EQ(live.size(), full.size());
    EXPECT_EQ(differences(live, full), 0);
}

}  // namespace
}  // namespace rp
