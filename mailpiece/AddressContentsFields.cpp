#include "mailpiece/AddressContentsFields.h"

#include <cmath>

#include "xbase/Table.h"

namespace rp {

ZipPlacement zipPlacementFromCode(int code) {
    return code >= 1 && code <= 4 ? static_cast<ZipPlacement>(code) : ZipPlacement::AfterState;
}

AddressContents readAddressContents(const xbase::Table& t) {
    const auto on = [&t](const char* field) { return t.logical(field).value_or(false); };
    AddressContents c;
    c.name = on("NAME");
    c.title = on("TITLE");
    c.company = on("COMPANY");
    c.street = on("STREET");
    c.cityState = on("CITYSTATE");
    c.zip = on("ZIP");
    c.phone = on("PHONE");
    c.country = on("COUNTRY");
    c.zipPlacement = zipPlacementFromCode(static_cast<int>(std::lround(t.number("ZIPOPTIONS"))));
    c.uppercase = on("UPPERCASE");
    return c;
}

void writeAddressContents(xbase::Table& t, const AddressContents& c) {
    t.setLogical("NAME", c.name);
    t.setLogical("TITLE", c.title);
    t.setLogical("COMPANY", c.company);
    t.setLogical("STREET", c.street);
    t.setLogical("CITYSTATE", c.cityState);
    t.setLogical("ZIP", c.zip);
    t.setLogical("PHONE", c.phone);
    t.setLogical("COUNTRY", c.country);
    t.setNumber("ZIPOPTIONS", static_cast<int>(c.zipPlacement));
    t.setLogical("UPPERCASE", c.uppercase);
}

}  // namespace rp
