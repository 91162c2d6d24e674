// The RTF reader on letters other programs wrote, our writer read back, and malformed input.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextBlock>
#include <QTextDocument>
#include <cstdint>

#include "letters/RtfPageLayout.h"
#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"
#include "support/SharedFolder.h"

namespace rp {
namespace {

const QString kFixtures =
    QString::fromStdString(test::sharedFolder()) + QStringLiteral("/fixtures/rtf");

QByteArray readFixture(const QString& name) {
    QFile file(kFixtures + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

QJsonObject expectations() {
    return QJsonDocument::fromJson(readFixture(QStringLiteral("RTF.json"))).object();
}

QStringList paragraphs(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        texts.append(block.text());
    }
    return texts;
}

// The character format at the first character of text, and its block's alignment.
struct Found {
    QTextCharFormat format;
    Qt::Alignment alignment;
};

std::optional<Found> find(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qsizetype at = block.text().indexOf(text);
        if (at < 0) continue;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int offset = fragment.position() - block.position();
            if (at >= offset && at < offset + fragment.length()) {
                EXPECT_GE(offset + fragment.length(), at + text.size()) << text.toStdString();
                return Found{fragment.charFormat(), block.blockFormat().alignment()};
            }
        }
    }
    return std::nullopt;
}

PageLayout expectedLayout(const QJsonObject& letter) {
    PageLayout layout = PageLayout::rtfDefaults();
    if (letter["paper"].isArray()) {
        layout.paperWidth = letter["paper"][0].toInt();
        layout.paperHeight = letter["paper"][1].toInt();
    }
    if (letter["margins"].isObject()) {
        const QJsonObject margins = letter["margins"].toObject();
        layout.leftMargin = margins["left"].toInt();
        layout.rightMargin = margins["right"].toInt();
        layout.topMargin = margins["top"].toInt();
        layout.bottomMargin = margins["bottom"].toInt();
    }
    return layout;
}

Qt::Alignment alignmentNamed(const QString& name) {
    if (name == u"center") return Qt::AlignHCenter;
    if (name == u"right") return Qt::AlignRight;
    if (name == u"justify") return Qt::AlignJustify;
    return Qt::AlignLeft;
}

void checkLetter(const QTextDocument& document, const QJsonObject& letter, const QString& name) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_EQ(pageLayout(document), expectedLayout(letter));
    const QStringList texts = paragraphs(document);
    if (letter.contains("paragraphs")) {
        QStringList expected;
        for (const QJsonValue& text : letter["paragraphs"].toArray()) expected << text.toString();
        EXPECT_EQ(texts, expected);
    }
    if (letter.contains("paragraph_count")) {
        EXPECT_EQ(texts.size(), letter["paragraph_count"].toInt());
        EXPECT_EQ(texts.value(0), letter["first_paragraph"].toString());
        EXPECT_EQ(texts.value(texts.size() - 1), letter["last_paragraph"].toString());
    }
    for (const QJsonValue& value : letter["runs"].toArray()) {
        const QJsonObject run = value.toObject();
        const QString text = run["text"].toString();
        SCOPED_TRACE(text.toStdString());
        const std::optional<Found> found = find(document, text);
        ASSERT_TRUE(found);
        const QTextCharFormat& format = found->format;
        if (run.contains("font")) {
            EXPECT_EQ(format.fontFamilies().toStringList().value(0), run["font"].toString());
        }
        if (run.contains("points")) {
            EXPECT_EQ(format.fontPointSize(), run["points"].toDouble());
        }
        if (run.contains("bold")) {
            EXPECT_EQ(format.fontWeight() >= QFont::DemiBold, run["bold"].toBool());
        }
        if (run.contains("italic")) {
            EXPECT_EQ(format.fontItalic(), run["italic"].toBool());
        }
        if (run.contains("underline")) {
            EXPECT_EQ(format.fontUnderline(), run["underline"].toBool());
        }
        if (run.contains("color")) {
            EXPECT_EQ(format.foreground().color().name(), run["color"].toString());
        }
        if (run.contains("align")) {
            EXPECT_EQ(found->alignment & Qt::AlignHorizontal_Mask,
                      alignmentNamed(run["align"].toString()));
        }
    }
}

QStringList letterNames() {
    QStringList names = expectations().keys();
    names.removeIf([](const QString& name) { return !name.endsWith(u".rtf"); });
    return names;
}

TEST(RtfReader, ReadsEachLetterAsOtherProgramsWroteIt) {
    SKIP_WITHOUT_SHARED_FOLDER();
    const QJsonObject all = expectations();
    ASSERT_EQ(letterNames().size(), 4);
    for (const QString& name : letterNames()) {
        QTextDocument document;
        EXPECT_EQ(readRtf(readFixture(name), document), std::nullopt) << name.toStdString();
        checkLetter(document, all[name].toObject(), name);
    }
}

TEST(RtfWriter, EachLetterReadsBackTheSame) {
    SKIP_WITHOUT_SHARED_FOLDER();
    const QJsonObject all = expectations();
    for (const QString& name : letterNames()) {
        QTextDocument original;
        ASSERT_EQ(readRtf(readFixture(name), original), std::nullopt);
        const QByteArray written = writeRtf(original);
        QTextDocument again;
        ASSERT_EQ(readRtf(written, again), std::nullopt) << written.toStdString();
        checkLetter(again, all[name].toObject(), name);
        EXPECT_EQ(paragraphs(again), paragraphs(original));
        EXPECT_EQ(writeRtf(again), written);
    }
}

TEST(RtfWriter, WritesAsciiWithCrLfLinesOfReasonableLength) {
    SKIP_WITHOUT_SHARED_FOLDER();
    QTextDocument document;
    ASSERT_EQ(readRtf(readFixture("letter2-a4-long-libreoffice.rtf"), document), std::nullopt);
    QTextCursor(&document).insertText(QStringLiteral("Привет ☃ café\t{x}\\"));
    const QByteArray written = writeRtf(document);
    EXPECT_TRUE(written.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    for (char c : written) EXPECT_TRUE(c > 0 && static_cast<unsigned char>(c) < 0x80);
    EXPECT_TRUE(written.contains("\\u1055?"));
    EXPECT_TRUE(written.contains("\\u9731?"));
    EXPECT_TRUE(written.contains("caf\\'e9"));
    EXPECT_TRUE(written.contains("\\{x\\}\\\\"));
    EXPECT_TRUE(written.endsWith("}\r\n"));
    for (const QByteArray& line : written.split('\n')) {
        EXPECT_LE(line.size(), 210);
        if (!line.isEmpty()) {
            EXPECT_TRUE(line.endsWith('\r'));
        }
    }
    QTextDocument again;
    ASSERT_EQ(readRtf(written, again), std::nullopt);
    EXPECT_EQ(paragraphs(again), paragraphs(document));
}

TEST(RtfPageLayout, NewDocumentHasLetterPaperAndInchMargins) {
    QTextDocument document;
    EXPECT_EQ(pageLayout(document), (PageLayout{12240, 15840, 1440, 1440, 1440, 1440}));
    const PageLayout a4{11906, 16838, 1417, 1134, 1134, 1000};
    setPageLayout(document, a4);
    EXPECT_EQ(pageLayout(document), a4);
    QTextDocument read;
    ASSERT_EQ(readRtf(writeRtf(document), read), std::nullopt);
    EXPECT_EQ(pageLayout(read), a4);
}

struct EdgeCase {
    const char* name;
    QByteArray input;
    std::optional<QString> error;
    QStringList paragraphs;
};

TEST(RtfReader, EdgeCases) {
    const QString tooDeep = QString::fromLatin1(kRtfTooDeep);
    const QString unterminated = QString::fromLatin1(kRtfUnterminated);
    const QByteArray deep = "{\\rtf1 " + QByteArray(100, '{') + "x" + QByteArray(101, '}');
    const QByteArray allowed = "{\\rtf1" + QByteArray(99, '{') + "x" + QByteArray(100, '}');
    const EdgeCase cases[] = {
        {"unicode with uc",
         "{\\rtf1 a\\u8364?b\\uc2\\u-3913xyc\\uc0\\u233 d}",
         {},
         {"a€b\uF0B7c\u00E9d"}},
        {"code page 1251", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", {}, {"При"}},
        {"default code page", "{\\rtf1 \\'80\\'e9\\'93}", {}, {"€é“"}},
        {"special words",
         "{\\rtf1 a\\~b\\-c\\_d\\bullet\\emdash\\endash\\lquote\\rquote"
         "\\ldblquote\\rdblquote\\tab e\\line f}",
         {},
         {"a\u00A0b\u00ADc\u2011d•—–‘’“”\te\u2028f"}},
        {"skipped destinations",
         "{\\rtf1{\\*\\x a}{\\info{\\title t}}{\\header h}\\zzz b\\par c}",
         {},
         {"b", "c"}},
        {"nesting at the limit", allowed, {}, {"x"}},
        {"nesting over the limit", deep, tooDeep, {""}},
        {"unbalanced braces", "{\\rtf1 a{\\b b}", unterminated, {"ab"}},
        {"truncated in a word", "{\\rtf1 a\\par b\\u", unterminated, {"a", "b"}},
        {"truncated in an escape", "{\\rtf1 a\\'e", unterminated, {"a"}},
        {"bytes after the brace", QByteArray("{\\rtf1 a}\0}}{junk", 17), {}, {"a"}},
        {"not rtf", "hello", QString::fromLatin1(kRtfNotRtf), {""}},
        {"binary data", "{\\rtf1 a\\bin3 }{}b}", {}, {"ab"}},
        {"huge binary length", "{\\rtf1 a\\bin99999999999 b}", unterminated, {"a"}},
    };
    for (const EdgeCase& edge : cases) {
        SCOPED_TRACE(edge.name);
        QTextDocument document;
        EXPECT_EQ(readRtf(edge.input, document), edge.error);
        EXPECT_EQ(paragraphs(document), edge.paragraphs);
    }
}

TEST(RtfReader, GroupsRestoreCharacterFormatting) {
    QTextDocument document;
    ASSERT_EQ(readRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                      "{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs20 a{\\f1\\b\\cf1\\fs30 b}"
                      "c\\i d\\i0 e\\ul f\\ul0 g\\b h\\plain i}",
                      document),
              std::nullopt);
    const auto b = find(document, "b");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->format.fontFamilies().toStringList().value(0), "Courier New");
    EXPECT_EQ(b->format.fontPointSize(), 15);
    EXPECT_EQ(b->format.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(b->format.fontWeight(), QFont::Bold);
    const auto c = find(document, "c");
    EXPECT_EQ(c->format.fontFamilies().toStringList().value(0), "Arial");
    EXPECT_EQ(c->format.fontPointSize(), 10);
    EXPECT_EQ(c->format.fontWeight(), QFont::Normal);
    EXPECT_EQ(c->format.foreground().style(), Qt::NoBrush);
    EXPECT_TRUE(find(document, "d")->format.fontItalic());
    EXPECT_FALSE(find(document, "e")->format.fontItalic());
    EXPECT_TRUE(find(document, "f")->format.fontUnderline());
    EXPECT_FALSE(find(document, "g")->format.fontUnderline());
    const auto i = find(document, "i");
    EXPECT_EQ(i->format.fontWeight(), QFont::Normal);
    EXPECT_EQ(i->format.fontPointSize(), 12);
}

TEST(RtfReader, DamagedLettersReadWithoutFaultAndWriteBackReadably) {
    SKIP_WITHOUT_SHARED_FOLDER();
    const QStringList allowed = {QString(), QString::fromLatin1(kRtfTooDeep),
                                 QString::fromLatin1(kRtfNotRtf),
                                 QString::fromLatin1(kRtfUnterminated)};
    std::uint32_t random = 12345;
    int unterminated = 0;
    for (const QString& name : letterNames()) {
        const QByteArray letter = readFixture(name);
        for (int round = 0; round < 200; ++round) {
            QByteArray damaged = letter.left(letter.size() * (round + 1) / 201);
            for (int flip = 0; flip < 8; ++flip) {
                random = random * 1103515245u + 12345u;
                if (damaged.isEmpty()) break;
                damaged[(random >> 8) % damaged.size()] = static_cast<char>(random >> 24);
            }
            QTextDocument document;
            const std::optional<QString> error = readRtf(damaged, document);
            ASSERT_TRUE(allowed.contains(error.value_or(QString()))) << error->toStdString();
            if (error == QString::fromLatin1(kRtfUnterminated)) ++unterminated;
            QTextDocument again;
            ASSERT_EQ(readRtf(writeRtf(document), again), std::nullopt);
            EXPECT_EQ(paragraphs(again).size(), paragraphs(document).size());
        }
    }
    EXPECT_GT(unterminated, 400);
}

}  // namespace
}  // namespace rp
