#include "data/DateText.h"

#include <QDate>
#include <QRegularExpression>
#include <vector>

namespace rp {
namespace {

struct Part {
    QChar what;  // 'd', 'm' or 'y'
    int width;
};

// The date parts of a format in order, "yyyy" before "yy".
std::vector<Part> partsOf(const QString& format) {
    std::vector<Part> parts;
    const QString f = format.toLower();
    for (qsizetype i = 0; i < f.size();) {
        if (f.mid(i, 4) == QLatin1String("yyyy")) {
            parts.push_back({'y', 4});
            i += 4;
        } else if (f.mid(i, 2) == QLatin1String("yy") || f.mid(i, 2) == QLatin1String("mm") ||
                   f.mid(i, 2) == QLatin1String("dd")) {
            parts.push_back({f[i], 2});
            i += 2;
        } else {
            ++i;
        }
    }
    return parts;
}

}  // namespace

QString formatDate(xbase::JulianDay day, const QString& format) {
    if (day == 0) return {};
    int y = 0, m = 0, d = 0;
    xbase::civilDate(day, y, m, d);
    QString out;
    const QString f = format.toLower();
    for (qsizetype i = 0; i < f.size();) {
        if (f.mid(i, 4) == QLatin1String("yyyy")) {
            out += QStringLiteral("%1").arg(y, 4, 10, QLatin1Char('0'));
            i += 4;
        } else if (f.mid(i, 2) == QLatin1String("yy")) {
            out += QStringLiteral("%1").arg(y % 100, 2, 10, QLatin1Char('0'));
            i += 2;
        } else if (f.mid(i, 2) == QLatin1String("mm") || f.mid(i, 2) == QLatin1String("dd")) {
            out +=
                QStringLiteral("%1").arg(f[i] == QLatin1Char('m') ? m : d, 2, 10, QLatin1Char('0'));
            i += 2;
        } else {
            out += format[i++];
        }
    }
    return out;
}

std::optional<xbase::JulianDay> parseDate(const QString& text, const QString& format) {
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    std::vector<QString> groups;
    for (auto it = digits.globalMatch(text); it.hasNext();) groups.push_back(it.next().captured());
    if (groups.empty()) return xbase::JulianDay{0};
    const std::vector<Part> parts = partsOf(format);
    if (groups.size() != parts.size()) return std::nullopt;
    int y = 0, m = 0, d = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (groups[i].size() > parts[i].width) return std::nullopt;
        const int v = groups[i].toInt();
        if (parts[i].what == QLatin1Char('d'))
            d = v;
        else if (parts[i].what == QLatin1Char('m'))
            m = v;
        else if (groups[i].size() <= 2) {
            const int thisYear = QDate::currentDate().year();
            const int last = thisYear + 20;
            y = (last / 100) * 100 + v;
            if (y > last) y -= 100;
        } else {
            y = v;
        }
    }
    if (!xbase::isValidDate(y, m, d)) return std::nullopt;
    return xbase::julianDay(y, m, d);
}

QString qtInputMask(const QString& editMask) {
    const QStringList parts = editMask.split(QLatin1Char(';'));
    QString body = parts[0];
    if (body.startsWith(QLatin1Char('!'))) body.remove(0, 1);
    QString out;
    for (QChar c : body) {
        if (c == QLatin1Char('9'))
            out += QLatin1Char('0');
        else if (c == QLatin1Char('0'))
            out += QLatin1Char('9');
        else if (QStringLiteral("Aa#LlCc<>\\").contains(c))
            out += QLatin1Char('\\') + QString(c);
        else
            out += c;
    }
    const QString blank =
        parts.size() > 2 && !parts[2].isEmpty() ? parts[2].left(1) : QStringLiteral(" ");
    return out + QLatin1Char(';') + blank;
}

}  // namespace rp
