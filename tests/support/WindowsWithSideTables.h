#pragma once
// A layer's windows with what they are built over: a new address file and the two side tables
// given (the setups and the stocks or sizes), for the layers whose windows take them as
// (addresses, setups, stocks, folder).
#include <QString>
#include <memory>
#include <utility>

#include "data/AddressTable.h"
#include "support/NewAddressFile.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

template <class Windows>
struct WindowsWithSideTables {
    WindowsWithSideTables(xbase::Engine& engine, const QString& addressPath, const QString& folder,
                          std::unique_ptr<xbase::Table> setupTable,
                          std::unique_ptr<xbase::Table> stockTable)
        : addresses(engine),
          setups(std::move(setupTable)),
          stocks(std::move(stockTable)),
          windows(newAddressFile(addressPath, addresses), *setups, *stocks, folder) {}

    AddressTable addresses;
    std::unique_ptr<xbase::Table> setups;
    std::unique_ptr<xbase::Table> stocks;
    Windows windows;
};

}  // namespace rp
