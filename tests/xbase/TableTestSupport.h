#pragma once
// Small helpers shared by the table tests: raw file access and a people table.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/SharedFolder.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string sharedDir() {
    return rp::test::sharedFolder();
}

// NAME C10, AGE N5.1, BORN D, OK L, NOTE M: one field of each kind we write.
inline std::vector<xbase::FieldSpec> peopleFields() {
    return {{"NAME", 'C', 10, 0},
            {"AGE", 'N', 5, 1},
            {"BORN", 'D', 0, 0},
            {"OK", 'L', 0, 0},
            {"NOTE", 'M', 0, 0}};
}

// Appends one record per name (AGE = position, nothing else set) and commits.
inline void appendNames(xbase::Table& t, const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        t.appendBlank();
        t.setText("NAME", names[i]);
        t.setNumber("AGE", static_cast<double>(i + 1));
        t.post();
    }
    t.commit();
}

// Record numbers visited from top to bottom.
inline std::vector<std::uint32_t> walk(xbase::Table& t) {
    std::vector<std::uint32_t> seen;
    for (t.goTop(); !t.eof(); t.skip()) seen.push_back(t.recNo());
    return seen;
}

// Record numbers visited from bottom to top, listed from top to bottom.
inline std::vector<std::uint32_t> walkBack(xbase::Table& t) {
    std::vector<std::uint32_t> seen;
    for (t.goBottom(); !t.eof() && !t.bof(); t.skip(-1)) seen.insert(seen.begin(), t.recNo());
    return seen;
}
