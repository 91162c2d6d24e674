#pragma once
// An address file made for a test's windows to be built over, where a failed creation cannot
// be asserted (a member's initialisation): the failure is thrown with the file's notices.
#include <stdexcept>

#include "data/AddressFile.h"
#include "data/AddressTable.h"

namespace rp {

// Creates an empty address file at path with its tags, open in table, and gives its table.
inline xbase::Table& newAddressFile(const QString& path, AddressTable& table) {
    if (const AddressFileResult made = createAddressFile(path, table); !made)
        throw std::runtime_error(made.notices.join(QLatin1Char('\n')).toStdString());
    return table.table();
}

}  // namespace rp
