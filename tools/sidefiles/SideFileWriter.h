#pragma once
// Writing one side table from its source file.
#include <string>

#include "SideLayouts.h"

namespace sidefiles {

// Creates outDir/<file> with its layout, appends one record per row of the source (CSV with a
// header row of column names, in sourceDir) and creates its tag. Returns the record count.
// Throws std::runtime_error (or the engine's Error) for a source that cannot be read or a
// value that does not fit its field.
int writeSideFile(const SideFile& side, const std::string& sourceDir, const std::string& outDir);

}  // namespace sidefiles
