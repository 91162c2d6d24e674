// Letters our writer stores, read by an independent RTF reader (unrtf): the same text, every
// character decoded, and the bold and italic pieces marked as such.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTextCursor>
#include <QTextDocument>

#include "letters/LetterDocument.h"
#include "letters/RtfWriter.h"
#include "support/TempDir.h"

namespace rp {
namespace {

TEST(RtfInterop, AnotherReaderSeesOurTextAndStyles) {
    const auto letter = newLetterDocument();
    QTextCursor cursor(letter.get());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    cursor.insertText(QStringLiteral("Dear [First], café in Łódź — “soon”"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Strong"), bold);
    cursor.insertText(QStringLiteral(" and "), QTextCharFormat());
    cursor.insertText(QStringLiteral("slanted"), italic);

    TempDir dir;
    const QString path = QString::fromStdString(dir.path()) + QStringLiteral("/letter.rtf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(writeRtf(*letter));
    file.close();

    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
    ASSERT_TRUE(unrtf.waitForFinished(20000)) << "unrtf (Debian package unrtf) did not run";
    const QString html = QString::fromUtf8(unrtf.readAllStandardOutput());
    QTextDocument seen;
    seen.setHtml(html);
    EXPECT_EQ(seen.toPlainText().trimmed().split(QLatin1Char('\n')),
              (QStringList{"Dear [First], café in Łódź — “soon”", "Strong and slanted"}));
    EXPECT_TRUE(html.contains(QLatin1String("<b>Strong</b>"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QLatin1String("<i>slanted</i>"))) << html.toStdString();
}

}  // namespace
}  // namespace rp
