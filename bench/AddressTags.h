#pragma once
// The structural tags of the address table, in the order they are built.
#include <array>
#include <vector>

#include "xbase/Table.h"

namespace bench {

struct AddressTag {
    const char* name;
    const char* key;
};

constexpr std::array<AddressTag, 21> kAddressTags = {{
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

// Creates every address tag on the table (open exclusively) and returns the seconds each
// build took, in kAddressTags order.
std::vector<double> createAddressTags(xbase::Table& table);

}  // namespace bench
