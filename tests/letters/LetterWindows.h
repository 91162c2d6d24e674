#pragma once
// Every window of the letter layer, built over the letters file, a letter and an address
// table, for the tests that look at each of them.
#include <QTextDocument>
#include <memory>
#include <vector>

#include "data/AddressTable.h"

#include "framework/PrinterCatalog.h"
#include "letters/LetterDesignerDialog.h"
#include "letters/LetterPreviewDialog.h"
#include "letters/PagePropertiesDialog.h"
#include "letters/PageUnits.h"
#include "letters/PrintLettersDialog.h"
#include "support/KeyboardChecks.h"
#include "support/NewAddressFile.h"
#include "xbase/Table.h"

namespace rp {

struct LetterWindows {
    LetterWindows(xbase::Table& letters, const QTextDocument& letter, xbase::Table& addresses)
        : print(letters, catalog, true, nullptr),
          designer(QString(), &letter),
          preview(letter, addresses, QStringLiteral("12/08/2026")) {}

    std::vector<NamedWindow> all() {
        return {{"Print Letters", &print},
                {"Letter Designer", &designer},
                {"Preview Letters", &preview},
                {"Page Properties", &page}};
    }

    PrinterCatalog catalog{{}, QString()};
    PrintLettersDialog print;
    LetterDesignerDialog designer;
    LetterPreviewDialog preview;
    PagePropertiesDialog page{PageLayout{}};
};

// The letter windows with what they are built over: the letters file given, the letter given
// and a new address file ADDRESS.DBF in folder.
struct LetterWindowsWithFiles {
    LetterWindowsWithFiles(xbase::Engine& engine, const QString& folder, xbase::Table& letters,
                           std::unique_ptr<QTextDocument> shownLetter)
        : addresses(engine),
          letter(std::move(shownLetter)),
          windows(letters, *letter, newAddressFile(folder + "ADDRESS.DBF", addresses)) {}

    AddressTable addresses;
    std::unique_ptr<QTextDocument> letter;
    LetterWindows windows;
};

}  // namespace rp
