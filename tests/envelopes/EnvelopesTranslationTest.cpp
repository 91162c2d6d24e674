// The envelope windows and messages through a translation that brackets every text: whatever a
// user reads comes out marked, with the values in their places.
#include <gtest/gtest.h>

#include <tuple>

#include "EnvelopeFixture.h"
#include "EnvelopeWindows.h"
#include "envelopes/EnvelopeRun.h"
#include "envelopes/EnvelopeSetup.h"
#include "envelopes/EnvelopeSizeForm.h"
#include "framework/PrintStatusDialog.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

class EnvelopesTranslationTest : public EnvelopeFixture {
  protected:
    MarkingTranslator marking;
};

TEST_F(EnvelopesTranslationTest, TheEnvelopeWindowsShowOnlyTranslatedTexts) {
    EnvelopeWindowsWithFiles made(engine, path("ADDRESS.DBF"), folder(), open("RVPESU.DBF"),
                                  open("RVPENVS.DBF"));
    // The designer names the setup's envelope size, which is data.
    for (const NamedWindow& w : made.windows.all()) {
        const QStringList data =
            w.window == &made.windows.designer ? QStringList{"Envelope #10"} : QStringList{};
        EXPECT_EQ(untranslatedTexts(*w.window), data) << w.name;
    }
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
