#pragma once
// Writes a state/province table (RVPSZCK.DBF layout) with the given rows, and with its STATE
// tag unless asked not to.
#include <array>
#include <string>
#include <vector>

#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

using StateZipRow = std::array<const char*, 4>;  // NAME, STATE, LOW_ZIP, HIGH_ZIP

inline void writeStateZipTable(xbase::Engine& engine, const std::string& path,
                               const std::vector<StateZipRow>& rows, bool withTag = true) {
    engine.create(
        path, {{"NAME", 'C', 20}, {"STATE", 'C', 4}, {"LOW_ZIP", 'C', 10}, {"HIGH_ZIP", 'C', 10}});
    auto table = engine.open(path, xbase::OpenMode::Exclusive);
    for (const StateZipRow& r : rows) {
        table->appendBlank();
        table->setText("NAME", r[0]);
        table->setText("STATE", r[1]);
        table->setText("LOW_ZIP", r[2]);
        table->setText("HIGH_ZIP", r[3]);
        table->post();
    }
    if (withTag) table->createTag("STATE", "UPPER(STATE)");
    table->close();
}

}  // namespace rp
