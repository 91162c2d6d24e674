#include "bench/BenchTables.h"

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <system_error>

#include "bench/AddressData.h"
#include "bench/AddressTags.h"
#include "data/AddressLayout.h"
#include "xbase/Table.h"

namespace bench {

namespace {

class Folder {
  public:
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ravenpost-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder like " + pattern);
        path_ = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace

const std::string& benchFolder() {
    static Folder folder;
    return folder.path();
}

void appendAddresses(xbase::Table& table, std::uint32_t first, std::uint32_t n) {
    AddressGenerator generator(first);
    for (std::uint32_t seq = first; seq < first + n; ++seq) {
        const auto& values = generator.next(seq);
        table.appendBlank();
        for (int f = 0; f < kAddressFieldCount; ++f)
            table.setText(f + 1, values[static_cast<std::size_t>(f)]);
        table.post();
    }
}

double buildAddressTable(xbase::Engine& engine, const std::string& path, std::uint32_t n) {
    auto start = std::chrono::steady_clock::now();
    engine.create(path, rp::addressFields());
    auto table = engine.open(path, xbase::OpenMode::Exclusive);
    appendAddresses(*table, 1, n);
    table->close();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

const SharedTable& sharedAddressTable(std::uint32_t n) {
    static std::map<std::uint32_t, SharedTable> tables;
    auto it = tables.find(n);
    if (it == tables.end()) {
        SharedTable t;
        t.path = benchFolder() + "/ADDR" + std::to_string(n) + ".DBF";
        xbase::Engine engine;
        t.buildSeconds = buildAddressTable(engine, t.path, n);
        it = tables.emplace(n, std::move(t)).first;
    }
    return it->second;
}

const IndexedTable& sharedIndexedAddressTable() {
    static const IndexedTable indexed = [] {
        IndexedTable t;
        t.path = benchFolder() + "/ADDRIDX.DBF";
        xbase::Engine engine;
        engine.open(sharedAddressTable(1000000).path, xbase::OpenMode::ReadOnly)->copyFile(t.path);
        auto table = engine.open(t.path, xbase::OpenMode::Exclusive);
        t.tagSeconds = createAddressTags(*table);
        table->close();
        return t;
    }();
    return indexed;
}

const std::string& generatedAddressFile(const std::string& folderPrefix, std::uint32_t n) {
    static std::map<std::string, std::string> files;
    const std::string key = folderPrefix + std::to_string(n);
    auto it = files.find(key);
    if (it == files.end()) {
        const std::filesystem::path folder = std::filesystem::path(benchFolder()) / key;
        std::filesystem::create_directories(folder);
        const std::string path = (folder / "ADDRESS.DBF").string();
        xbase::Engine engine;
        buildAddressTable(engine, path, n);
        it = files.emplace(key, path).first;
    }
    return it->second;
}

}  // namespace bench
