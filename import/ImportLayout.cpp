#include "import/ImportLayout.h"

#include <algorithm>

namespace rp {

bool ImportLayout::anyMatch() const {
    return std::any_of(columns.begin(), columns.end(),
                       [](const ImportColumn& c) { return !c.match.isEmpty(); });
}

const std::array<MatchTarget, 16>& matchTargets() {
    static const std::array<MatchTarget, 16> targets{{
        {"First", "FNAME"},
        {"Last", "LNAME"},
        {"Middle", "MIDDLE"},
        {"Title", "TITLE"},
        {"Prefix", "PREFIX"},
        {"Organization", "ORG"},
        {"Street", "STREET"},
        {"City", "CITY"},
        {"State/Province", "STATE"},
        {"Zip/Post Code", "ZIP"},
        {"Country", "COUNTRY"},
        {"Phone", "PHONE"},
        {"Fax", "FAX"},
        {"E-Mail", "EMAIL"},
        {"Codes", "NOTES"},
        {"Memo", "MEMO"},
    }};
    return targets;
}

const char* matchedField(const QString& caption) {
    for (const MatchTarget& t : matchTargets())
        if (caption == QLatin1String(t.caption)) return t.field;
    return nullptr;
}

}  // namespace rp
