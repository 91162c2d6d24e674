#include "envelopes/EnvelopeLayouts.h"

namespace rp {

namespace {

using xbase::FieldSpec;

FieldSpec text(const char* name, int width) {
    return {name, 'C', width, 0};
}
FieldSpec inches(const char* name) {
    return {name, 'N', 8, 3};
}
FieldSpec whole(const char* name) {
    return {name, 'N', 4, 0};
}
FieldSpec logical(const char* name) {
    return {name, 'L', 1, 0};
}

EnvelopeTableLayout makeSetupLayout() {
    std::vector<FieldSpec> f = {
        text("DESCRIPT", 50), text("ENVNAME", 20),   logical("USERETURN"), logical("USEMESSAGE"),
        inches("RETTOP"),     inches("RETLEFT"),     text("RETFNAME", 50), whole("RETFSIZE"),
        logical("RETFBOLD"),  logical("RETFITALIC"), text("RETLINE1", 40), text("RETLINE2", 40),
        text("RETLINE3", 40), text("RETLINE4", 40),  text("RETLINE5", 40), inches("MESSTOP"),
        inches("MESSLEFT"),   text("MESSFNAME", 50), whole("MESSFSIZE"),   logical("MESSFBOLD"),
        logical("MESSFITAL"), text("MESSTEXT", 50),  inches("DELTOP"),     inches("DELLEFT"),
        text("DELFNAME", 50), whole("DELFSIZE"),     logical("DELFBOLD"),  logical("DELFITAL"),
        logical("BARCODE"),   logical("NAME"),       logical("TITLE"),     logical("COMPANY"),
        logical("STREET"),    logical("CITYSTATE"),  logical("ZIP"),       logical("PHONE"),
        logical("COUNTRY"),   whole("ZIPOPTIONS"),   logical("UPPERCASE"), inches("ENVWIDTH"),
        inches("ENVHEIGHT"),  whole("ORIENT"),       whole("FACING"),      whole("POSITION"),
    };
    return {kEnvelopeSetupFile, std::move(f), "DESCRIPT", "UPPER(descript)"};
}

}  // namespace

const EnvelopeTableLayout& EnvelopeDefinitionLayout() {
    static const EnvelopeTableLayout layout{
        kEnvelopeDefinitionFile,
        {text("NAME", 20), text("DESC", 20), inches("WIDTH"), inches("HEIGHT"), logical("USERDEF")},
        "NAME",
        "UPPER(NAME)"};
    return layout;
}

const EnvelopeTableLayout& EnvelopeSetupLayout() {
    static const EnvelopeTableLayout layout = makeSetupLayout();
    return layout;
}

}  // namespace rp
