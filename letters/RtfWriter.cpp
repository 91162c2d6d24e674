#include "letters/RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include "letters/RtfCodePage.h"
#include "letters/RtfPageLayout.h"

namespace rp {

namespace {

constexpr int kSoftLineLength = 80;   // text lines break after a space from here on
constexpr int kHardLineLength = 200;  // and anywhere between escapes from here on

// Collects the output, breaking lines where an RTF reader ignores the line end.
class RtfOutput {
  public:
    void word(const char* name) { word(name, std::nullopt); }
    void word(const char* name, std::optional<int> param) {
        if (lineLength_ >= kSoftLineLength * 5 / 4) lineEnd();
        QByteArray token = QByteArray("\\") + name;
        if (param) token += QByteArray::number(*param);
        put(token);
        needsDelimiter_ = true;
    }
    void symbol(const QByteArray& token) {
        put(token);
        needsDelimiter_ = false;
    }
    void text(const QString& text) {
        for (QChar c : text) character(c.unicode());
    }
    void lineEnd() {
        out_ += "\r\n";
        lineLength_ = 0;
        needsDelimiter_ = false;
    }
    const QByteArray& bytes() const { return out_; }

  private:
    void character(char16_t c) {
        if (c == u'\t') return word("tab");
        if (c == 0x2028) return word("line");
        if (c == 0x00A0) return symbol("\\~");
        if (c == 0x00AD) return symbol("\\-");
        if (c == 0x2011) return symbol("\\_");
        if (c == u'\\' || c == u'{' || c == u'}') {
            return symbol(QByteArray("\\") + static_cast<char>(c));
        }
        if (c < 0x20) return;
        if (lineLength_ >= kHardLineLength) lineEnd();
        if (c < 0x80) {
            if (needsDelimiter_) put(" ");
            put(QByteArray(1, static_cast<char>(c)));
            needsDelimiter_ = false;
            if (c == u' ' && lineLength_ >= kSoftLineLength) lineEnd();
            return;
        }
        if (const auto byte = toWindows1252(c)) {
            symbol("\\'" + QByteArray::number(*byte, 16).rightJustified(2, '0'));
            return;
        }
        word("u", static_cast<std::int16_t>(c));
        put("?");
        needsDelimiter_ = false;
    }
    void put(const QByteArray& token) {
        out_ += token;
        lineLength_ += token.size();
    }

    QByteArray out_;
    int lineLength_ = 0;
    bool needsDelimiter_ = false;
};

QString familyOf(const QTextCharFormat& format, const QTextDocument& document) {
    const QString family = format.fontFamilies().toStringList().value(0);
    return family.isEmpty() ? document.defaultFont().family() : family;
}

int halfPointsOf(const QTextCharFormat& format, const QTextDocument& document) {
    double points = format.fontPointSize();
    if (points <= 0) points = document.defaultFont().pointSizeF();
    if (points <= 0) points = 12;
    return qRound(points * 2);
}

std::optional<QColor> colorOf(const QTextCharFormat& format) {
    if (format.foreground().style() == Qt::NoBrush) return std::nullopt;
    return format.foreground().color().toRgb();
}

// The fonts and colours the document uses, numbered as the tables list them.
struct Tables {
    QStringList fonts;
    QList<QRgb> colors;  // \cf index is position + 1; entry 0 is the automatic colour

    void add(const QTextCharFormat& format, const QTextDocument& document) {
        const QString family = familyOf(format, document);
        if (!fonts.contains(family)) fonts.append(family);
        if (const auto color = colorOf(format)) {
            if (!colors.contains(color->rgb())) colors.append(color->rgb());
        }
    }
};

void writeCharFormat(RtfOutput& out, const QTextCharFormat& format, const QTextDocument& document,
                     const Tables& tables) {
    out.word("f", static_cast<int>(tables.fonts.indexOf(familyOf(format, document))));
    out.word("fs", halfPointsOf(format, document));
    if (format.fontWeight() >= QFont::DemiBold) out.word("b");
    if (format.fontItalic()) out.word("i");
    if (format.fontUnderline()) out.word("ul");
    if (const auto color = colorOf(format)) {
        out.word("cf", static_cast<int>(tables.colors.indexOf(color->rgb())) + 1);
    }
}

const char* alignmentWord(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight) return "qr";
    if (alignment & Qt::AlignHCenter) return "qc";
    if (alignment & Qt::AlignJustify) return "qj";
    return "ql";
}

}  // namespace

QByteArray writeRtf(const QTextDocument& document) {
    Tables tables;
    tables.fonts.append(document.defaultFont().family());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        tables.add(block.charFormat(), document);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().isValid()) tables.add(it.fragment().charFormat(), document);
        }
    }

    RtfOutput out;
    out.symbol("{");
    out.word("rtf", 1);
    out.word("ansi");
    out.word("ansicpg", 1252);
    out.word("deff", 0);
    out.word("uc", 1);
    out.lineEnd();
    out.symbol("{");
    out.word("fonttbl");
    for (qsizetype i = 0; i < tables.fonts.size(); ++i) {
        out.symbol("{");
        out.word("f", static_cast<int>(i));
        out.word("fnil");
        QString name = tables.fonts[i];
        name.remove(u';');
        out.text(name);
        out.symbol(";}");
    }
    out.symbol("}");
    out.lineEnd();
    out.symbol("{");
    out.word("colortbl");
    out.symbol(";");
    for (QRgb rgb : tables.colors) {
        out.word("red", qRed(rgb));
        out.word("green", qGreen(rgb));
        out.word("blue", qBlue(rgb));
        out.symbol(";");
    }
    out.symbol("}");
    out.lineEnd();
    const PageLayout layout = pageLayout(document);
    out.word("paperw", layout.paperWidth);
    out.word("paperh", layout.paperHeight);
    out.word("margl", layout.leftMargin);
    out.word("margr", layout.rightMargin);
    out.word("margt", layout.topMargin);
    out.word("margb", layout.bottomMargin);
    out.lineEnd();

    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        out.word("pard");
        out.word("plain");
        out.word(alignmentWord(block.blockFormat().alignment()));
        writeCharFormat(out, block.charFormat(), document, tables);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            out.symbol("{");
            out.word("plain");
            writeCharFormat(out, fragment.charFormat(), document, tables);
            out.text(fragment.text());
            out.symbol("}");
        }
        out.word("par");
        out.lineEnd();
    }
    out.symbol("}");
    out.lineEnd();
    return out.bytes();
}

}  // namespace rp
