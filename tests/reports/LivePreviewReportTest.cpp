// A list report the preview window records while it shows it is the report recorded in full:
// the same operations on the same pages, with codes and memo bands that cross pages.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "data/AddressLayout.h"
#include "data/RecordText.h"
#include "reports/ListReport.h"
#include "support/AddressFileFixture.h"
#include "support/RecordedOps.h"

namespace rp {
namespace {

class LivePreviewReportTest : public AddressFileFixture {};

// Each page's heading shows the time of day it was drawn: two recordings a second apart
// differ there and nowhere else, so the time is left out of the comparison.
PageOps withoutTimeOfDay(PageOps pages) {
    const QRegularExpression time(QStringLiteral("^\\d{1,2}:\\d{2}(:\\d{2})?( [AP]M)?$"));
    for (auto& page : pages)
        for (ReportOp& op : page)
            if (auto* run = std::get_if<TextRun>(&op); run && time.match(run->text).hasMatch())
                run->text = QStringLiteral("TIME");
    return pages;
}

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
    const PageOps full = withoutTimeOfDay(loggedPages(job));
    chooseReportRecords(table.table(), request, 1);
    const PageOps live = withoutTimeOfDay(livePages(job));
    ASSERT_GE(full.size(), 4u);
    EXPECT_EQ(live.size(), full.size());
    EXPECT_EQ(differences(live, full), 0);
}

}  // namespace
}  // namespace rp
