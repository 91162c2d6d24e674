#include "data/FieldText.h"

#include <QCoreApplication>
#include <array>

namespace rp {
namespace {

// 0x80-0x9F of Windows-1252; the five unassigned bytes stand for the C1 controls.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> encode(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

}  // namespace

QString fromFieldBytes(std::string_view bytes) {
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* p = out.data();
    for (unsigned char b : bytes)
        *p++ = QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b));
    return out;
}

std::optional<std::string> toFieldBytes(const QString& text, QString* refused) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const auto b = c.isSurrogate() ? std::nullopt : encode(c.unicode());
        if (!b) {
            if (refused)
                *refused = c.isHighSurrogate() && i + 1 < text.size() ? text.mid(i, 2) : QString(c);
            return std::nullopt;
        }
        out.push_back(*b);
    }
    return out;
}

QString withUnstorableReplaced(const QString& text, std::uint32_t* replaced) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate() && encode(c.unicode())) {
            out += c;
            continue;
        }
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        out += u'?';
        ++*replaced;
    }
    return out;
}

QString unstorableMessage(const QString& character) {
    return QCoreApplication::translate("FieldText",
                                       "The character \"%1\" cannot be stored in a Ravenpost file.")
        .arg(character);
}

}  // namespace rp
