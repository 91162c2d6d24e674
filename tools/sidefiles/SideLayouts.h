#pragma once
// The program's side tables as delivered: each file's layout, its one tag and the source that
// fills it.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "xbase/Field.h"

namespace sidefiles {

// One row of a source file, by column name.
using SourceRow = std::map<std::string, std::string>;

struct SideFile {
    std::string file;  // e.g. "RVPLBLS.DBF"
    std::vector<xbase::FieldSpec> fields;
    std::string tagName;
    std::string tagKey;
    std::string source;  // CSV file name in the sources folder; empty for a file delivered empty
    // Turns a source row into field values, for sources whose columns are not all fields;
    // null when every column names a field.
    std::function<SourceRow(const SourceRow&)> derive;
};

// The six side files, in the order they are written.
const std::vector<SideFile>& sideFiles();

}  // namespace sidefiles
