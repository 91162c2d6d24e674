#include "import/VcardReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <optional>

#include "import/VcardCharset.h"

namespace rp {
namespace {

struct LogicalLine {
    QByteArray text;
    int line = 0;
};

// Whether a byte cannot stand in a text file: a control character other than tab, line
// breaks, form feed and the end-of-file mark of old editors.
bool isBinaryByte(unsigned char b) {
    return b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1A;
}

// The bytes as UTF-8 when they begin with a UTF-16 byte order mark, without a UTF-8 one.
QByteArray withoutByteOrderMark(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                          : QStringDecoder::Utf16BE);
        return QString(utf16.decode(bytes.mid(2))).toUtf8();
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) return bytes.mid(3);
    return bytes;
}

// The part before the value's colon holds the quoted-printable encoding.
bool isQuotedPrintable(const QByteArray& line) {
    const qsizetype colon = line.indexOf(':');
    return line.left(colon < 0 ? line.size() : colon).toUpper().contains("QUOTED-PRINTABLE");
}

// The file's lines with folded lines joined: a line beginning with a blank or a tab goes on
// the one before without that character, and a quoted-printable value ending in "=" goes on
// with the next line. Empty lines are left out.
std::vector<LogicalLine> logicalLines(const QByteArray& bytes) {
    std::vector<LogicalLine> lines;
    int number = 0;
    bool softBreak = false;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') ++end;
        const QByteArray physical = bytes.mid(start, end - start);
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
            bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
        ++number;
        if (softBreak) {
            lines.back().text += physical;
        } else if (!lines.empty() && !physical.isEmpty() &&
                   (physical[0] == ' ' || physical[0] == '\t')) {
            lines.back().text += physical.mid(1);
        } else if (!physical.isEmpty()) {
            lines.push_back({physical, number});
        } else {
            continue;
        }
        LogicalLine& last = lines.back();
        softBreak = last.text.endsWith('=') && isQuotedPrintable(last.text);
        if (softBreak) last.text.chop(1);
    }
    return lines;
}

// The position of the colon that ends the name and parameters, outside double quotes.
qsizetype valueColon(const QByteArray& line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == ':' && !quoted) return i;
    }
    return -1;
}

// The parts between unquoted semicolons.
QList<QByteArray> headerParts(const QByteArray& header) {
    QList<QByteArray> parts;
    QByteArray part;
    bool quoted = false;
    for (char c : header) {
        if (c == '"') quoted = !quoted;
        if (c == ';' && !quoted) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    return parts;
}

bool isNameByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "=XX" becomes the byte XX; an "=" not followed by two hexadecimal digits stays.
QByteArray decodedQuotedPrintable(const QByteArray& value) {
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const int high = value[i] == '=' && i + 2 < value.size() ? hexDigit(value[i + 1]) : -1;
        const int low = high < 0 ? -1 : hexDigit(value[i + 2]);
        if (low < 0) {
            out += value[i];
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

QString parameterValue(const std::vector<VcardParameter>& parameters, const QString& name) {
    for (const VcardParameter& p : parameters)
        if (p.name == name) return p.value;
    return {};
}

struct ParsedLine {
    std::optional<VcardProperty> property;
    QString error;
};

// One content line as a property; an error names the line.
ParsedLine parseLine(const LogicalLine& line, const QString& fileName) {
    const auto lineError = [&](const QString& text) {
        return ParsedLine{std::nullopt, text.arg(fileName).arg(line.line)};
    };
    const qsizetype colon = valueColon(line.text);
    const QList<QByteArray> header = headerParts(line.text.left(colon));
    QByteArray name = header.front();
    if (colon < 0 || name.isEmpty() || !std::all_of(name.begin(), name.end(), isNameByte))
        return lineError(QCoreApplication::translate(
            "VcardReader", "%1 line %2: not a vCard line (a property name and a colon)."));
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0) name = name.mid(dot + 1);

    VcardProperty property;
    property.name = QString::fromLatin1(name).toUpper();
    for (qsizetype i = 1; i < header.size(); ++i) {
        const QByteArray& part = header[i];
        const qsizetype equals = part.indexOf('=');
        QByteArray value = equals < 0 ? part : part.mid(equals + 1);
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        const QString parameter =
            equals < 0 ? QStringLiteral("TYPE") : QString::fromLatin1(part.left(equals)).toUpper();
        // A bare encoding of 2.1 is told apart from a type.
        const QString text = QString::fromUtf8(value);
        const bool encoding =
            equals < 0 &&
            (text.compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0 ||
             text.compare(QLatin1String("BASE64"), Qt::CaseInsensitive) == 0);
        property.parameters.push_back({encoding ? QStringLiteral("ENCODING") : parameter, text});
    }
    QByteArray value = line.text.mid(colon + 1);
    if (parameterValue(property.parameters, QStringLiteral("ENCODING"))
            .compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0)
        value = decodedQuotedPrintable(value);
    const QString charset = parameterValue(property.parameters, QStringLiteral("CHARSET"));
    const std::optional<QString> text = decodeVcardText(value, charset);
    if (!text)
        return {std::nullopt, QCoreApplication::translate(
                                  "VcardReader", "%1 line %2: the character set %3 cannot be read.")
                                  .arg(fileName)
                                  .arg(line.line)
                                  .arg(charset)};
    property.value = *text;
    return {std::move(property), {}};
}

bool isCardMark(const VcardProperty& property, const char* name) {
    return property.name == QLatin1String(name) &&
           property.value.trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool VcardProperty::hasType(const QString& type) const {
    for (const VcardParameter& p : parameters) {
        if (p.name != QLatin1String("TYPE")) continue;
        for (const QString& t : p.value.split(u','))
            if (t.trimmed().compare(type, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

int VcardProperty::preference() const {
    bool ok = false;
    const int pref = parameterValue(parameters, QStringLiteral("PREF")).toInt(&ok);
    if (ok && pref >= 1 && pref <= 100) return pref;
    return hasType(QStringLiteral("pref")) ? 1 : 101;
}

std::vector<const VcardProperty*> VcardCard::all(const QString& name) const {
    std::vector<const VcardProperty*> found;
    for (const VcardProperty& p : properties)
        if (p.name == name) found.push_back(&p);
    return found;
}

VcardFile readVcards(const QByteArray& original, const QString& fileName) {
    VcardFile file;
    if (original.isEmpty()) {
        file.error =
            QCoreApplication::translate("VcardReader", "The file %1 is empty.").arg(fileName);
        return file;
    }
    const QByteArray bytes = withoutByteOrderMark(original);
    if (std::any_of(bytes.begin(), bytes.end(),
                    [](char c) { return isBinaryByte(static_cast<unsigned char>(c)); })) {
        file.error = QCoreApplication::translate("VcardReader", "The file %1 is not a text file.")
                         .arg(fileName);
        return file;
    }
    std::optional<VcardCard> card;
    for (const LogicalLine& line : logicalLines(bytes)) {
        ParsedLine parsed = parseLine(line, fileName);
        if (!parsed.property) {
            file.error = parsed.error;
            return file;
        }
        VcardProperty& property = *parsed.property;
        if (isCardMark(property, "BEGIN")) {
            if (card) {
                file.error = QCoreApplication::translate(
                                 "VcardReader",
                                 "%1 line %2: a card begins before the card of line %3 has ended.")
                                 .arg(fileName)
                                 .arg(line.line)
                                 .arg(card->line);
                return file;
            }
            card.emplace();
            card->line = line.line;
        } else if (!card) {
            file.error =
                QCoreApplication::translate(
                    "VcardReader", "%1 line %2: a line outside a card (BEGIN:VCARD ... END:VCARD).")
                    .arg(fileName)
                    .arg(line.line);
            return file;
        } else if (isCardMark(property, "END")) {
            file.cards.push_back(std::move(*card));
            card.reset();
        } else {
            card->properties.push_back(std::move(property));
        }
    }
    if (card)
        file.error = QCoreApplication::translate(
                         "VcardReader", "%1 line %2: the card begun here has no END:VCARD.")
                         .arg(fileName)
                         .arg(card->line);
    else if (file.cards.empty())
        file.error =
            QCoreApplication::translate("VcardReader", "The file %1 holds no vCard.").arg(fileName);
    return file;
}

VcardFile readVcardFile(const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        VcardFile file;
        file.error = QCoreApplication::translate("VcardReader", "The file %1 cannot be read: %2")
                         .arg(name, in.errorString());
        return file;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        VcardFile file;
        file.error = QCoreApplication::translate("VcardReader", "The file %1 cannot be read: %2")
                         .arg(name, in.errorString());
        return file;
    }
    return readVcards(bytes, name);
}

}  // namespace rp
