// A paragraph of many formatting runs, each in another font, size, style or colour than the one
// before it: every run keeps its own formatting.
#include <gtest/gtest.h>

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>

#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace rp {
namespace {

constexpr int kRuns = 3000;

struct RunFormat {
    QString family;
    double points;
    bool bold;
    bool italic;
    QString color;
    bool operator==(const RunFormat&) const = default;
};

RunFormat expectedFormat(int i) {
    return {i % 2 == 0 ? QStringLiteral("Times New Roman") : QStringLiteral("Arial"),
            10.0 + (i % 3), i % 4 == 0, i % 4 != 0,
            i % 5 == 0 ? QStringLiteral("#c00000") : QStringLiteral("#000000")};
}

QByteArray manyRunParagraph() {
    QByteArray rtf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Arial;}}"
        "{\\colortbl;\\red192\\green0\\blue0;}\\pard\\plain ");
    for (int i = 0; i < kRuns; ++i) {
        rtf += "{\\f" + QByteArray::number(i % 2) + "\\fs" + QByteArray::number(20 + 2 * (i % 3)) +
               (i % 4 == 0 ? "\\b" : "\\i") + (i % 5 == 0 ? "\\cf1" : "") + " run " +
               QByteArray::number(i) + ";}";
    }
    return rtf + "\\par}";
}

std::vector<RunFormat> fragmentFormats(const QTextDocument& document, QStringList& texts) {
    std::vector<RunFormat> formats;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            formats.push_back({format.fontFamilies().toStringList().value(0),
                               format.fontPointSize(), format.fontWeight() >= QFont::DemiBold,
                               format.fontItalic(), format.foreground().color().name()});
            texts << it.fragment().text();
        }
    }
    return formats;
}

TEST(RtfManyRuns, EachRunOfOneParagraphKeepsItsFormat) {
    std::vector<RunFormat> expected;
    QStringList expectedTexts;
    for (int i = 0; i < kRuns; ++i) {
        expected.push_back(expectedFormat(i));
        expectedTexts << QStringLiteral("run %1;").arg(i);
    }
    QTextDocument read;
    ASSERT_EQ(readRtf(manyRunParagraph(), read), std::nullopt);
    EXPECT_EQ(read.blockCount(), 1);
    QStringList texts;
    EXPECT_EQ(fragmentFormats(read, texts), expected);
    EXPECT_EQ(texts, expectedTexts);

    QTextDocument again;
    ASSERT_EQ(readRtf(writeRtf(read), again), std::nullopt);
    QStringList againTexts;
    EXPECT_EQ(fragmentFormats(again, againTexts), expected);
    EXPECT_EQ(againTexts, expectedTexts);
}

}  // namespace
}  // namespace rp
