#include "import/ColumnNames.h"

#include <algorithm>

#include "import/ImportLayout.h"

namespace rp {
namespace {

struct KnownName {
    const char* name;  // as normalizedColumnName gives it
    const char* caption;
};

// The names other programs give the address fields, beyond the fields' own names and captions.
// They come first: "Notes" is the memo, though NOTES is the field of the selection codes.
constexpr KnownName kKnownNames[] = {
    {"firstname", "First"},
    {"givenname", "First"},
    {"forename", "First"},
    {"lastname", "Last"},
    {"surname", "Last"},
    {"familyname", "Last"},
    {"middlename", "Middle"},
    {"middleinitial", "Middle"},
    {"nameprefix", "Prefix"},
    {"salutation", "Prefix"},
    {"jobtitle", "Title"},
    {"company", "Organization"},
    {"organisation", "Organization"},
    {"address", "Street"},
    {"address1", "Street"},
    {"addressline1", "Street"},
    {"streetaddress", "Street"},
    {"businessstreet", "Street"},
    {"town", "City"},
    {"province", "State/Province"},
    {"region", "State/Province"},
    {"zipcode", "Zip/Post Code"},
    {"postalcode", "Zip/Post Code"},
    {"postcode", "Zip/Post Code"},
    {"telephone", "Phone"},
    {"phonenumber", "Phone"},
    {"emailaddress", "E-Mail"},
    {"categories", "Codes"},
    {"notes", "Memo"},
};

const QString kMobile = QStringLiteral("mobile");
const QString kPhoneCaption = QStringLiteral("Phone");

}  // namespace

QString normalizedColumnName(const QString& name) {
    QString out;
    out.reserve(name.size());
    for (const QChar c : name) {
        if (c.isSpace() || c == u'-' || c == u'_') continue;
        out += c.toLower();
    }
    if (out.endsWith(u':')) out.chop(1);
    return out;
}

QString captionOfColumnName(const QString& name) {
    const QString key = normalizedColumnName(name);
    if (key.isEmpty()) return {};
    for (const KnownName& k : kKnownNames)
        if (key == QLatin1String(k.name)) return QLatin1String(k.caption);
    for (const MatchTarget& t : matchTargets()) {
        const QString caption = QLatin1String(t.caption);
        if (key == normalizedColumnName(caption) ||
            key == normalizedColumnName(QLatin1String(t.field)))
            return caption;
    }
    return {};
}

bool looksLikeHeader(const QStringList& values) {
    return std::count_if(values.begin(), values.end(),
                         [](const QString& v) { return !captionOfColumnName(v).isEmpty(); }) >= 2;
}

ColumnNameMatch matchColumnNames(const QStringList& names) {
    ColumnNameMatch match;
    QStringList suggested;
    for (const QString& name : names) suggested << captionOfColumnName(name);
    if (!suggested.contains(kPhoneCaption))
        for (int c = 0; c < names.size(); ++c)
            if (normalizedColumnName(names[c]) == kMobile) suggested[c] = kPhoneCaption;

    for (int c = 0; c < names.size(); ++c) {
        const QString& caption = suggested[c];
        if (caption.isEmpty()) {
            match.unknown << c;
            match.captions << QString();
        } else if (match.captions.contains(caption)) {
            match.repeated << c;
            match.captions << QString();
        } else {
            match.captions << caption;
        }
    }
    return match;
}

}  // namespace rp
