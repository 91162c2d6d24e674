#pragma once
// Every window of the envelope layer, built over an address table and the envelope side
// tables, for the tests that look at each of them.
#include <memory>
#include <vector>

#include "data/AddressTable.h"

#include "envelopes/EnvelopeDesignerDialog.h"
#include "envelopes/EnvelopeSetup.h"
#include "envelopes/EnvelopeSizeDialog.h"
#include "envelopes/PrintEnvelopeDialog.h"
#include "envelopes/ReturnAddressDialog.h"
#include "envelopes/SelectEnvelopeSizeDialog.h"
#include "framework/PrinterCatalog.h"
#include "support/KeyboardChecks.h"
#include "support/NewAddressFile.h"
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

// The envelope windows with what they are built over: a new address file ADDRESS.DBF in folder
// and the side tables given.
struct EnvelopeWindowsWithFiles {
    EnvelopeWindowsWithFiles(xbase::Engine& engine, const QString& folder,
                             std::unique_ptr<xbase::Table> setupTable,
                             std::unique_ptr<xbase::Table> sizeTable)
        : addresses(engine),
          setups(std::move(setupTable)),
          sizes(std::move(sizeTable)),
          windows(newAddressFile(folder + "ADDRESS.DBF", addresses), *setups, *sizes, folder) {}

    AddressTable addresses;
    std::unique_ptr<xbase::Table> setups;
    std::unique_ptr<xbase::Table> sizes;
    EnvelopeWindows windows;
};

}  // namespace rp
