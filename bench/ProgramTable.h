#pragma once
// The shared 1,000,000-record address table opened as the program opens address files:
// exclusively, deleted records hidden, the standing condition as the filter.
#include <QString>
#include <filesystem>

#include "bench/BenchTables.h"
#include "data/AddressLayout.h"
#include "data/AddressTable.h"

namespace bench {

inline void openAsTheProgramDoes(rp::AddressTable& table) {
    table.engine().settings.hideDeleted = true;
    const std::filesystem::path path(sharedAddressTable(1000000).path);
    table.open(QString::fromStdString(path.parent_path().string()),
               QString::fromStdString(path.filename().string()));
    table->setFilter(rp::kStandingCondition.toStdString());
}

}  // namespace bench
