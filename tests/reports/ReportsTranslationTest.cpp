// The Print Report window and the report's texts through a translation that brackets every
// text: whatever a user reads comes out marked, with the values in their places.
#include <QLineEdit>

#include "ReportWindows.h"
#include "reports/ListReport.h"
#include "reports/ReportTexts.h"
#include "support/AddressFileFixture.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class ReportsTranslationTest : public AddressFileFixture {
  protected:
    MarkingTranslator marking;
};

TEST_F(ReportsTranslationTest, ThePrintReportWindowShowsOnlyTranslatedTexts) {
    ReportWindows windows(table.table(), QString::fromStdString(dir.path()));
    PrintReportDialog& dialog = windows.print;
    EXPECT_EQ(untranslatedTexts(dialog), QStringList());
    EXPECT_EQ(dialog.titleBox()->text(), "[Report for: LIST.DBF]");
}

TEST_F(ReportsTranslationTest, TheReportsOwnTextsAreTranslated) {
    ReportFields fields;
    fields.phone = QStringLiteral("555-0100");
    fields.fax = QStringLiteral("555-0199");
    const std::pair<QString, QString> cases[] = {
        {reportLayoutNames().join('|'),
         "[1. Name,Address,City,State,Zip,Phone]|[2. Name,Organization,Phone,Fax]|"
         "[3. Organization,Name,Phone,Fax ]|[4. All fields (takes several lines)]"},
        {reportPreviewCaption(), "[Preview Report]"},
        {reportPhoneAndFax(fields), "[Ph: 555-0100  ][Fax: 555-0199  ]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rp
