#pragma once
// Puts a table's query and current record back as they were when the object was made, when
// it goes out of scope (an unposted edit is dropped first).
#include <cstdint>
#include <string>

namespace xbase {
class Table;
}

namespace rp {

class TableRestore {
public:
    explicit TableRestore(xbase::Table& table);
    ~TableRestore();
    TableRestore(const TableRestore&) = delete;
    TableRestore& operator=(const TableRestore&) = delete;

private:
    xbase::Table& table_;
    std::string query_;
    std::uint32_t record_;
};

}  // namespace rp
