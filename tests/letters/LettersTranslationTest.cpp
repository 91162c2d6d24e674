// The letter windows and messages through a translation that brackets every text: whatever a
// user reads comes out marked, with the values in their places.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "LettersFixture.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "framework/PrinterCatalog.h"
#include "letters/LetterDesignerDialog.h"
#include "letters/LetterPreviewDialog.h"
#include "letters/LetterPrintRun.h"
#include "letters/PagePropertiesDialog.h"
#include "letters/PageUnits.h"
#include "letters/PrintLettersDialog.h"
#include "letters/RtfReader.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class LettersTranslationTest : public LettersFixture {
  protected:
    MarkingTranslator marking;
};

TEST_F(LettersTranslationTest, TheLetterWindowsShowOnlyTranslatedTexts) {
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
    const auto letter = letterOf(QStringLiteral("Dear [First],"));
    PrinterCatalog catalog{{}, QString()};
    PrintLettersDialog print(*letters, catalog, true, nullptr);
    LetterDesignerDialog designer(QString(), letter.get());
    LetterPreviewDialog preview(*letter, addresses.table(), QStringLiteral("12/08/2026"));
    PagePropertiesDialog page(PageLayout{});
    const std::pair<const char*, const QWidget*> windows[] = {{"Print Letters", &print},
                                                              {"Letter Designer", &designer},
                                                              {"Preview Letters", &preview},
                                                              {"Page Properties", &page}};
    for (const auto& [name, window] : windows) {
        QStringList left = untranslatedTexts(*window);
        left.removeAll(catalog.selected());  // the printer's own name
        EXPECT_EQ(left, QStringList()) << name;
    }
}

TEST_F(LettersTranslationTest, MessagesAreTranslated) {
    const PageLayout narrow{12240, 15840, 7000, 7000, 1440, 1440};
    QTextDocument document;
    const std::pair<QString, QString> cases[] = {
        {findPageLayoutFault(PageLayout{0, 15840, 0, 0, 0, 0}).value().message,
         "[Width must be greater than 0]"},
        {findPageLayoutFault(narrow).value().message,
         "[Left and Right leave no room for text on the page]"},
        {noTextAreaMessage(), "[The letter's margins leave no room for text on the page.]"},
        {readRtf("hello", document).value_or(QString()), "[The text is not RTF]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rp
