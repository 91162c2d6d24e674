#pragma once
// Every window of the postal layer, built over an address table and a folder, for the tests
// that look at each of them.
#include <vector>

#include "postal/PresortDialog.h"
#include "postal/ZipCountDialog.h"
#include "support/KeyboardChecks.h"
#include "xbase/Table.h"

namespace rp {

struct PostalWindows {
    PostalWindows(xbase::Table& addresses, const QString& folder)
        : presort(addresses, folder, nullptr), count(addresses) {}

    // The presort runs as soon as it is shown; Escape asks "Cancel PRESORT?" as Cancel does.
    std::vector<NamedWindow> all() {
        return {{"Presort", &presort, false}, {"Count Zip Codes", &count}};
    }

    PresortDialog presort;
    ZipCountDialog count;
};

}  // namespace rp
