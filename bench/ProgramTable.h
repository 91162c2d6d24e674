#pragma once
// The shared address table of a number of records (a million unless told) opened as the program
// opens address files: exclusively, deleted records hidden, the standing condition as the filter.
#include <QString>
#include <filesystem>

#include "bench/BenchTables.h"
#include "data/AddressLayout.h"
#include "data/AddressTable.h"

namespace bench {

inline void openAsTheProgramDoes(rp::AddressTable& table, std::uint32_t records = 1000000) {
    table.engine().settings.hideDeleted = true;
    const std::filesystem::path path(sharedAddressTable(records).path);
    table.open(QString::fromStdString(path.parent_path().string()),
               QString::fromStdString(path.filename().string()));
    table->setFilter(rp::kStandingCondition.toStdString());
}

}  // namespace bench
