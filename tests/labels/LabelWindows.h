#pragma once
// Every window of the label layer, built over an address table and the label side tables,
// for the tests that look at each of them.
#include <vector>

#include "framework/PrinterCatalog.h"
#include "labels/FindLabelProductsDialog.h"
#include "labels/LabelDesignerDialog.h"
#include "labels/LabelFontDialog.h"
#include "labels/LabelProductCatalog.h"
#include "labels/LabelSetup.h"
#include "labels/LabelStockDialog.h"
#include "labels/PrintLabelsDialog.h"
#include "labels/SelectLabelStockDialog.h"
#include "postal/PresortDialog.h"
#include "support/KeyboardChecks.h"
#include "support/WindowsWithSideTables.h"
#include "xbase/Table.h"

namespace rp {

struct LabelWindows {
    LabelWindows(xbase::Table& addresses, xbase::Table& setups, xbase::Table& stocks,
                 const QString& folder)
        : print(addresses, setups, folder, catalog, &PresortDialog::run, true),
          select(stocks, QString(), QStringLiteral("LJ")),
          products(LabelProductCatalog::fromFolders({folder + "nowhere", {}})),
          find(products) {}

    std::vector<NamedWindow> all() {
        return {{"Print Labels", &print},
                {"Label Setup", &designer},
                {"Font", &font},
                {"Add Label Definition", &stock},
                {"Select Label Definition", &select},
                {"Find More Products", &find}};
    }

    PrinterCatalog catalog{{}, QString()};
    PrintLabelsDialog print;
    LabelDesignerDialog designer{defaultLabelSetup(), nullptr, 96};
    LabelFontDialog font{LabelFont{QStringLiteral("Arial"), 10, true, false}};
    LabelStockDialog stock;
    SelectLabelStockDialog select;
    LabelProductCatalog products;
    FindLabelProductsDialog find;
};

// The label windows over a new address file and the setups and stocks given.
using LabelWindowsWithFiles = WindowsWithSideTables<LabelWindows>;

}  // namespace rp
