// The address file's messages through a translation that brackets every text: each comes out
// marked, with the file, format or character in its place.
#include <gtest/gtest.h>

#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "data/FieldText.h"
#include "data/FilterLines.h"
#include "data/RecordView.h"
#include "support/MarkingTranslator.h"
#include "support/TempDir.h"
#include "xbase/Engine.h"

namespace rp {
namespace {

TEST(DataTranslationTest, MessagesAreTranslatedWithTheirValuesInPlace) {
    MarkingTranslator marking;
    const std::pair<QString, const char*> cases[] = {
        {exclusiveOpenMessage(),
         "[Unable to open this file exclusively. Possibly in use by another program or user]"},
        {filterTooComplexMessage(), "[Sorry - filter is too complex.Please simplify it.]"},
        {outOfRangeMessage(), "[Current record is out of range. Starting with first record]"},
        {invalidDateMessage(QStringLiteral("dd.mm.yy")),
         "[Invalid date. Must be in the format:dd.mm.yy]"},
        {unstorableMessage(QStringLiteral("\u20ac")),
         "[The character \"\u20ac\" cannot be stored in a Ravenpost file.]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, QString::fromUtf8(expected));
}

TEST(DataTranslationTest, NoticesOfOpeningAreTranslatedWithThePathInPlace) {
    MarkingTranslator marking;
    TempDir dir;
    xbase::Engine engine;
    AddressTable table(engine);
    const QString missing = QString::fromStdString(dir.file("GONE.DBF"));
    EXPECT_EQ(openAddressTable(missing, table).notices,
              QStringList{QStringLiteral("[File %1 not found]").arg(missing)});
}

}  // namespace
}  // namespace rp
