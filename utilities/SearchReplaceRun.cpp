#include "utilities/SearchReplaceRun.h"

#include <algorithm>
#include <cstdint>

#include "data/TableRestore.h"
#include "xbase/Table.h"

namespace rp {
namespace {

int percent(std::uint32_t done, std::uint32_t total) {
    if (total == 0) return 100;
    return static_cast<int>(std::min<std::uint64_t>(100, std::uint64_t{done} * 100 / total));
}

}  // namespace

ReplaceOutcome replaceFieldValues(xbase::Table& table, const SearchReplaceRequest& request,
                                  const ReplaceHooks& hooks) {
    const xbase::Expression selection = table.compile(selectionExpression(request));
    const int field = table.fieldNumber(request.field.name);
    const std::size_t width = table.field(field).width;
    const xbase::Settings& settings = table.engine().settings;

    const TableRestore restore(table);
    table.setOrder(0);
    table.engine().settings.hideDeleted = false;
    const std::uint32_t total = table.visibleCount();
    table.goTop();
    ReplaceOutcome outcome;
    std::uint32_t visited = 0;
    while (!table.eof()) {
        if (!table.deleted() && selection.evalLogical(table, settings)) {
            const std::string value = replacedValue(request, table.text(field));
            if (value.size() > width) {
                ++outcome.tooLong;
            } else {
                ++outcome.replaced;
                table.setText(field, value);
                table.post();
            }
        }
        hooks.progress(percent(++visited, total));
        table.skip(1);
        hooks.afterRecord();
    }
    // The run ends with its changes on disk, the indexes included.
    table.commit();
    return outcome;
}

}  // namespace rp
