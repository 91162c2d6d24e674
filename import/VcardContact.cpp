#include "import/VcardContact.h"

#include <algorithm>

#include "import/VcardValue.h"

namespace rp {
namespace {

// The component's values, each unescaped, joined by separator with the empty ones left out.
QString joinedValues(const QString& component, const QString& separator) {
    QStringList values;
    for (const QString& v : vcardListValues(component))
        if (const QString text = vcardUnescape(v).trimmed(); !text.isEmpty()) values << text;
    return values.join(separator);
}

QString component(const QStringList& components, int n) {
    return n < components.size() ? components[n] : QString();
}

// Of the properties, the one preferred most, the first among equals; null for none.
const VcardProperty* preferred(const std::vector<const VcardProperty*>& properties) {
    const auto best = std::min_element(properties.begin(), properties.end(),
                                       [](const VcardProperty* a, const VcardProperty* b) {
                                           return a->preference() < b->preference();
                                       });
    return best == properties.end() ? nullptr : *best;
}

QString phoneNumber(const VcardProperty* tel) {
    if (!tel) return {};
    QString number = vcardUnescape(tel->value).trimmed();
    if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) number = number.mid(4);
    return number;
}

QString firstText(const VcardCard& card, const QString& name) {
    const auto found = card.all(name);
    return found.empty() ? QString() : vcardUnescape(found.front()->value).trimmed();
}

class FieldValues {
  public:
    void add(const char* caption, const QString& value) {
        if (!value.isEmpty()) values_.push_back({QLatin1String(caption), value});
    }
    std::vector<ImportValue> take() { return std::move(values_); }

  private:
    std::vector<ImportValue> values_;
};

void addNames(FieldValues& out, const VcardCard& card, const QString& organization) {
    const auto names = card.all(QStringLiteral("N"));
    const QStringList n = names.empty() ? QStringList() : vcardComponents(names.front()->value);
    const QString last = joinedValues(component(n, 0), QStringLiteral(" "));
    const QString first = joinedValues(component(n, 1), QStringLiteral(" "));
    if (last.isEmpty() && first.isEmpty()) {
        // Without N (which 4.0 allows) the formatted name is the one there is: its last word
        // is taken for the last name. A card of an organization has the organization there.
        const QString formatted = firstText(card, QStringLiteral("FN"));
        if (!formatted.isEmpty() && formatted != organization) {
            const qsizetype blank = formatted.lastIndexOf(u' ');
            out.add("First", formatted.left(std::max<qsizetype>(blank, 0)).trimmed());
            out.add("Last", formatted.mid(blank + 1));
        }
    }
    out.add("First", first);
    out.add("Last", last);
    const QString additional = joinedValues(component(n, 2), QStringLiteral(" "));
    out.add("Middle", additional.left(1));
    const QString prefix = joinedValues(component(n, 3), QStringLiteral(" "));
    if (prefix.compare(QLatin1String("DELETED"), Qt::CaseInsensitive) != 0)
        out.add("Prefix", prefix);
}

void addAddress(FieldValues& out, const VcardCard& card, bool hasOrganization) {
    const auto addresses = card.all(QStringLiteral("ADR"));
    if (addresses.empty()) return;
    const QString wanted = hasOrganization ? QStringLiteral("work") : QStringLiteral("home");
    const auto typed = std::find_if(addresses.begin(), addresses.end(),
                                    [&](const VcardProperty* a) { return a->hasType(wanted); });
    const QStringList adr =
        vcardComponents((typed == addresses.end() ? addresses.front() : *typed)->value);
    // The street lines, then the extended address and the post office box.
    QStringList lines;
    for (int part : {2, 1, 0})
        for (const QString& line :
             joinedValues(component(adr, part), QStringLiteral("\n")).split(u'\n'))
            if (!line.trimmed().isEmpty()) lines << line.trimmed();
    out.add("Street", lines.join(QStringLiteral(", ")));
    out.add("City", joinedValues(component(adr, 3), QStringLiteral(", ")));
    out.add("State/Province", joinedValues(component(adr, 4), QStringLiteral(", ")));
    out.add("Zip/Post Code", joinedValues(component(adr, 5), QStringLiteral(", ")));
    out.add("Country", joinedValues(component(adr, 6), QStringLiteral(", ")));
}

void addPhones(FieldValues& out, const VcardCard& card) {
    std::vector<const VcardProperty*> phones, faxes;
    for (const VcardProperty* tel : card.all(QStringLiteral("TEL")))
        (tel->hasType(QStringLiteral("fax")) ? faxes : phones).push_back(tel);
    out.add("Phone", phoneNumber(preferred(phones)));
    out.add("Fax", phoneNumber(preferred(faxes)));
}

}  // namespace

std::vector<ImportValue> vcardFieldValues(const VcardCard& card) {
    FieldValues out;
    const auto orgs = card.all(QStringLiteral("ORG"));
    QStringList orgParts;
    if (!orgs.empty())
        for (const QString& part : vcardComponents(orgs.front()->value))
            if (const QString text = vcardUnescape(part).trimmed(); !text.isEmpty())
                orgParts << text;
    const QString organization = orgParts.join(QStringLiteral(", "));

    addNames(out, card, organization);
    out.add("Organization", organization);
    out.add("Title", firstText(card, QStringLiteral("TITLE")));
    addAddress(out, card, !organization.isEmpty());
    addPhones(out, card);
    if (const VcardProperty* email = preferred(card.all(QStringLiteral("EMAIL"))))
        out.add("E-Mail", vcardUnescape(email->value).trimmed());
    QStringList codes;
    for (const VcardProperty* categories : card.all(QStringLiteral("CATEGORIES")))
        for (const QString& v : vcardListValues(categories->value))
            if (const QString code = vcardUnescape(v); !code.trimmed().isEmpty()) codes << code;
    out.add("Codes", codes.join(u','));
    for (const VcardProperty* note : card.all(QStringLiteral("NOTE"))) {
        QString text = vcardUnescape(note->value);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\n', QStringLiteral("\r\n"));
        out.add("Memo", text);
    }
    return out.take();
}

}  // namespace rp
