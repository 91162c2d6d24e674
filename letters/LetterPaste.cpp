#include "letters/LetterPaste.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>
#include <cmath>
#include <utility>
#include <vector>

#include "letters/RtfReader.h"

namespace rp {
namespace {

const QStringList kRtfFormats = {QStringLiteral("text/rtf"), QStringLiteral("application/rtf"),
                                 QStringLiteral("text/richtext")};
const QString kQtRichText = QStringLiteral("application/x-qrichtext");
const QString kMarkdown = QStringLiteral("text/markdown");

struct Run {
    QString text;
    QTextCharFormat format;
};

struct Paragraph {
    Qt::Alignment alignment = Qt::AlignLeft;
    QTextCharFormat chars;  // the format of the paragraph's end
    std::vector<Run> runs;
};

// The characters a letter holds: tabs, line breaks and printable characters; no object marks
// (pictures) or control characters.
QString keptCharacters(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == 0x2029)
            kept.append(QChar(0x2028));
        else if (unit == u'\t' || unit == 0x2028 || (unit >= 0x20 && unit != 0xFFFC))
            kept.append(c);
    }
    return kept;
}

class ParagraphReader {
  public:
    explicit ParagraphReader(const QTextDocument& rich)
        : rich_(rich), defaultPoints_(rich.defaultFont().pointSizeF()) {}

    std::vector<Paragraph> read() {
        bool afterTable = false;
        for (QTextBlock block = rich_.begin(); block.isValid();) {
            if (QTextTable* table = QTextCursor(block).currentTable()) {
                // The outermost table: a nested one is text of its cell.
                while (auto* outer = qobject_cast<QTextTable*>(table->parentFrame())) table = outer;
                readTable(*table);
                const QTextBlock next = rich_.findBlock(table->lastPosition() + 1);
                block = next.position() > block.position() ? next : block.next();
                afterTable = true;
                continue;
            }
            Paragraph paragraph = startParagraph(block);
            addRuns(paragraph, block);
            // A document holds an empty paragraph after each table, text or not.
            if (!afterTable || !paragraph.runs.empty()) paragraphs_.push_back(std::move(paragraph));
            afterTable = false;
            block = block.next();
        }
        return std::move(paragraphs_);
    }

  private:
    Paragraph startParagraph(const QTextBlock& block) const {
        return {block.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                letterCharFormat(block.charFormat(), defaultPoints_),
                {}};
    }

    void addRuns(Paragraph& paragraph, const QTextBlock& block) const {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.charFormat().isImageFormat()) continue;
            const QString text = keptCharacters(fragment.text());
            if (!text.isEmpty())
                paragraph.runs.push_back(
                    {text, letterCharFormat(fragment.charFormat(), defaultPoints_)});
        }
    }

    // Each row a paragraph, its cells separated by tabs and the paragraphs of a cell by
    // blanks.
    void readTable(const QTextTable& table) {
        for (int row = 0; row < table.rows(); ++row) {
            Paragraph paragraph =
                startParagraph(rich_.findBlock(table.cellAt(row, 0).firstPosition()));
            for (int column = 0; column < table.columns(); ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                if (cell.row() != row || cell.column() != column) continue;  // spanned
                if (column > 0) paragraph.runs.push_back({QStringLiteral("\t"), paragraph.chars});
                for (QTextBlock block = rich_.findBlock(cell.firstPosition());
                     block.isValid() && block.position() <= cell.lastPosition();
                     block = block.next()) {
                    if (block.position() > cell.firstPosition())
                        paragraph.runs.push_back({QStringLiteral(" "), paragraph.chars});
                    addRuns(paragraph, block);
                }
            }
            paragraphs_.push_back(std::move(paragraph));
        }
    }

    const QTextDocument& rich_;
    double defaultPoints_;
    std::vector<Paragraph> paragraphs_;
};

}  // namespace

std::unique_ptr<QTextDocument> offeredRichText(const QMimeData& source) {
    auto rich = std::make_unique<QTextDocument>();
    if (source.hasHtml()) {
        rich->setHtml(source.html());
    } else if (source.hasFormat(kQtRichText)) {
        rich->setHtml(QString::fromUtf8(source.data(kQtRichText)));
    } else if (source.hasFormat(kMarkdown)) {
        rich->setMarkdown(QString::fromUtf8(source.data(kMarkdown)));
    } else {
        for (const QString& format : kRtfFormats) {
            // What a faulty RTF text held before its fault is still pasted.
            if (source.hasFormat(format)) {
                readRtf(source.data(format), *rich);
                return rich;
            }
        }
        return nullptr;
    }
    return rich;
}

bool offersLetterText(const QMimeData& source) {
    if ((source.hasText() && !source.text().isEmpty()) || source.hasHtml() ||
        source.hasFormat(kQtRichText) || source.hasFormat(kMarkdown))
        return true;
    for (const QString& format : kRtfFormats)
        if (source.hasFormat(format)) return true;
    return false;
}

QTextCharFormat letterCharFormat(const QTextCharFormat& format, double defaultPoints) {
    QTextCharFormat kept;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        kept.setFontFamilies({families.first()});
    double points = format.fontPointSize();
    if (points <= 0 && format.hasProperty(QTextFormat::FontPixelSize))
        points = format.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0;
    if (format.hasProperty(QTextFormat::FontSizeAdjustment)) {
        if (points <= 0) points = defaultPoints;
        points *= std::pow(1.2, format.intProperty(QTextFormat::FontSizeAdjustment));
    }
    if (points > 0) kept.setFontPointSize(std::round(points * 2) / 2);
    if (format.fontWeight() >= QFont::DemiBold) kept.setFontWeight(QFont::Bold);
    if (format.fontItalic()) kept.setFontItalic(true);
    if (format.fontUnderline()) kept.setFontUnderline(true);
    if (format.foreground().style() != Qt::NoBrush) {
        QColor colour = format.foreground().color().toRgb();
        colour.setAlpha(255);
        kept.setForeground(colour);
    }
    return kept;
}

void insertLetterText(QTextCursor& cursor, const QTextDocument& rich) {
    const std::vector<Paragraph> paragraphs = ParagraphReader(rich).read();
    cursor.beginEditBlock();
    if (cursor.hasSelection()) cursor.removeSelectedText();
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        const Paragraph& paragraph = paragraphs[i];
        if (i > 0) {
            QTextBlockFormat format;
            format.setAlignment(paragraph.alignment);
            cursor.insertBlock(format, paragraph.chars);
        }
        for (const Run& run : paragraph.runs) cursor.insertText(run.text, run.format);
    }
    cursor.endEditBlock();
}

}  // namespace rp
