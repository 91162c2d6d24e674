#pragma once
// The address-contents switches as label and envelope setup rows hold them: the logical
// fields NAME, TITLE, COMPANY, STREET, CITYSTATE, ZIP, PHONE, COUNTRY and UPPERCASE and the
// numeric ZIPOPTIONS.
#include "mailpiece/AddressContents.h"

namespace xbase {
class Table;
}

namespace rp {

// The placement of a stored ZIPOPTIONS code; codes outside 1 to 4 read as after the state.
ZipPlacement zipPlacementFromCode(int code);

AddressContents readAddressContents(const xbase::Table& table);
void writeAddressContents(xbase::Table& table, const AddressContents& contents);

}  // namespace rp
