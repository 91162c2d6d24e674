#include "envelopes/EnvelopeLayouts.h"

#include "data/SideFileFields.h"

namespace rp {

namespace {

using xbase::FieldSpec;

using rp::sidefields::inches;
using rp::sidefields::logical;
using rp::sidefields::text;
using rp::sidefields::whole;

EnvelopeTableLayout makeSetupLayout() {
    std::vector<FieldSpec> f = {
        text("DESCRIPT", 50), text("ENVNAME", 20),   logical("USERETURN"), logical("USEMESSAGE"),
        inches("RETTOP"),     inches("RETLEFT"),     text("RETFNAME", 50), whole("RETFSIZE"),
        logical("RETFBOLD"),  logical("RETFITALIC"), text("RETLINE1", 40), text("RETLINE2", 40),
        text("RETLINE3", 40), text("RETLINE4", 40),  text("RETLINE5", 40), inches("MESSTOP"),
        inches("MESSLEFT"),   text("MESSFNAME", 50), whole("MESSFSIZE"),   logical("MESSFBOLD"),
        logical("MESSFITAL"), text("MESSTEXT", 50),  inches("DELTOP"),     inches("DELLEFT"),
        text("DELFNAME", 50), whole("DELFSIZE"),     logical("DELFBOLD"),  logical("DELFITAL"),
        logical("BARCODE"),
    };
    for (FieldSpec& field : rp::sidefields::addressContentsFields()) f.push_back(field);
    for (const FieldSpec& field : {inches("ENVWIDTH"), inches("ENVHEIGHT"), whole("ORIENT"),
                                   whole("FACING"), whole("POSITION")})
        f.push_back(field);
    return {kEnvelopeSetupFile, std::move(f), "DESCRIPT", "UPPER(descript)"};
}

}  // namespace

const EnvelopeTableLayout& envelopeDefinitionLayout() {
    static const EnvelopeTableLayout layout{
        kEnvelopeDefinitionFile,
        {text("NAME", 20), text("DESC", 20), inches("WIDTH"), inches("HEIGHT"), logical("USERDEF")},
        "NAME",
        "UPPER(NAME)"};
    return layout;
}

const EnvelopeTableLayout& envelopeSetupLayout() {
    static const EnvelopeTableLayout layout = makeSetupLayout();
    return layout;
}

}  // namespace rp
