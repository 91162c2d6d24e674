// Font names beyond Windows-1252 in the font table: written as \uN, read back whole, and \'xx
// bytes read in the code page of their font entry or of the document.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "letters/LetterDocument.h"
#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace rp {
namespace {

const QString kCyrillic = QStringLiteral("Шрифт Кириллица");
const QString kGreek = QStringLiteral("Γραμματοσειρά Ελληνική");

// The family of each fragment of the document, in order.
QStringList fragmentFamilies(const QTextDocument& document) {
    QStringList families;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            families << it.fragment().charFormat().fontFamilies().toStringList().value(0);
        }
    }
    return families;
}

TEST(RtfFontName, CyrillicAndGreekFamiliesReadBackAsWritten) {
    auto letter = newLetterDocument();
    QTextCursor cursor(letter.get());
    QTextCharFormat cyrillic;
    cyrillic.setFontFamilies({kCyrillic});
    QTextCharFormat greek;
    greek.setFontFamilies({kGreek});
    cursor.insertText(QStringLiteral("Привет "), cyrillic);
    cursor.insertText(QStringLiteral("Γειά σου"), greek);

    const QByteArray written = writeRtf(*letter);
    EXPECT_TRUE(written.contains("\\u1064?")) << written.toStdString();  // Ш
    QTextDocument read;
    ASSERT_EQ(readRtf(written, read), std::nullopt);
    EXPECT_EQ(fragmentFamilies(read), (QStringList{kCyrillic, kGreek}));
    EXPECT_EQ(read.toPlainText(), QStringLiteral("Привет Γειά σου"));
    EXPECT_EQ(writeRtf(read), written);
}

TEST(RtfFontName, EscapesInTheFontTableReadAsTheirCodePage) {
    struct Case {
        const char* name;
        QByteArray fontTable;
        QString family;
    };
    const Case cases[] = {
        {"character set 204 (Cyrillic)", "{\\f1\\fnil\\fcharset204 \\'d8\\'f0\\'e8\\'f4\\'f2;}",
         QStringLiteral("Шрифт")},
        {"character set 161 (Greek)", "{\\f1\\fcharset161 \\'c3\\'f1\\'e1\\'ec\\'ec\\'e1;}",
         QStringLiteral("Γραμμα")},
        {"\\cpg before the character set", "{\\f1\\cpg1253\\fcharset204 \\'c3\\'f1;}",
         QStringLiteral("Γρ")},
        {"the document's code page", "{\\f1\\fcharset0 \\'d8\\'f0;}", QStringLiteral("Шр")},
        {"\\uN with one stand-in", "{\\f1 \\u1064?\\u-3920?X;}", QString::fromUtf16(u"Ш\uF0B0X")},
        {"\\uN with two stand-ins", "{\\f1\\uc2 \\u1064\\'3f\\'3fA;}", QStringLiteral("ШA")},
        {"\\uN without stand-ins", "{\\f1\\uc0 \\u1064 A;}", QStringLiteral("ШA")},
        {"\\uN between bytes", "{\\f1\\fcharset204 \\'d8\\u1088?\\'e8;}", QStringLiteral("Шри")},
        {"entries without semicolons", "\\f2 Other\\f1\\fcharset204 \\'d8\\'f0\\f3 Third",
         QStringLiteral("Шр")},
        {"no closing semicolon", "{\\f1\\fcharset161 \\'c3\\'f1}", QStringLiteral("Γρ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Arial;}" +
                               c.fontTable + "}\\pard\\f1 x\\par}";
        QTextDocument read;
        ASSERT_EQ(readRtf(rtf, read), std::nullopt);
        EXPECT_EQ(fragmentFamilies(read), QStringList{c.family});
    }
}

TEST(RtfFontName, TextIsReadInTheCodePageOfItsFont) {
    QTextDocument read;
    ASSERT_EQ(readRtf("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}"
                      "{\\f1\\fcharset204 Arial Cyr;}{\\f2\\fcharset161 Arial Greek;}}"
                      "\\pard\\f0 Caf\\'e9 \\f1\\'cf\\'f0\\'e8 \\f2\\'c3\\'e5\\'e9\\par}",
                      read),
              std::nullopt);
    EXPECT_EQ(read.toPlainText(), QStringLiteral("Café При Γει"));
}

}  // namespace
}  // namespace rp
