#pragma once
// Deleting address records in bulk: a deleted record gets "DELETED" in PREFIX and the xBase
// deletion mark. Deleting all records empties the file at once.
#include <QString>
#include <cstdint>

#include "framework/BulkProgress.h"

namespace xbase {
class Table;
}

namespace rp {

enum class DeleteChoice { All, MatchingFilter, NotMatchingFilter };

// The query the records to delete are walked under: none for All, the user's filter
// expression, or its negation.
QString deletionQuery(DeleteChoice choice, const QString& userExpression);

// Deletes the records the choice names, with userExpression the user's filter (empty when no
// filter is set, when only All makes sense). Records that already carry the deletion mark
// are not counted again. All needs the table opened exclusively. The table's query, its
// current record (when it still exists) and the engine's hidden-deleted setting are put back
// afterwards. Returns the number of records deleted.
std::uint32_t deleteRecords(xbase::Table& table, DeleteChoice choice, const QString& userExpression,
                            const BulkHooks& hooks = {});

}  // namespace rp
