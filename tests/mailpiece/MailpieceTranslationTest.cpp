// The Intelligent Mail barcode's problems through a translation that brackets every text: each
// comes out marked, with its figures in their places, and an error names the barcode.
#include <gtest/gtest.h>

#include <stdexcept>

#include "mailpiece/IntelligentMail.h"
#include "support/MarkingTranslator.h"

namespace rp {
namespace {

TEST(MailpieceTranslationTest, TheBarcodesProblemsAreTranslated) {
    const MarkingTranslator marking;
    const std::pair<QString, QString> cases[] = {
        {barcodeIdProblem(QStringLiteral("05")),
         "[The barcode identifier must be 2 digits, the second of them 0 to 4.]"},
        {serviceTypeProblem(QStringLiteral("7")), "[The service type must be 3 digits.]"},
        {mailerIdProblem(QStringLiteral("12345")), "[The mailer ID must be 6 or 9 digits.]"},
        {mailerIdProblem(QStringLiteral("912345")),
         "[A mailer ID of 6 digits begins with 0 to 8, one of 9 digits begins with 9.]"},
        {serialProblem(QStringLiteral("1234567"), QStringLiteral("912345678")),
         "[With a mailer ID of 9 digits the serial number is 1 to 6 digits.]"},
        {routingProblem(QStringLiteral("1234A")),
         "[The ZIP code may hold only digits, blanks and hyphens.]"},
        {routingProblem(QStringLiteral("1234")),
         "[The ZIP code must have 5, 9 or 11 digits, or none.]"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);

    const MailerTracking tracking{QStringLiteral("00"), QStringLiteral("270"),
                                  QStringLiteral("103502"), 1};
    try {
        intelligentMailBars(tracking, QStringLiteral("1234 5"));
        ADD_FAILURE() << "a routing code with a blank was drawn";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(),
                     "[Intelligent Mail barcode: [The routing code must be digits only.]]");
    }
}

}  // namespace
}  // namespace rp
