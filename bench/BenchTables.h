#pragma once
// The address tables the benchmarks share: written once per run into a temporary folder that
// is removed at exit.
#include <cstdint>
#include <string>
#include <vector>

#include "xbase/Engine.h"

namespace bench {

// A temporary folder, created on first use and removed with its files when the program ends.
const std::string& benchFolder();

// Appends n generated address records (SEQNO from first on) through appendBlank, setText of
// every field and post.
void appendAddresses(xbase::Table& table, std::uint32_t first, std::uint32_t n);

// Creates the table at path and fills it with n records; returns the seconds it took.
double buildAddressTable(xbase::Engine& engine, const std::string& path, std::uint32_t n);

// A generated address file of n records in a folder of its own under the bench folder (named
// folderPrefix + n), written on first use; its path.
const std::string& generatedAddressFile(const std::string& folderPrefix, std::uint32_t n);

struct SharedTable {
    std::string path;
    double buildSeconds = 0;
};

// The shared table of n records, built on the first call for that n.
const SharedTable& sharedAddressTable(std::uint32_t n);

struct IndexedTable {
    std::string path;
    std::vector<double> tagSeconds;  // the build time of each address tag
};

// A copy of the shared 1,000,000-record table with every address tag (addressTags.h), built on
// the first call.
const IndexedTable& sharedIndexedAddressTable();

}  // namespace bench
