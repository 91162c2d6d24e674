#pragma once
// The kinds of field the program's side files are made of, shared by the program's layouts and
// by sidefile-build, which writes the delivered files: text, lengths in inches held to three
// decimals, whole numbers (counts, point sizes, choices) and logicals; and the address-contents
// switches that label and envelope setups both carry. Plain C++ over the engine's field specs.
#include <vector>

#include "xbase/Field.h"

namespace rp::sidefields {

inline xbase::FieldSpec text(const char* name, int width) {
    return {name, 'C', width, 0};
}
inline xbase::FieldSpec inches(const char* name) {
    return {name, 'N', 8, 3};
}
inline xbase::FieldSpec whole(const char* name) {
    return {name, 'N', 4, 0};
}
inline xbase::FieldSpec logical(const char* name) {
    return {name, 'L', 1, 0};
}

// NAME, TITLE, COMPANY, STREET, CITYSTATE, ZIP, PHONE, COUNTRY, ZIPOPTIONS, UPPERCASE.
inline std::vector<xbase::FieldSpec> addressContentsFields() {
    std::vector<xbase::FieldSpec> fields;
    for (const char* name :
         {"NAME", "TITLE", "COMPANY", "STREET", "CITYSTATE", "ZIP", "PHONE", "COUNTRY"})
        fields.push_back(logical(name));
    fields.push_back(whole("ZIPOPTIONS"));
    fields.push_back(logical("UPPERCASE"));
    return fields;
}

// The stock geometry that label stocks and label setups share: LBLHEIGHT, LBLWIDTH, NBRACROSS,
// NBRDOWN, TOPMARG, LEFTMARG, HORIZPITCH, VERTPITCH, SHEETWIDTH, SHEETDEPTH.
inline std::vector<xbase::FieldSpec> labelGeometryFields() {
    return {inches("LBLHEIGHT"),  inches("LBLWIDTH"),  whole("NBRACROSS"),   whole("NBRDOWN"),
            inches("TOPMARG"),    inches("LEFTMARG"),  inches("HORIZPITCH"), inches("VERTPITCH"),
            inches("SHEETWIDTH"), inches("SHEETDEPTH")};
}

}  // namespace rp::sidefields
