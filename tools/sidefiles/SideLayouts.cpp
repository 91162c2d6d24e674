#include "SideLayouts.h"

#include <string>

#include "LabelStockName.h"
#include "data/SideFileFields.h"

namespace sidefiles {

namespace {

using xbase::FieldSpec;

using rp::sidefields::inches;
using rp::sidefields::logical;
using rp::sidefields::text;
using rp::sidefields::whole;

template <typename... Parts>
std::vector<FieldSpec> join(Parts... parts) {
    std::vector<FieldSpec> all;
    (all.insert(all.end(), parts.begin(), parts.end()), ...);
    return all;
}

// Label stock rows name their part number and kind; the catalogue name is made from them.
SourceRow labelStockRow(const SourceRow& source) {
    SourceRow row = source;
    row.erase("PART");
    row.erase("KIND");
    row.emplace("USERDESC", labelStockName(source.at("PART"), source.at("KIND"),
                                           std::stod(source.at("LBLHEIGHT")),
                                           std::stod(source.at("LBLWIDTH"))));
    row.emplace("USERDEF", "F");
    return row;
}

std::vector<SideFile> makeSideFiles() {
    SideFile stocks{"RVPLBLS.DBF",
                    join(std::vector{text("USERDESC", 60)}, rp::sidefields::labelGeometryFields(),
                         std::vector{text("PRINTER", 2), text("PAPERSIZE", 5), logical("USERDEF")}),
                    "USERDESC",
                    "UPPER(USERDESC)",
                    "label-stocks.csv",
                    labelStockRow};
    SideFile labelSetups{
        "RVPLSU.DBF",
        join(std::vector{text("DESCRIPT", 50), text("PRINTERTYP", 2), text("FONTNAME", 50),
                         whole("FONTSIZE"), logical("FONTBOLD"), logical("FONTITALIC"),
                         inches("XOFFSET"), inches("YOFFSET"), logical("BARCODE")},
             rp::sidefields::addressContentsFields(), rp::sidefields::labelGeometryFields(),
             std::vector{text("PAPERSIZE", 5), logical("TRIMTEXT"), text("USERLABELN", 60)}),
        "DESCRIPT",
        "UPPER(descript)",
        "label-setups.csv",
        nullptr};
    SideFile envelopes{
        "RVPENVS.DBF",
        {text("NAME", 20), text("DESC", 20), inches("WIDTH"), inches("HEIGHT"), logical("USERDEF")},
        "NAME",
        "UPPER(NAME)",
        "envelope-sizes.csv",
        nullptr};
    SideFile envelopeSetups{
        "RVPESU.DBF",
        join(std::vector{text("DESCRIPT", 50),  text("ENVNAME", 20),  logical("USERETURN"),
                         logical("USEMESSAGE"), inches("RETTOP"),     inches("RETLEFT"),
                         text("RETFNAME", 50),  whole("RETFSIZE"),    logical("RETFBOLD"),
                         logical("RETFITALIC"), text("RETLINE1", 40), text("RETLINE2", 40),
                         text("RETLINE3", 40),  text("RETLINE4", 40), text("RETLINE5", 40),
                         inches("MESSTOP"),     inches("MESSLEFT"),   text("MESSFNAME", 50),
                         whole("MESSFSIZE"),    logical("MESSFBOLD"), logical("MESSFITAL"),
                         text("MESSTEXT", 50),  inches("DELTOP"),     inches("DELLEFT"),
                         text("DELFNAME", 50),  whole("DELFSIZE"),    logical("DELFBOLD"),
                         logical("DELFITAL"),   logical("BARCODE")},
             rp::sidefields::addressContentsFields(),
             std::vector{inches("ENVWIDTH"), inches("ENVHEIGHT"), whole("ORIENT"), whole("FACING"),
                         whole("POSITION")}),
        "DESCRIPT",
        "UPPER(descript)",
        "envelope-setups.csv",
        nullptr};
    SideFile letters{"RVPLTRS.DBF",
                     {text("DESCRIPT", 50), {"RTF", 'M', 10, 0}},
                     "DESCRIPT",
                     "UPPER(DESCRIPT)",
                     "",
                     nullptr};
    SideFile states{"RVPSZCK.DBF",
                    {text("NAME", 20), text("STATE", 4), text("LOW_ZIP", 10), text("HIGH_ZIP", 10)},
                    "STATE",
                    "UPPER(STATE)",
                    "state-zip.csv",
                    nullptr};
    return {letters, stocks, envelopes, states, labelSetups, envelopeSetups};
}

}  // namespace

const std::vector<SideFile>& sideFiles() {
    static const std::vector<SideFile> files = makeSideFiles();
    return files;
}

}  // namespace sidefiles
