#pragma once
// Every window of the import layer, built over an address table and a folder, for the tests
// that look at each of them.
#include <vector>

#include "import/AsciiImportDialog.h"
#include "import/AsciiMatchDialog.h"
#include "import/DbfImportDialog.h"
#include "import/ImportLayout.h"
#include "import/VcardImportDialog.h"
#include "support/KeyboardChecks.h"

namespace rp {

struct ImportWindows {
    ImportWindows(AddressTable& addresses, const QString& folder)
        : ascii(addresses, folder), dbf(addresses, folder), vcard(addresses, folder) {}

    std::vector<NamedWindow> all() {
        return {{"ASCII File Import", &ascii},
                {"DBF File Import", &dbf},
                {"vCard File Import", &vcard},
                {"Match Fields", &match}};
    }

    AsciiImportDialog ascii;
    DbfImportDialog dbf;
    VcardImportDialog vcard;
    AsciiMatchDialog match{ImportLayout{}, {{"Rye", "NY"}}};
};

}  // namespace rp
