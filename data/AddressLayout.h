#pragma once
// The address file's 20 fields and 21 tags, and the test that an open table has the layout.
#include <QString>
#include <array>
#include <vector>

#include "xbase/Field.h"

namespace xbase {
class Table;
}

namespace rp {

// The fields in physical order (STATE 20 wide; older files have it 4 wide).
const std::vector<xbase::FieldSpec>& addressFields();

struct AddressTagDef {
    const char* name;
    const char* key;
};
// The tags in creation order; the first kRequiredTagCount must exist when a file is opened.
const std::array<AddressTagDef, 21>& addressTags();
inline constexpr int kRequiredTagCount = 18;

// Hides records marked deleted by PREFIX; part of every query on the address file.
inline const QString kStandingCondition = QStringLiteral("UPPER(PREFIX)<>\"DELETED\"");

// The table's filter for a user expression: it followed by ".and. " and the standing condition.
inline QString joinedFilter(const QString& userExpression) {
    return userExpression + QStringLiteral(".and. ") + kStandingCondition;
}

// Every field but BEGIN present with its type and width, STATE being stateWidth wide;
// fields beyond these are ignored.
bool hasAddressLayout(const xbase::Table& table, int stateWidth);

}  // namespace rp
