#include "letters/RtfReader.h"

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "letters/RtfCodePage.h"
#include "letters/RtfPageLayout.h"

namespace rp {

namespace {

// Numbers of control words are cut to this, so that they stay within an int.
constexpr std::int64_t kLargestParam = std::numeric_limits<int>::max();

enum class Destination { Text, FontTable, ColorTable, Skip };

// The character formatting in force, as RTF numbers it (fonts and colours by table entry).
struct CharState {
    int font = -1;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0;
    bool operator==(const CharState&) const = default;
};

// What a group saves on '{' and gets back on '}'.
struct GroupState {
    CharState chars;
    Qt::Alignment alignment = Qt::AlignLeft;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;  // \ucN: the characters standing in for each \uN
};

struct Run {
    CharState chars;
    QString text;
};

struct Paragraph {
    Qt::Alignment alignment = Qt::AlignLeft;
    CharState chars;  // the formatting in force at its end, for an empty paragraph's height
    std::vector<Run> runs;
};

// Destinations whose content is not letter text.
bool isSkippedDestination(QByteArrayView name) {
    static const char* const kNames[] = {"stylesheet",
                                         "info",
                                         "pict",
                                         "header",
                                         "headerl",
                                         "headerr",
                                         "headerf",
                                         "footer",
                                         "footerl",
                                         "footerr",
                                         "footerf",
                                         "footnote",
                                         "annotation",
                                         "object",
                                         "fldinst",
                                         "themedata",
                                         "datastore",
                                         "latentstyles",
                                         "listtable",
                                         "rsidtbl",
                                         "generator",
                                         "filetbl",
                                         "revtbl",
                                         "listoverridetable",
                                         "pntxta",
                                         "pntxtb",
                                         "nonshppict",
                                         "xmlnstbl",
                                         "colorschememapping",
                                         "pgdsctbl",
                                         "template",
                                         "bkmkstart",
                                         "bkmkend",
                                         "shpinst",
                                         "objdata"};
    return std::any_of(std::begin(kNames), std::end(kNames),
                       [&](const char* known) { return name == known; });
}

bool isUnderlineOn(QByteArrayView name) {
    static const char* const kNames[] = {"ul", "uld", "uldb", "ulw", "ulth", "uldash", "ulwave"};
    return std::any_of(std::begin(kNames), std::end(kNames),
                       [&](const char* known) { return name == known; });
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The character a control symbol stands for, or 0 for none.
char16_t symbolCharacter(char symbol) {
    switch (symbol) {
        case '~':
            return 0x00A0;  // no-break space
        case '-':
            return 0x00AD;  // soft hyphen
        case '_':
            return 0x2011;  // no-break hyphen
        default:
            return 0;
    }
}

// Characters QTextDocument keeps for its own marks; text never holds them.
bool isDocumentMark(char16_t unit) {
    return unit == 0xFDD0 || unit == 0xFDD1 || unit == 0xFFFC;
}

// The font name as the writer can write it back: without control characters, line and
// paragraph separators, document marks and the ';' that ends an entry, and trimmed.
QString fontFamilyOf(const QString& name) {
    QString kept;
    kept.reserve(name.size());
    for (QChar c : name) {
        const char16_t unit = c.unicode();
        if (unit >= 0x20 && unit != u';' && unit != 0x2028 && unit != 0x2029 &&
            !isDocumentMark(unit)) {
            kept.append(c);
        }
    }
    return kept.trimmed();
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class RtfParser {
  public:
    explicit RtfParser(const QByteArray& data) : data_(data) {}

    std::optional<QString> parse();
    void fill(QTextDocument& document, QStringList& notes) const;

  private:
    void controlWord();
    void controlSymbol();
    void word(QByteArrayView name, int param, bool hasParam);
    void fontTableWord(QByteArrayView name, int param);
    void textWord(QByteArrayView name, int param, bool hasParam);
    void textByte(char byte, bool escaped);
    void flushText();
    void appendText(const QString& text);
    void endParagraph();
    void fontCharacter(char16_t character);
    void flushFontName();
    void commitFont();
    void commitColor();
    int codePageOf(int font) const;
    QTextCharFormat charFormat(const CharState& chars) const;

    const QByteArray& data_;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_;
    GroupState state_;
    bool groupStart_ = false;  // no control word or text yet since the last '{'
    int skipCount_ = 0;        // characters still to skip after \uN
    QByteArray pendingBytes_;  // text bytes not yet decoded, in the current formatting
    CodePageDecoder decoder_;
    int codePage_ = kWindows1252;  // \ansicpg: text in a font without a code page of its own
    int defaultFont_ = 0;
    std::map<int, QString> fonts_;
    std::map<int, int> fontCodePages_;  // the fonts whose entry names a code page
    int fontEntry_ = 0;
    QString fontName_;
    QByteArray fontBytes_;                       // the end of fontName_ not yet decoded
    std::optional<int> fontCharsetPage_;         // \fcharset of the entry
    std::optional<int> fontCodePage_;            // \cpg of the entry, which goes before \fcharset
    std::vector<std::optional<QColor>> colors_;  // none for the automatic colour
    int red_ = 0;
    int green_ = 0;
    int blue_ = 0;
    bool colorSet_ = false;
    std::vector<Paragraph> paragraphs_{1};
    PageLayout layout_ = PageLayout::rtfDefaults();  // as the file states it
};

std::optional<QString> RtfParser::parse() {
    while (pos_ < data_.size() && QChar::isSpace(static_cast<unsigned char>(data_[pos_]))) ++pos_;
    if (!data_.sliced(pos_).startsWith("{\\rtf"))
        return QCoreApplication::translate("RtfReader", kRtfNotRtf);
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        if (c == '{') {
            flushText();
            skipCount_ = 0;
            if (stack_.size() >= static_cast<std::size_t>(kRtfMaxGroupDepth)) {
                return QCoreApplication::translate("RtfReader", kRtfTooDeep);
            }
            stack_.push_back(state_);
            groupStart_ = true;
            ++pos_;
        } else if (c == '}') {
            flushText();
            skipCount_ = 0;
            if (state_.destination == Destination::FontTable) commitFont();
            state_ = stack_.back();
            stack_.pop_back();
            groupStart_ = false;
            ++pos_;
            if (stack_.empty()) return std::nullopt;
        } else if (c == '\\') {
            ++pos_;
            if (pos_ >= data_.size()) break;
            if (isLetter(data_[pos_])) {
                controlWord();
            } else {
                controlSymbol();
            }
        } else if (c == '\r' || c == '\n') {
            ++pos_;
        } else {
            groupStart_ = false;
            textByte(c, false);
            ++pos_;
        }
    }
    flushText();
    return QCoreApplication::translate("RtfReader", kRtfUnterminated);
}

void RtfParser::controlWord() {
    const qsizetype start = pos_;
    while (pos_ < data_.size() && isLetter(data_[pos_])) ++pos_;
    const QByteArrayView name(data_.constData() + start, pos_ - start);
    bool negative = false;
    if (pos_ + 1 < data_.size() && data_[pos_] == '-' && isDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    bool hasParam = false;
    std::int64_t value = 0;
    while (pos_ < data_.size() && isDigit(data_[pos_])) {
        hasParam = true;
        value = std::min<std::int64_t>(value * 10 + (data_[pos_] - '0'), kLargestParam);
        ++pos_;
    }
    if (pos_ < data_.size() && data_[pos_] == ' ') ++pos_;
    const int param = static_cast<int>(negative ? -value : value);
    word(name, param, hasParam);
}

void RtfParser::controlSymbol() {
    const char symbol = data_[pos_++];
    const bool first = groupStart_;
    groupStart_ = false;
    if (symbol == '*') {
        if (first) state_.destination = Destination::Skip;
        return;
    }
    if (symbol == '\'') {
        int byte = 0;
        int digits = 0;
        while (digits < 2 && pos_ < data_.size() && hexValue(data_[pos_]) >= 0) {
            byte = byte * 16 + hexValue(data_[pos_++]);
            ++digits;
        }
        if (digits > 0) textByte(static_cast<char>(byte), true);
        return;
    }
    if (symbol == '\\' || symbol == '{' || symbol == '}') {
        textByte(symbol, true);
        return;
    }
    const char16_t character = symbolCharacter(symbol);
    if (state_.destination == Destination::FontTable && character != 0) {
        fontCharacter(character);
        return;
    }
    if (state_.destination != Destination::Text) return;
    flushText();
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    if (character != 0) {
        appendText(QString(QChar(character)));
    } else if (symbol == '\r' || symbol == '\n') {
        endParagraph();
    }
}

void RtfParser::word(QByteArrayView name, int param, bool hasParam) {
    groupStart_ = false;
    if (name == "bin") {
        flushText();
        const qsizetype length = hasParam ? std::max(param, 0) : 0;
        pos_ += std::min(length, data_.size() - pos_);
        return;
    }
    switch (state_.destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            fontTableWord(name, param);
            return;
        case Destination::ColorTable:
            if (name == "red") {
                red_ = std::clamp(param, 0, 255);
                colorSet_ = true;
            } else if (name == "green") {
                green_ = std::clamp(param, 0, 255);
                colorSet_ = true;
            } else if (name == "blue") {
                blue_ = std::clamp(param, 0, 255);
                colorSet_ = true;
            }
            return;
        case Destination::Text:
            textWord(name, param, hasParam);
            return;
    }
}

void RtfParser::fontTableWord(QByteArrayView name, int param) {
    if (name == "f") {
        commitFont();  // an entry its ';' did not end
        fontEntry_ = param;
        fontCharsetPage_.reset();
        fontCodePage_.reset();
    } else if (name == "fcharset") {
        fontCharsetPage_ = codePageOfCharset(param);
    } else if (name == "cpg") {
        fontCodePage_ = param;
    } else if (name == "u" && skipCount_ > 0) {
        --skipCount_;  // a stand-in for the \uN before, as in text
    } else if (name == "u") {
        const int unit = param < 0 ? param + 65536 : param;
        if (unit >= 0 && unit <= 0xFFFF) fontCharacter(static_cast<char16_t>(unit));
        skipCount_ = state_.unicodeSkip;
    } else if (name == "uc") {
        state_.unicodeSkip = std::clamp(param, 0, 16);
    } else if (isSkippedDestination(name)) {
        state_.destination = Destination::Skip;
    }
}

void RtfParser::textWord(QByteArrayView name, int param, bool hasParam) {
    flushText();
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    const bool on = !hasParam || param != 0;
    CharState& chars = state_.chars;
    if (name == "fonttbl") {
        state_.destination = Destination::FontTable;
    } else if (name == "colortbl") {
        state_.destination = Destination::ColorTable;
        colors_.clear();
    } else if (isSkippedDestination(name)) {
        state_.destination = Destination::Skip;
    } else if (name == "ansi") {
        codePage_ = kWindows1252;
    } else if (name == "ansicpg") {
        codePage_ = param;
    } else if (name == "deff") {
        defaultFont_ = param;
        chars.font = param;
    } else if (name == "f") {
        chars.font = param;
    } else if (name == "fs") {
        chars.halfPoints = param > 0 ? std::min(param, 3276) : 24;
    } else if (name == "cf") {
        chars.color = param;
    } else if (name == "b") {
        chars.bold = on;
    } else if (name == "i") {
        chars.italic = on;
    } else if (isUnderlineOn(name)) {
        chars.underline = on;
    } else if (name == "ulnone") {
        chars.underline = false;
    } else if (name == "plain") {
        chars = CharState{};
        chars.font = defaultFont_;
    } else if (name == "pard") {
        state_.alignment = Qt::AlignLeft;
    } else if (name == "ql") {
        state_.alignment = Qt::AlignLeft;
    } else if (name == "qr") {
        state_.alignment = Qt::AlignRight;
    } else if (name == "qc") {
        state_.alignment = Qt::AlignHCenter;
    } else if (name == "qj") {
        state_.alignment = Qt::AlignJustify;
    } else if (name == "par") {
        endParagraph();
    } else if (name == "line") {
        appendText(QString(QChar(0x2028)));
    } else if (name == "tab") {
        appendText(QStringLiteral("\t"));
    } else if (name == "bullet") {
        appendText(QString(QChar(0x2022)));
    } else if (name == "emdash") {
        appendText(QString(QChar(0x2014)));
    } else if (name == "endash") {
        appendText(QString(QChar(0x2013)));
    } else if (name == "lquote") {
        appendText(QString(QChar(0x2018)));
    } else if (name == "rquote") {
        appendText(QString(QChar(0x2019)));
    } else if (name == "ldblquote") {
        appendText(QString(QChar(0x201C)));
    } else if (name == "rdblquote") {
        appendText(QString(QChar(0x201D)));
    } else if (name == "u") {
        const int unit = param < 0 ? param + 65536 : param;
        if (unit >= 0 && unit <= 0xFFFF) appendText(QString(QChar(static_cast<char16_t>(unit))));
        skipCount_ = state_.unicodeSkip;
    } else if (name == "uc") {
        state_.unicodeSkip = std::clamp(param, 0, 16);
    } else if (name == "paperw") {
        layout_.paperWidth = param;
    } else if (name == "paperh") {
        layout_.paperHeight = param;
    } else if (name == "margl") {
        layout_.leftMargin = param;
    } else if (name == "margr") {
        layout_.rightMargin = param;
    } else if (name == "margt") {
        layout_.topMargin = param;
    } else if (name == "margb") {
        layout_.bottomMargin = param;
    }
}

void RtfParser::textByte(char byte, bool escaped) {
    switch (state_.destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (skipCount_ > 0) {
                --skipCount_;
            } else if (byte == ';' && !escaped) {
                commitFont();
            } else {
                fontBytes_.append(byte);
            }
            return;
        case Destination::ColorTable:
            if (byte == ';' && !escaped) commitColor();
            return;
        case Destination::Text:
            if (skipCount_ > 0) {
                --skipCount_;
                return;
            }
            pendingBytes_.append(byte);
            return;
    }
}

void RtfParser::flushText() {
    if (pendingBytes_.isEmpty()) return;
    const QString text = decoder_.decode(pendingBytes_, codePageOf(state_.chars.font));
    pendingBytes_.clear();
    appendText(text);
}

void RtfParser::appendText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\t' || unit == 0x2028) {
            kept.append(c);
        } else if (unit == 0x2029) {
            kept.append(QChar(0x2028));
        } else if (unit >= 0x20 && !isDocumentMark(unit)) {
            kept.append(c);
        }
    }
    Paragraph& paragraph = paragraphs_.back();
    paragraph.alignment = state_.alignment;
    paragraph.chars = state_.chars;
    if (kept.isEmpty()) return;
    if (!paragraph.runs.empty() && paragraph.runs.back().chars == state_.chars) {
        paragraph.runs.back().text += kept;
    } else {
        paragraph.runs.push_back({state_.chars, kept});
    }
}

void RtfParser::endParagraph() {
    Paragraph& paragraph = paragraphs_.back();
    paragraph.alignment = state_.alignment;
    paragraph.chars = state_.chars;
    paragraphs_.emplace_back();
}

void RtfParser::fontCharacter(char16_t character) {
    if (skipCount_ > 0) {
        --skipCount_;
        return;
    }
    flushFontName();
    fontName_.append(QChar(character));
}

void RtfParser::flushFontName() {
    if (fontBytes_.isEmpty()) return;
    const int codePage = fontCodePage_ ? *fontCodePage_ : fontCharsetPage_.value_or(codePage_);
    fontName_ += decoder_.decode(fontBytes_, codePage);
    fontBytes_.clear();
}

void RtfParser::commitFont() {
    flushFontName();
    const QString name = fontFamilyOf(fontName_);
    fontName_.clear();
    if (name.isEmpty()) return;
    fonts_[fontEntry_] = name;
    if (fontCodePage_) {
        fontCodePages_[fontEntry_] = *fontCodePage_;
    } else if (fontCharsetPage_) {
        fontCodePages_[fontEntry_] = *fontCharsetPage_;
    }
}

void RtfParser::commitColor() {
    if (colorSet_) {
        colors_.push_back(QColor(red_, green_, blue_));
    } else {
        colors_.push_back(std::nullopt);
    }
    red_ = green_ = blue_ = 0;
    colorSet_ = false;
}

int RtfParser::codePageOf(int font) const {
    const auto found = fontCodePages_.find(font >= 0 ? font : defaultFont_);
    return found != fontCodePages_.end() ? found->second : codePage_;
}

QTextCharFormat RtfParser::charFormat(const CharState& chars) const {
    QTextCharFormat format;
    // Text with no \f of its own, or one the font table lacks, is in the default font (\deff).
    auto font = fonts_.find(chars.font);
    if (font == fonts_.end()) font = fonts_.find(defaultFont_);
    if (font != fonts_.end()) format.setFontFamilies(QStringList{font->second});
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    if (chars.color >= 0 && static_cast<std::size_t>(chars.color) < colors_.size() &&
        colors_[chars.color]) {
        format.setForeground(*colors_[chars.color]);
    }
    return format;
}

void RtfParser::fill(QTextDocument& document, QStringList& notes) const {
    // The paragraph after the last \par holds text only when the file ends without one.
    auto end = paragraphs_.end();
    if (paragraphs_.size() > 1 && paragraphs_.back().runs.empty()) --end;
    document.clear();
    if (const auto font = fonts_.find(defaultFont_); font != fonts_.end()) {
        // The name as one family: QFont(QString) would take commas in it as a list of them.
        QFont defaultFont;
        defaultFont.setFamilies({font->second});
        defaultFont.setPointSize(12);
        document.setDefaultFont(defaultFont);
    }
    // One edit block: a cursor outside one lays out the paragraph it inserts into after each
    // run, which makes a paragraph of many runs take time in the square of their number.
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    for (auto paragraph = paragraphs_.begin(); paragraph != end; ++paragraph) {
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(paragraph->alignment);
        const QTextCharFormat blockChars = charFormat(paragraph->chars);
        if (first) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(blockChars);
            first = false;
        } else {
            cursor.insertBlock(blockFormat, blockChars);
        }
        for (const Run& run : paragraph->runs) cursor.insertText(run.text, charFormat(run.chars));
    }
    cursor.endEditBlock();
    setPageLayout(document, fitRtfPage(layout_, notes));
}

}  // namespace

std::optional<QString> readRtf(const QByteArray& data, QTextDocument& document,
                               QStringList* notes) {
    RtfParser parser(data);
    std::optional<QString> error = parser.parse();
    if (error && *error == QCoreApplication::translate("RtfReader", kRtfNotRtf)) {
        document.clear();
        setPageLayout(document, PageLayout::rtfDefaults());
        return error;
    }
    QStringList fillNotes;
    parser.fill(document, fillNotes);
    if (notes) *notes += fillNotes;
    return error;
}

}  // namespace rp
