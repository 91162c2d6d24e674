// The envelope windows and messages through a translation that brackets every text: whatever a
// user reads comes out marked, with the values in their places.
#include <gtest/gtest.h>

#include <tuple>

#include "EnvelopeFixture.h"
#include "data/AddressFile.h"
#include "data/AddressTable.h"
#include "envelopes/EnvelopeDesignerDialog.h"
#include "envelopes/EnvelopeRun.h"
#include "envelopes/EnvelopeSetup.h"
#include "envelopes/EnvelopeSizeDialog.h"
#include "envelopes/EnvelopeSizeForm.h"
#include "envelopes/PrintEnvelopeDialog.h"
#include "envelopes/ReturnAddressDialog.h"
#include "envelopes/SelectEnvelopeSizeDialog.h"
#include "framework/PrintStatusDialog.h"
#include "framework/PrinterCatalog.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class EnvelopesTranslationTest : public EnvelopeFixture {
  protected:
    MarkingTranslator marking;
};

TEST_F(EnvelopesTranslationTest, TheEnvelopeWindowsShowOnlyTranslatedTexts) {
    AddressTable addresses{engine};
    ASSERT_TRUE(createAddressFile(folder() + "ADDRESS.DBF", addresses));
    auto setups = open("RVPESU.DBF");
    auto sizes = open("RVPENVS.DBF");
    PrinterCatalog catalog{{}, QString()};
    PrintEnvelopeDialog print(*setups, addresses.table(), catalog,
                              {[](const QString&, const QString&) { return QString(); },
                               [](const QString&, const QString&, const QString&) {}});
    EnvelopeDesignerDialog designer(defaultEnvelopeSetup(), addresses.table(), folder(), nullptr,
                                    96);
    EnvelopeSizeDialog size(EnvelopeSize{});
    ReturnAddressDialog returnAddress(QStringList{});
    SelectEnvelopeSizeDialog select(*sizes, QString());
    // The designer names the setup's envelope size, which is data.
    const std::tuple<const char*, const QWidget*, QStringList> windows[] = {
        {"Print Envelope", &print, {}},
        {"Envelope Designer", &designer, {"Envelope #10"}},
        {"Envelope Size", &size, {}},
        {"Return Address", &returnAddress, {}},
        {"Select Envelope Size", &select, {}}};
    for (const auto& [name, window, data] : windows)
        EXPECT_EQ(untranslatedTexts(*window), data) << name;
}

TEST_F(EnvelopesTranslationTest, MessagesAndStatusLinesAreTranslated) {
    EnvelopeSizeForm tooLow(9.5, 1);
    EnvelopeSizeForm fine(9.5, 4.125);
    const PrintStatusTexts status = envelopeStatusTexts();
    const std::pair<QString, QString> cases[] = {
        {tooLow.save(QStringLiteral("A"), QStringLiteral("B")).value_or(QString()),
         "[Envelope Height must be at least 2 inches (50mm)]"},
        {fine.save(QString(), QStringLiteral("B")).value_or(QString()),
         "[A Unique Name is required]"},
        {status.printCanceled, "[\rEnvelope Print Canceled!]"},
        {status.previewReady, "[\rEnvelope Preview Ready!]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace rp
