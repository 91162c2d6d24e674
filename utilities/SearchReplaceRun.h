#pragma once
// The replacing pass of search and replace: every record of the table's query, in record
// order, whose field the selection expression picks gets its new value.
#include <functional>

#include "utilities/SearchReplace.h"

namespace xbase {
class Table;
}

namespace rp {

struct ReplaceHooks {
    std::function<void(int percent)> progress;  // records visited x 100 / records in the query
    std::function<void()> afterRecord;          // once a record, after moving on
};

struct ReplaceOutcome {
    int replaced = 0;
    // Selected records left as they were because the new value is wider than the field.
    int tooLong = 0;
};

// Walks the table's query in natural order with deletion-marked records visited (and left
// alone); each selected record whose new value fits the field is changed and posted. The
// table's order and the engine's hiding of marked records are restored afterwards, however
// the pass ends. Throws what the engine throws.
ReplaceOutcome replaceFieldValues(xbase::Table& table, const SearchReplaceRequest& request,
                                  const ReplaceHooks& hooks);

}  // namespace rp
