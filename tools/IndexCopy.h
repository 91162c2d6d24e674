#pragma once
// A table's structural index opened a second time, read-only, to look at its tags: their
// headers, key counts and raw entries, which the table does not show.
#include <string>

#include "xbase/Table.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/IndexKey.h"
#include "xbase/internal/IndexTag.h"

namespace tools {

// The key type of keys made from an expression of this type.
xbase::KeyType keyTypeOf(xbase::ValueType type);
// "C", "N", "D" or "L".
char keyTypeLetter(xbase::KeyType type);

// Opens the table's structural index read-only and sets each tag's key type from its key
// expression compiled against the table, as the table does for its own orders; also the index
// that a table opened as possibly out of date leaves unused. Throws xbase::Error when the
// table has no structural index.
xbase::CdxFile openIndexCopy(const xbase::Table& table);

// "KEY", then " FOR CONDITION" when the tag has one and " UNIQUE" when it is unique.
std::string tagDescription(const xbase::IndexTag& tag);

// "NAME: 12 keys".
std::string keyCountLine(const xbase::IndexTag& tag);

}  // namespace tools
