#pragma once
// Every window of the envelope layer, built over an address table and the envelope side
// tables, for the tests that look at each of them.
#include <vector>

#include "envelopes/EnvelopeDesignerDialog.h"
#include "envelopes/EnvelopeSetup.h"
#include "envelopes/EnvelopeSizeDialog.h"
#include "envelopes/PrintEnvelopeDialog.h"
#include "envelopes/ReturnAddressDialog.h"
#include "envelopes/SelectEnvelopeSizeDialog.h"
#include "framework/PrinterCatalog.h"
#include "support/KeyboardChecks.h"
#include "support/WindowsWithSideTables.h"
#include "xbase/Table.h"

namespace rp {

struct EnvelopeWindows {
    EnvelopeWindows(xbase::Table& addresses, xbase::Table& setups, xbase::Table& sizes,
                    const QString& folder)
        : print(setups, addresses, catalog,
                {[](const QString&, const QString&) { return QString(); },
                 [](const QString&, const QString&, const QString&) {}}),
          designer(defaultEnvelopeSetup(), addresses, folder, nullptr, 96),
          select(sizes, QString()) {}

    std::vector<NamedWindow> all() {
        return {{"Print Envelope", &print},
                {"Envelope Designer", &designer},
                {"Envelope Size", &size},
                {"Return Address", &returnAddress},
                {"Select Envelope Size", &select}};
    }

    PrinterCatalog catalog{{}, QString()};
    PrintEnvelopeDialog print;
    EnvelopeDesignerDialog designer;
    EnvelopeSizeDialog size{EnvelopeSize{}};
    ReturnAddressDialog returnAddress{QStringList{}};
    SelectEnvelopeSizeDialog select;
};

// The envelope windows over a new address file and the setups and sizes given.
using EnvelopeWindowsWithFiles = WindowsWithSideTables<EnvelopeWindows>;

}  // namespace rp
