// Inputs that once read into a document the writer could not write back as read, and hostile
// numbers in control words: each reads, writes, and reads and writes again to the same bytes.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace rp {
namespace {

struct Fragment {
    QString text;
    QString family;
    double points;
    bool operator==(const Fragment&) const = default;
};

std::vector<Fragment> fragments(const QTextDocument& document) {
    std::vector<Fragment> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            found.push_back({it.fragment().text(), format.fontFamilies().toStringList().value(0),
                             format.fontPointSize()});
        }
    }
    return found;
}

TEST(RtfHostile, InputsReadToWhatWritesBackTheSame) {
    const QString unterminated = QString::fromLatin1(kRtfUnterminated);
    struct Case {
        const char* name;
        QByteArray input;
        std::optional<QString> error;
        QString defaultFamily;  // empty: the document's own default font is kept
        std::vector<Fragment> fragments;
    };
    const Case cases[] = {
        {"a control character as a font name", QByteArray("{\\rtf\\fonttbl\x03}"), {}, {}, {}},
        {"a comma as a font name", "{\\rtf\\fonttbl,;", unterminated, ",", {}},
        {"text in a font the table lacks",
         "{\\rtf{\\fonttbl\x99}{\\f2e}e",
         unterminated,
         QStringLiteral("™"),
         {{"ee", QStringLiteral("™"), 12}}},
        {"separators and a semicolon in a font name",
         "{\\rtf1{\\fonttbl{\\f0 A\\tab\\line\\'3b\\u8233?B\\~C;}}\\f0 x}",
         {},
         QString::fromUtf16(u"AB\u00A0C"),
         {{"x", QString::fromUtf16(u"AB\u00A0C"), 12}}},
        {"a huge font size",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\fs99999999999 x\\fs-4 y}",
         {},
         "Arial",
         {{"x", "Arial", 1638}, {"y", "Arial", 12}}},
        {"characters out of range",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}a\\u2147483647?b\\u-99999?c\\u65536?d}",
         {},
         "Arial",
         {{"abcd", "Arial", 12}}},
        {"a huge stand-in count",
         "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\uc99999 \\u65ab}",
         {},
         "Arial",
         {{"A", "Arial", 12}}},
        {"code pages out of range",
         "{\\rtf1\\ansicpg99999999999{\\fonttbl{\\f0\\cpg-5 Ar\\'e9;}}\\'e9\\ansicpg-1\\'80}",
         {},
         QStringLiteral("Aré"),
         {{QStringLiteral("é€"), QStringLiteral("Aré"), 12}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument read;
        const QString ownDefault = read.defaultFont().family();
        EXPECT_EQ(readRtf(c.input, read), c.error);
        EXPECT_EQ(read.defaultFont().family(),
                  c.defaultFamily.isEmpty() ? ownDefault : c.defaultFamily);
        EXPECT_EQ(fragments(read), c.fragments);
        const QByteArray written = writeRtf(read);
        QTextDocument again;
        ASSERT_EQ(readRtf(written, again), std::nullopt);
        EXPECT_EQ(writeRtf(again), written);
    }
}

}  // namespace
}  // namespace rp
