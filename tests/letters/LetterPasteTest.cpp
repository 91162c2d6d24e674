// Rich text pasted into the Letter Designer: the editor takes only what a stored letter keeps,
// so that the letter written to RTF and read back is what the editor showed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include "letters/LetterDesignerDialog.h"
#include "letters/LetterPaste.h"
#include "letters/RtfReader.h"
#include "letters/RtfWriter.h"

namespace rp {
namespace {

// A web page's worth of formatting: margins and indents, spans, a picture, a table, a list.
const char kPastedHtml[] =
    "<p style=\"margin-top:30px; margin-left:40px; text-indent:20px\">Dear <b>friend</b>, "
    "<i>hello</i> <span style=\"color:#ff0000\">red</span> <u>under</u> "
    "<span style=\"font-family:'DejaVu Serif'; font-size:18pt\">big</span></p>"
    "<p align=\"center\" style=\"margin-bottom:40px\">Centred</p>"
    "<p>Pic<img src=\"missing.png\" width=\"10\" height=\"10\">ture</p>"
    "<table border=\"1\"><tr><td>a1</td><td><b>b1</b></td></tr>"
    "<tr><td>a2</td><td>b2</td></tr></table>"
    "<ul><li>one</li><li>two</li></ul>"
    "<p style=\"font-size:24px\">End</p>";

// Each run of characters alike in what a letter keeps, with the alignment of its paragraph:
// "text|family|points|bold italic underline|colour|alignment", paragraphs ended by "¶".
QStringList describe(const QTextDocument& document) {
    QStringList runs;
    QString last;
    const auto add = [&](const QString& text, const QString& key) {
        if (key == last && !runs.isEmpty()) {
            runs.back().insert(runs.back().indexOf(QLatin1Char('|')), text);
        } else {
            runs << text + key;
            last = key;
        }
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int alignment = static_cast<int>(block.blockFormat().alignment() &
                                               (Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const QFont font = format.font().resolve(document.defaultFont());
            const QString colour = format.foreground().style() == Qt::NoBrush
                                       ? QStringLiteral("auto")
                                       : format.foreground().color().name();
            const QString key = QStringLiteral("|%1|%2|%3%4%5|%6|%7")
                                    .arg(font.families().value(0, font.family()))
                                    .arg(font.pointSizeF())
                                    .arg(font.bold() ? "b" : "")
                                    .arg(font.italic() ? "i" : "")
                                    .arg(font.underline() ? "u" : "")
                                    .arg(colour)
                                    .arg(alignment);
            add(it.fragment().text(), key);
        }
        add(QStringLiteral("¶"), QStringLiteral("|end"));
        last.clear();
    }
    return runs;
}

class LetterPasteTest : public ::testing::Test {
  protected:
    void paste(const QMimeData* data) {
        QApplication::clipboard()->setMimeData(const_cast<QMimeData*>(data));
        designer_.editor()->paste();
    }
    const QTextDocument& letter() { return *designer_.editor()->document(); }

    LetterDesignerDialog designer_{QStringLiteral("{untitled}"), nullptr};
};

TEST_F(LetterPasteTest, RichTextKeepsOnlyTheTextItsFormatsAndAlignment) {
    auto* data = new QMimeData;
    data->setHtml(QString::fromLatin1(kPastedHtml));
    data->setText(QStringLiteral("plain"));
    paste(data);

    EXPECT_EQ(letter().toPlainText().toStdString(),
              "Dear friend, hello red under big\nCentred\nPicture\na1\tb1\na2\tb2\none\ntwo\nEnd");
    EXPECT_TRUE(letter().rootFrame()->childFrames().isEmpty());  // no table, no frame
    for (QTextBlock block = letter().begin(); block.isValid(); block = block.next()) {
        SCOPED_TRACE(block.text().toStdString());
        EXPECT_EQ(block.textList(), nullptr);
        const QTextBlockFormat format = block.blockFormat();
        EXPECT_EQ(format.topMargin(), 0);
        EXPECT_EQ(format.bottomMargin(), 0);
        EXPECT_EQ(format.leftMargin(), 0);
        EXPECT_EQ(format.textIndent(), 0);
        EXPECT_EQ(format.indent(), 0);
        for (auto it = block.begin(); !it.atEnd(); ++it)
            EXPECT_FALSE(it.fragment().charFormat().isImageFormat());
    }
    const auto formatOf = [&](const QString& word) {
        QTextCursor cursor(const_cast<QTextDocument*>(&letter()));
        cursor.setPosition(static_cast<int>(letter().toPlainText().indexOf(word)) + 1);
        return cursor.charFormat();
    };
    EXPECT_EQ(formatOf("friend").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf("hello").fontItalic());
    EXPECT_EQ(formatOf("red").foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(formatOf("under").fontUnderline());
    EXPECT_EQ(formatOf("big").fontFamilies().toStringList(), QStringList{"DejaVu Serif"});
    EXPECT_EQ(formatOf("big").fontPointSize(), 18);
    EXPECT_EQ(formatOf("End").fontPointSize(), 18);  // 24 pixels at 96 a inch
    EXPECT_EQ(formatOf("b1").fontWeight(), QFont::Bold);
    EXPECT_EQ(letter().findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);

    // Stored and read back, the letter is what the editor shows.
    QTextDocument stored;
    ASSERT_EQ(readRtf(writeRtf(letter()), stored), std::nullopt);
    EXPECT_EQ(stored.toPlainText(), letter().toPlainText());
    EXPECT_EQ(describe(stored), describe(letter()));
}

TEST_F(LetterPasteTest, PastedTextJoinsTheParagraphAtTheCaretAsOneStepToUndo) {
    designer_.editor()->setPlainText(QStringLiteral("Hello world"));
    QTextCursor caret = designer_.editor()->textCursor();
    caret.setPosition(6);
    designer_.editor()->setTextCursor(caret);
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<p style=\"margin-left:50px\"><b>big</b></p><p>new</p>"));
    paste(data);
    EXPECT_EQ(letter().toPlainText(), "Hello big\nnewworld");
    EXPECT_EQ(letter().findBlockByNumber(1).blockFormat().leftMargin(), 0);
    designer_.editor()->undo();
    EXPECT_EQ(letter().toPlainText(), "Hello world");
}

TEST(LetterPaste, OffersRichTextByKindAndKeepsOnlyLetterFormats) {
    QMimeData plain;
    plain.setText(QStringLiteral("x"));
    EXPECT_EQ(offeredRichText(plain), nullptr);
    EXPECT_TRUE(offersLetterText(plain));
    QMimeData picture;
    picture.setImageData(QImage(2, 2, QImage::Format_RGB32));
    EXPECT_FALSE(offersLetterText(picture));
    QMimeData rtf;
    rtf.setData(QStringLiteral("text/rtf"), "{\\rtf1\\ansi {\\b bold}\\par}");
    ASSERT_NE(offeredRichText(rtf), nullptr);
    EXPECT_EQ(offeredRichText(rtf)->toPlainText(), "bold");

    QTextCharFormat rich;
    rich.setFontFamilies({QStringLiteral("Arial"), QStringLiteral("sans-serif")});
    rich.setFontWeight(QFont::DemiBold);
    rich.setFontStrikeOut(true);
    rich.setBackground(Qt::yellow);
    rich.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    rich.setAnchorHref(QStringLiteral("https://example.com"));
    rich.setProperty(QTextFormat::FontSizeAdjustment, 1);
    QTextCharFormat kept;
    kept.setFontFamilies({QStringLiteral("Arial")});
    kept.setFontWeight(QFont::Bold);
    kept.setFontPointSize(14.5);  // 12 points one step larger: 14.4
    EXPECT_EQ(letterCharFormat(rich, 12).properties(), kept.properties());
}

}  // namespace
}  // namespace rp
