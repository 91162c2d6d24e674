// The import windows and messages through a translation that brackets every text: whatever a
// user reads comes out marked, with the counts and file names in their places.
#include "ImportWindows.h"
#include "import/AsciiImport.h"
#include "import/DbfImport.h"
#include "import/ImportLayout.h"
#include "import/VcardImport.h"
#include "support/AddressFileFixture.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class ImportTranslationTest : public AddressFileFixture {
  protected:
    QString folder() const { return QString::fromStdString(dir.path()); }
    MarkingTranslator marking;
};

TEST_F(ImportTranslationTest, TheImportWindowsShowOnlyTranslatedTexts) {
    ImportWindows windows(table, folder());
    // The buttons of the match window name the address fields, which stay as they are.
    QStringList fieldNames{kNoMatchCaption};
    for (const MatchTarget& t : matchTargets()) fieldNames << QLatin1String(t.caption);
    for (const NamedWindow& w : windows.all()) {
        QStringList left = untranslatedTexts(*w.window);
        for (const QString& field : fieldNames) left.removeAll(field);
        EXPECT_EQ(left, QStringList()) << w.name;
    }
}

TEST_F(ImportTranslationTest, TheImportMessagesAreTranslatedWithTheirCounts) {
    using Ascii = AsciiImportResult::Outcome;
    using Dbf = DbfImportResult::Outcome;
    const std::pair<QString, QString> cases[] = {
        {asciiImportMessage({Ascii::Complete, 1, 1, 0, 0, 0, 0, {}}),
         "[Import complete. Imported 1 records.]"},
        {asciiImportMessage({Ascii::Cancelled, 12, 12, 0, 0, 0, 0, {}}),
         "[Import cancelled after importing 12 records.]"},
        {asciiImportMessage({Ascii::WriteError, 9, 7, 0, 0, 0, 0, "disk full"}),
         "[Unknown error writing to datafile after importing 7 records.]\r\ndisk full"},
        {dbfImportMessages({Dbf::Cancelled, 2, {}}).join('|'),
         "[Import cancelled after importing 2 records.]"},
        {dbfImportMessages({Dbf::Failed, 3, "disk full"}).join('|'),
         "[Unknown error while importing.]\r\ndisk full|[Import complete. Imported 3 records.]"},
        {openDbfSource(table, "/nowhere/SOURCE.DBF").refusal.section('\r', 0, 0),
         "[Unable to open the file /nowhere/SOURCE.DBF]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST_F(ImportTranslationTest, TheVcardImportsStatusLineIsTranslated) {
    QStringList shown;
    ImportHooks hooks;
    hooks.status = [&](const QString& text) { shown << text; };
    importVcards(table.table(), {}, hooks);
    EXPECT_EQ(shown, QStringList{"[Importing records]"});
}

}  // namespace
}  // namespace rp
