#pragma once
// Helpers for the index tests: the reference files, every entry of a tag read through a
// cursor, and the independent Perl reader of CDX files.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "support/SharedFolder.h"
#include "xbase/Error.h"
#include "xbase/internal/IndexCursor.h"

using IndexEntries = std::vector<std::pair<std::string, std::uint32_t>>;

inline std::string referenceFile(const std::string& name) {
    return rp::test::sharedFolder() + "/fixtures/xbase/" + name;
}

// A writable copy of a reference file in folder.
inline std::string copyReference(const std::string& folder, const std::string& name) {
    const std::string copy = folder + "/" + name;
    std::filesystem::copy_file(referenceFile(name), copy);
    std::filesystem::permissions(copy, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    return copy;
}

inline IndexEntries forwardEntries(const xbase::IndexTag& tag) {
    IndexEntries out;
    xbase::IndexCursor c(tag);
    for (bool on = c.first(); on; on = c.next()) out.emplace_back(c.key(), c.recno());
    return out;
}

// Read from the last entry back to the first, returned in ascending order.
inline IndexEntries backwardEntries(const xbase::IndexTag& tag) {
    IndexEntries out;
    xbase::IndexCursor c(tag);
    for (bool on = c.last(); on; on = c.prev()) out.emplace_back(c.key(), c.recno());
    return IndexEntries(out.rbegin(), out.rend());
}

inline xbase::TagDefinition tagDefinition(const std::string& name, xbase::KeyType type,
                                          std::size_t keyLength) {
    xbase::TagDefinition d;
    d.name = name;
    d.keyExpression = name;
    d.keyType = type;
    d.keyLength = keyLength;
    return d;
}

// Hands out the (key, recno) pairs of a container that outlives the source.
template <class Entries>
xbase::KeySource sourceOf(const Entries& entries) {
    auto it = entries.begin();
    return [&entries, it](std::string& key, std::uint32_t& recno) mutable {
        if (it == entries.end()) return false;
        key = it->first;
        recno = it->second;
        ++it;
        return true;
    };
}

// Runs action, which must throw xbase::Error with a message naming path.
template <class Action>
void expectErrorNaming(const std::string& path, Action action) {
    try {
        action();
        ADD_FAILURE() << "no error";
    } catch (const xbase::Error& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
}

inline std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Overwrites bytes of a file in place.
inline void patchFile(const std::string& path, std::uint64_t offset, const std::string& bytes) {
    std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(offset));
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string le32(std::uint32_t v) {
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
            static_cast<char>(v >> 24)};
}

inline std::vector<std::uint32_t> recnosOf(const IndexEntries& entries) {
    std::vector<std::uint32_t> out;
    for (const auto& e : entries) out.push_back(e.second);
    return out;
}

// The lines "key<TAB>recno" the Perl reader prints for a tag (type "C" or "N"); with an empty
// tag name, the tag names.
inline std::vector<std::string> perlListing(const std::string& cdxPath, const std::string& tag,
                                            const std::string& type) {
    std::string command = "'" + rp::test::sharedFolder() + "/tools/cdx-keys.pl' '" + cdxPath + "'";
    if (!tag.empty()) command += " " + tag + " " + type;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("cannot run " + command);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    if (::pclose(pipe) != 0) throw std::runtime_error(command + " failed: " + text);
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}
