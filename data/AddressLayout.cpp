#include "data/AddressLayout.h"

#include "xbase/Table.h"

namespace rp {

const std::vector<xbase::FieldSpec>& addressFields() {
    static const std::vector<xbase::FieldSpec> fields = {
        {"LNAME", 'C', 30, 0},   {"FNAME", 'C', 30, 0}, {"MIDDLE", 'C', 1, 0},
        {"TITLE", 'C', 30, 0},   {"ORG", 'C', 30, 0},   {"STREET", 'C', 30, 0},
        {"CITY", 'C', 30, 0},    {"STATE", 'C', 20, 0}, {"ZIP", 'C', 10, 0},
        {"COUNTRY", 'C', 30, 0}, {"PHONE", 'C', 30, 0}, {"EMAIL", 'C', 30, 0},
        {"FAX", 'C', 30, 0},     {"NOTES", 'C', 30, 0}, {"PREFIX", 'C', 12, 0},
        {"CARRIER", 'C', 4, 0},  {"DATE", 'D', 8, 0},   {"BEGIN", 'L', 1, 0},
        {"SEQNO", 'N', 6, 0},    {"MEMO", 'M', 10, 0},
    };
    return fields;
}

const std::array<AddressTagDef, 21>& addressTags() {
    static const std::array<AddressTagDef, 21> tags = {{
        {"NAME", "UPPER(LNAME-FNAME)"},
        {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"},
        {"FNAME", "UPPER(FNAME)"},
        {"TITLE", "UPPER(TITLE)"},
        {"ORG", "UPPER(ORG)"},
        {"STREET", "UPPER(STREET)"},
        {"CITY", "UPPER(CITY+STATE)"},
        {"STATE", "UPPER(STATE)"},
        {"ZIP", "UPPER(ZIP)"},
        {"COUNTRY", "UPPER(COUNTRY)"},
        {"PHONE", "UPPER(PHONE)"},
        {"EMAIL", "UPPER(EMAIL)"},
        {"FAX", "UPPER(FAX)"},
        {"DATE", "DTOS(DATE)"},
        {"NOTES", "UPPER(NOTES)"},
        {"PREFIX", "UPPER(PREFIX)"},
        {"MIDDLE", "UPPER(MIDDLE)"},
        {"DELETED", "DELETED()"},
        {"JUSTSEQNO", "SEQNO"},
        {"SEQNO", "STR(SEQNO,6,0)+STATE+ZIP"},
        {"STATEZIP", "UPPER(STATE-ZIP)"},
    }};
    return tags;
}

bool hasAddressLayout(const xbase::Table& table, int stateWidth) {
    for (const xbase::FieldSpec& wanted : addressFields()) {
        if (wanted.name == "BEGIN") continue;
        const int n = table.fieldNumber(wanted.name);
        if (n == 0) return false;
        const xbase::Field& f = table.field(n);
        if (f.type != wanted.type) return false;
        if (wanted.type != 'C') continue;
        const int width = wanted.name == "STATE" ? stateWidth : wanted.width;
        if (f.width != width) return false;
    }
    return true;
}

}  // namespace rp
