#pragma once
// Every window of the utilities layer, built over an address table and a program folder, for
// the tests that look at each of them.
#include <vector>

#include "framework/PrinterCatalog.h"
#include "support/KeyboardChecks.h"
#include "utilities/CalibratePrinterDialog.h"
#include "utilities/ConvertToUppercaseDialog.h"
#include "utilities/CopyRecordsOutDialog.h"
#include "utilities/DeleteRecordsDialog.h"
#include "utilities/DuplicateCheckDialog.h"
#include "utilities/SearchReplaceDialog.h"
#include "utilities/StateZipCheckDialog.h"
#include "xbase/Table.h"

namespace rp {

struct UtilityWindows {
    UtilityWindows(xbase::Table& addresses, const QString& folder)
        : uppercase(addresses, true),
          deletion(addresses, QStringLiteral("STATE='NY'")),
          copy(addresses, folder, [](xbase::JulianDay) { return QString(); }),
          searchReplace(addresses, true),
          stateZip(addresses, folder),
          duplicates(addresses, folder),
          calibrate(catalog, folder + "RAVENP.INI") {}

    std::vector<NamedWindow> all() {
        return {{"Convert To Uppercase", &uppercase}, {"Delete Records", &deletion},
                {"Copy Records Out", &copy},          {"Search and Replace", &searchReplace},
                {"Check State and Zip", &stateZip},   {"Check and Repair Duplicates", &duplicates},
                {"Calibrate Printer", &calibrate}};
    }

    PrinterCatalog catalog{{QStringLiteral("Office Laser")}, QStringLiteral("Office Laser")};
    ConvertToUppercaseDialog uppercase;
    DeleteRecordsDialog deletion;
    CopyRecordsOutDialog copy;
    SearchReplaceDialog searchReplace;
    StateZipCheckDialog stateZip;
    DuplicateCheckDialog duplicates;
    CalibratePrinterDialog calibrate;
};

}  // namespace rp
