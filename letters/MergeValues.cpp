#include "letters/MergeValues.h"

#include "data/RecordText.h"
#include "letters/MergeCodes.h"

namespace rp {
namespace {

QString withoutOuterBlanks(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin] == QLatin1Char(' ')) ++begin;
    while (end > begin && s[end - 1] == QLatin1Char(' ')) --end;
    return s.mid(begin, end - begin);
}

void add(QStringList& lines, const QString& line) {
    if (!line.isEmpty()) lines.append(line);
}

}  // namespace

MergeRecord readMergeRecord(const xbase::Table& addresses, const QString& today) {
    return {readAddressValues(addresses), fieldText(addresses, "FAX"),
            fieldText(addresses, "EMAIL"), today};
}

QStringList letterAddressLines(const AddressValues& a) {
    QStringList lines;
    add(lines, nameLine(a));
    if (!a.title.isEmpty() && !a.org.isEmpty())
        lines.append(a.title + QStringLiteral(",  ") + a.org);
    else
        add(lines, a.title.isEmpty() ? a.org : a.title);
    add(lines, a.street);
    if (!a.city.isEmpty() || !a.state.isEmpty() || !a.zip.isEmpty()) {
        const QString state = a.state.isEmpty() ? QString() : a.state + QLatin1Char(' ');
        add(lines,
            withoutOuterBlanks(a.city + QLatin1Char(' ') + state + QLatin1Char(' ') + a.zip));
    }
    add(lines, a.country);
    return lines;
}

QString mergeCodeValue(int code, const MergeRecord& r) {
    const AddressValues& a = r.address;
    const QString name = QString::fromLatin1(kMergeCodeNames.at(static_cast<std::size_t>(code)));
    if (name == QLatin1String("Full Name")) return nameLine(a);
    if (name == QLatin1String("Name and Address")) return letterAddressLines(a).join(u'\n');
    if (name == QLatin1String("City+State+Zip"))
        return withoutOuterBlanks(a.city + QLatin1Char(' ') + a.state + QLatin1Char(' ') + a.zip);
    if (name == QLatin1String("Today's Date")) return r.today;
    const struct {
        const char* code;
        const QString& value;
    } plain[] = {{"First", a.first},     {"Last", a.last},   {"Middle", a.middle},
                 {"Prefix", a.prefix},   {"Title", a.title}, {"Organization", a.org},
                 {"Street", a.street},   {"City", a.city},   {"State", a.state},
                 {"Province", a.state},  {"Zip", a.zip},     {"Postal Code", a.zip},
                 {"Country", a.country}, {"Phone", a.phone}, {"Fax", r.fax},
                 {"E-Mail", r.email}};
    for (const auto& p : plain)
        if (name == QLatin1String(p.code)) return p.value;
    return {};
}

}  // namespace rp
