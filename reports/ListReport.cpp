#include "reports/ListReport.h"

#include "xbase/Table.h"

#include <QCoreApplication>

namespace rp {

QStringList reportLayoutNames() {
    return {QCoreApplication::translate("ListReport", "1. Name,Address,City,State,Zip,Phone"),
            QCoreApplication::translate("ListReport", "2. Name,Organization,Phone,Fax"),
            QCoreApplication::translate("ListReport", "3. Organization,Name,Phone,Fax "),
            QCoreApplication::translate("ListReport", "4. All fields (takes several lines)")};
}

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

QString reportPreviewCaption() {
    return QCoreApplication::translate("ListReport", "Preview Report");
}

PrintStatusTexts listReportStatusTexts() {
    return PrintStatusTexts::forJob(QCoreApplication::translate("ListReport", "Report"));
}

}  // namespace rp
