#pragma once
// The two envelope side tables as the program uses them: the envelope definition
// file RVPENVS.DBF (the catalogue of sizes) and the envelope setup file RVPESU.DBF. The
// delivered tables are written by tools/sidefile-build to the same layouts; the tests compare
// the two. Lengths are inches with 3 decimals; point sizes and choices are whole numbers.
#include <string>
#include <vector>

#include "xbase/Field.h"

namespace rp {

inline constexpr char kEnvelopeDefinitionFile[] = "RVPENVS.DBF";
inline constexpr char kEnvelopeSetupFile[] = "RVPESU.DBF";

struct EnvelopeTableLayout {
    std::string file;                      // the file name in the program folder
    std::vector<xbase::FieldSpec> fields;  // in column order
    std::string tagName;                   // the one compound index tag
    std::string tagKey;
};

// RVPENVS.DBF: NAME, DESC, WIDTH, HEIGHT, USERDEF; tag NAME on "UPPER(NAME)".
const EnvelopeTableLayout& envelopeDefinitionLayout();
// RVPESU.DBF: the 44 members of EnvelopeSetup; tag DESCRIPT on "UPPER(descript)".
const EnvelopeTableLayout& envelopeSetupLayout();

// The grid titles of the Select Envelope Size list, in column order, with their fields.
struct GridColumn {
    const char* title;
    const char* field;
};
inline constexpr GridColumn kEnvelopeSizeColumns[] = {
    {QT_TRANSLATE_NOOP("EnvelopeLayouts", "Name"), "NAME"},
    {QT_TRANSLATE_NOOP("EnvelopeLayouts", "Size"), "DESC"},
    {QT_TRANSLATE_NOOP("EnvelopeLayouts", "WIDTH"), "WIDTH"},
    {QT_TRANSLATE_NOOP("EnvelopeLayouts", "HEIGHT"), "HEIGHT"}};
// The two columns of the setup list of the Print Envelope dialog.
inline constexpr GridColumn kEnvelopeSetupColumns[] = {
    {QT_TRANSLATE_NOOP("EnvelopeLayouts", "Description"), "DESCRIPT"},
    {QT_TRANSLATE_NOOP("EnvelopeLayouts", "Envelope"), "ENVNAME"}};

}  // namespace rp
