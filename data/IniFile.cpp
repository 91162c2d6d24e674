#include "data/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QStringDecoder>
#include <optional>
#include <utility>

#include "data/FieldText.h"
#include "data/WholeFile.h"

namespace rp {
namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// The file as lines without their ends. A byte-order mark some editors put in front is kept
// apart, so that the first line still reads as a section and the mark is written back.
struct IniLines {
    QByteArray byteOrderMark;
    QList<QByteArray> lines;
};

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return fromFieldBytes(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

IniLines splitLines(QByteArray bytes) {
    IniLines file;
    if (bytes.startsWith(kByteOrderMark)) {
        file.byteOrderMark = kByteOrderMark;
        bytes.remove(0, kByteOrderMark.size());
    }
    if (bytes.isEmpty()) return file;
    file.lines = bytes.split('\n');
    if (bytes.endsWith('\n')) file.lines.removeLast();
    for (QByteArray& line : file.lines)
        if (line.endsWith('\r')) line.chop(1);
    return file;
}

// The text of the file, or nothing when it is missing or cannot be read.
std::optional<QByteArray> readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

[[noreturn]] void throwWriteError(const QString& path, const QString& reason) {
    throw IniFileError(QCoreApplication::translate("IniFile", "The file %1 cannot be written: %2")
                           .arg(QDir::toNativeSeparators(path), reason)
                           .toStdString());
}

void saveLines(const QString& path, const IniLines& file) {
    QByteArray bytes = file.byteOrderMark;
    for (const QByteArray& line : file.lines) bytes += line + "\r\n";
    WholeFile out(path);
    if (!out.open() || !out.write(bytes) || !out.commit()) throwWriteError(path, out.cause());
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The name of a "[Name]" line, blanks around it and inside the brackets dropped.
std::optional<QString> sectionOf(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    const qsizetype close = text.indexOf(']');
    if (!text.startsWith('[') || close < 0) return std::nullopt;
    return decode(text.mid(1, close - 1)).trimmed();
}

// A key as it is written to the file. What would make its line read as something else or its
// key read back as another is written as "%" and the two hex digits of each of its UTF-8
// bytes: "=" and line breaks anywhere, a leading "[" (a section heading) or ";" (a comment),
// blanks at either end (dropped when read), and the escape "%" itself. Any other key is
// written as it is.
QString fileKey(const QString& key) {
    const auto escaped = [&key](qsizetype i) {
        const QChar c = key[i];
        if (c == u'=' || c == u'%' || c == u'\r' || c == u'\n') return true;
        if (c.isSpace() && (i == 0 || i == key.size() - 1)) return true;
        return i == 0 && (c == u'[' || c == u';');
    };
    QString written;
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (!escaped(i)) {
            written += key[i];
            continue;
        }
        for (const char byte : QString(key[i]).toUtf8())
            written += QStringLiteral("%%1")
                           .arg(static_cast<uchar>(byte), 2, 16, QLatin1Char('0'))
                           .toUpper();
    }
    return written;
}

// The key and raw value of a "key=value" line; lines starting with ";" are comments.
struct Entry {
    QString key;
    QByteArray value;
};

std::optional<Entry> entryOf(const QByteArray& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.trimmed().startsWith(';')) return std::nullopt;
    return Entry{decode(line.left(equals)).trimmed(), line.mid(equals + 1).trimmed()};
}

// Where a key stands: its line (the first of every section of that name), or -1; and the
// line after which a new key goes: the last key line of the section's first occurrence, or
// its heading when it has none, or -1 when the section is missing.
struct Place {
    qsizetype keyLine = -1;
    qsizetype insertAfter = -1;
};

Place locate(const QList<QByteArray>& lines, const QString& section, const QString& key) {
    const QString written = fileKey(key);
    Place place;
    int occurrence = 0;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionOf(lines[i])) {
            inSection = sameName(*name, section);
            if (inSection && ++occurrence == 1) place.insertAfter = i;
            continue;
        }
        const auto entry = inSection ? entryOf(lines[i]) : std::nullopt;
        if (!entry) continue;
        if (sameName(entry->key, written)) {
            place.keyLine = i;
            return place;
        }
        if (occurrence == 1) place.insertAfter = i;
    }
    return place;
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const {
    const auto bytes = readBytes(path_);
    if (!bytes) return def;
    const IniLines file = splitLines(*bytes);
    const Place place = locate(file.lines, section, key);
    if (place.keyLine < 0) return def;
    return decode(entryOf(file.lines[place.keyLine])->value);
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const {
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const {
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value != 0 : def;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    // A file that is there but cannot be read must not be replaced by the one line.
    const auto bytes = readBytes(path_);
    if (!bytes && QFile::exists(path_))
        throwWriteError(path_, QCoreApplication::translate("IniFile", "it cannot be read"));
    IniLines file = splitLines(bytes.value_or(QByteArray()));

    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray valueBytes = oneLine.trimmed().toUtf8();

    const Place place = locate(file.lines, section, key);
    if (place.keyLine >= 0) {
        QByteArray& line = file.lines[place.keyLine];
        const QByteArray updated = line.left(line.indexOf('=')).trimmed() + '=' + valueBytes;
        if (updated == line) return;
        line = updated;
    } else if (place.insertAfter >= 0) {
        file.lines.insert(place.insertAfter + 1, fileKey(key).toUtf8() + '=' + valueBytes);
    } else {
        // A new section at the end, set off from what is above it by a blank line.
        if (!file.lines.isEmpty() && !file.lines.last().trimmed().isEmpty())
            file.lines.append(QByteArray());
        file.lines.append('[' + section.toUtf8() + ']');
        file.lines.append(fileKey(key).toUtf8() + '=' + valueBytes);
    }
    saveLines(path_, file);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace rp
