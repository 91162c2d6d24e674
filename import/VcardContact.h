#pragma once
// What a vCard gives the address fields: N to the name fields (family, given, the first letter
// of the additional name, prefix), ORG, TITLE, the first address (of type work when the card
// has an organization, else home), the first phone that is not a fax and the first fax (the
// preferred ones first), EMAIL, each NOTE as a memo line and every CATEGORIES value, joined
// by commas, as the codes.
#include <QString>
#include <vector>

#include "import/VcardReader.h"

namespace rp {

struct ImportValue {
    QString caption;  // the caption of the receiving field (see matchTargets)
    QString value;
};

// The field values of the card, memo lines with CR LF line breaks; empty when the card gives
// no field a value. A card without N takes its names from FN unless FN is the organization;
// a prefix "DELETED", the program's mark of a deleted record, is left out.
std::vector<ImportValue> vcardFieldValues(const VcardCard& card);

}  // namespace rp
