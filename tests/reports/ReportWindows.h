#pragma once
// Every window of the reports layer, built over an address table and a folder, for the tests
// that look at each of them.
#include <vector>

#include "framework/PrinterCatalog.h"
#include "reports/PrintReportDialog.h"
#include "support/KeyboardChecks.h"
#include "xbase/Table.h"

namespace rp {

struct ReportWindows {
    ReportWindows(xbase::Table& addresses, const QString& folder)
        : print(addresses, catalog, folder + "/RAVENP.INI", QStringLiteral("LIST.DBF"), true,
                QStringLiteral("MM/dd/yyyy")) {}

    std::vector<NamedWindow> all() { return {{"Print Report", &print}}; }

    PrinterCatalog catalog{{}, QString()};
    PrintReportDialog print;
};

}  // namespace rp
