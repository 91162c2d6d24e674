// The utility windows and messages through a translation that brackets every text: whatever a
// user reads comes out marked, with the values in their places.
#include <QTableView>

#include "framework/PrinterCatalog.h"
#include "support/AddressFileFixture.h"
#include "support/MarkingTranslator.h"
#include "utilities/CalibratePrinterDialog.h"
#include "utilities/ConvertToUppercaseDialog.h"
#include "utilities/CopyRecordsOutDialog.h"
#include "utilities/DeleteRecordsDialog.h"
#include "utilities/DuplicateCheckDialog.h"
#include "utilities/SearchReplace.h"
#include "utilities/SearchReplaceDialog.h"
#include "utilities/StateZipCheckDialog.h"

namespace rp {
namespace {

class UtilitiesTranslationTest : public AddressFileFixture {
  protected:
    QString folder() const { return QString::fromStdString(dir.path()) + "/"; }
    MarkingTranslator marking;
};

TEST_F(UtilitiesTranslationTest, TheUtilityWindowsShowOnlyTranslatedTexts) {
    ConvertToUppercaseDialog uppercase(table.table(), true);
    DeleteRecordsDialog deletion(table.table(), QStringLiteral("STATE='NY'"));
    CopyRecordsOutDialog copy(table.table(), folder(), [](xbase::JulianDay) { return QString(); });
    SearchReplaceDialog searchReplace(table.table(), true);
    StateZipCheckDialog stateZip(table.table(), folder());
    DuplicateCheckDialog duplicates(table.table(), folder());
    PrinterCatalog catalog{{QStringLiteral("Office Laser")}, QStringLiteral("Office Laser")};
    CalibratePrinterDialog calibrate(catalog, folder() + "RAVENP.INI");
    const std::pair<const char*, const QWidget*> windows[] = {
        {"Convert To Uppercase", &uppercase}, {"Delete Records", &deletion},
        {"Copy Records Out", &copy},          {"Search and Replace", &searchReplace},
        {"Check State and Zip", &stateZip},   {"Check and Repair Duplicates", &duplicates},
        {"Calibrate Printer", &calibrate}};
    for (const auto& [name, window] : windows)
        EXPECT_EQ(untranslatedTexts(*window), QStringList()) << name;
}

TEST_F(UtilitiesTranslationTest, TheSearchAndReplaceMessagesAreTranslatedWhole) {
    const auto field = [](const char* name) {
        for (const ReplaceableField& f : replaceableFields())
            if (std::string_view(f.name) == name) return f;
        return ReplaceableField{};
    };
    const SearchReplaceRequest emptied{field("LNAME"), MatchKind::ExactlyEqual,   "",
                                       true,           ReplaceAction::WholeField, ""};
    const SearchReplaceRequest replaced{field("STREET"), MatchKind::Contains,         "Main",
                                        false,           ReplaceAction::MatchingText, "Elm"};
    const std::pair<QString, QString> cases[] = {
        {replaceDescription(emptied),
         "[Find records where field [LastName]\r[is empty ]\r[and delete the entire field ]]"},
        {replaceDescription(replaced),
         "[Find records where field [Street]\r[contains: \"Main\" (not case sensitive)]\r"
         "[and replace only the matching text with \"Elm\"]]"},
        {tooLongMessage(1),
         "[1 record was left unchanged: the new value would not fit in the field.]"},
        {tooLongMessage(3),
         "[3 records were left unchanged: the new value would not fit in the field.]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rp
