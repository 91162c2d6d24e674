#include "reports/ListReport.h"

#include "xbase/Table.h"

namespace rp {

const std::array<QString, 4> kReportLayoutNames{
    QStringLiteral("1. Name,Address,City,State,Zip,Phone"),
    QStringLiteral("2. Name,Organization,Phone,Fax"),
    QStringLiteral("3. Organization,Name,Phone,Fax "),
    QStringLiteral("4. All fields (takes several lines)")};

const char* reportLayoutTag(int layout) {
    return layout == 3 ? "ORG" : "LNAME";
}

void chooseReportRecords(xbase::Table& table, const ListReportRequest& request,
                         std::uint32_t current) {
    table.setOrder(reportLayoutTag(request.layout));
    selectPrintRecords(table, request.records, current);
    if (goToPrintStart(table, request.startFromCurrent, current)) return;
    if (request.layout != 4) {
        // Records whose key sorts before "0" (an empty name, one starting with a blank or a
        // punctuation character below the digits) are left out.
        xbase::Settings& settings = table.engine().settings;
        const bool softSeek = settings.softSeek;
        settings.softSeek = true;
        table.seek("0");
        settings.softSeek = softSeek;
    }
}

PrintStatusTexts listReportStatusTexts() {
    return PrintStatusTexts::forJob(QStringLiteral("Report"));
}

}  // namespace rp
