#include "utilities/VcardCopy.h"

#include <QStringList>

#include "data/RecordText.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// value with the backslash, line breaks and, unless kept, commas and semicolons escaped.
QString escaped(QString value, bool keepCommas = false) {
    value.replace(QStringLiteral("\\"), QStringLiteral("\\\\"));
    value.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    value.replace(u'\n', QStringLiteral("\\n"));
    value.replace(u'\r', QStringLiteral("\\n"));
    value.replace(u';', QStringLiteral("\\;"));
    if (!keepCommas) value.replace(u',', QStringLiteral("\\,"));
    return value;
}

// Appends the content line, folded so that no line is longer than 75 bytes, a fold never
// falling inside the bytes of one character.
void appendLine(std::string& out, const QString& line) {
    const QByteArray bytes = line.toUtf8();
    constexpr qsizetype kMaxLine = 75;
    qsizetype start = 0;
    qsizetype room = kMaxLine;
    while (bytes.size() - start > room) {
        qsizetype end = start + room;
        while ((static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) --end;
        out.append(bytes.constData() + start, static_cast<std::size_t>(end - start));
        out += "\r\n ";
        start = end;
        room = kMaxLine - 1;
    }
    out.append(bytes.constData() + start, static_cast<std::size_t>(bytes.size() - start));
    out += "\r\n";
}

}  // namespace

std::string vcardRecord(const xbase::Table& source) {
    const auto field = [&source](const char* name) { return fieldText(source, name).trimmed(); };
    const QString last = field("LNAME"), first = field("FNAME"), middle = field("MIDDLE"),
                  prefix = field("PREFIX"), org = field("ORG");
    QStringList nameParts;
    for (const QString& part : {prefix, first, middle.isEmpty() ? middle : middle + u'.', last})
        if (!part.isEmpty()) nameParts << part;
    const QString formatted = nameParts.isEmpty() ? org : nameParts.join(u' ');

    std::string out = "BEGIN:VCARD\r\nVERSION:4.0\r\n";
    const auto line = [&out](const QString& name, const QString& value) {
        if (!value.isEmpty()) appendLine(out, name + u':' + value);
    };
    appendLine(out, QStringLiteral("FN:") + escaped(formatted));
    if (!last.isEmpty() || !first.isEmpty() || !middle.isEmpty() || !prefix.isEmpty())
        line(QStringLiteral("N"),
             QStringList{escaped(last), escaped(first), escaped(middle), escaped(prefix), QString()}
                 .join(u';'));
    line(QStringLiteral("ORG"), escaped(org));
    line(QStringLiteral("TITLE"), escaped(field("TITLE")));
    QStringList address{QString(), QString()};
    for (const char* name : {"STREET", "CITY", "STATE", "ZIP", "COUNTRY"})
        address << escaped(field(name));
    if (!address.join(QString()).isEmpty())
        line(org.isEmpty() ? QStringLiteral("ADR;TYPE=home") : QStringLiteral("ADR;TYPE=work"),
             address.join(u';'));
    line(QStringLiteral("TEL;VALUE=text;TYPE=voice"), escaped(field("PHONE")));
    line(QStringLiteral("TEL;VALUE=text;TYPE=fax"), escaped(field("FAX")));
    line(QStringLiteral("EMAIL"), escaped(field("EMAIL")));
    // The codes are a list: their commas separate the categories.
    line(QStringLiteral("CATEGORIES"), escaped(field("NOTES"), true));
    line(QStringLiteral("NOTE"), escaped(memoText(source, "MEMO")));
    out += "END:VCARD\r\n";
    return out;
}

CopyResult copyToVcard(xbase::Table& source, const QString& target, const BulkHooks& hooks) {
    return copyToTextFile(
        source, target, {}, [&source] { return vcardRecord(source); }, hooks);
}

}  // namespace rp
