#include "utilities/RecordDeletion.h"

#include <stdexcept>

#include "data/TableRestore.h"
#include "xbase/Table.h"

namespace rp {
namespace {

// Sets the engine's hidden-deleted setting for the life of the object.
class HiddenDeleted {
  public:
    HiddenDeleted(xbase::Settings& settings, bool hide)
        : settings_(settings), before_(settings.hideDeleted) {
        settings_.hideDeleted = hide;
    }
    ~HiddenDeleted() { settings_.hideDeleted = before_; }
    HiddenDeleted(const HiddenDeleted&) = delete;
    HiddenDeleted& operator=(const HiddenDeleted&) = delete;

  private:
    xbase::Settings& settings_;
    bool before_;
};

std::uint32_t zap(xbase::Table& table, const BulkHooks& hooks) {
    std::uint32_t live = 0;
    {
        HiddenDeleted hide(table.engine().settings, true);
        live = table.visibleCount();
    }
    table.zap();
    if (hooks.progress) hooks.progress(100);
    return live;
}

}  // namespace

QString deletionQuery(DeleteChoice choice, const QString& userExpression) {
    switch (choice) {
        case DeleteChoice::All:
            return {};
        case DeleteChoice::MatchingFilter:
            return userExpression;
        case DeleteChoice::NotMatchingFilter:
            return QStringLiteral(".not.(") + userExpression + QLatin1Char(')');
    }
    return {};
}

std::uint32_t deleteRecords(xbase::Table& table, DeleteChoice choice, const QString& userExpression,
                            const BulkHooks& hooks) {
    if (choice != DeleteChoice::All && userExpression.isEmpty())
        throw std::invalid_argument("deleting by the filter needs a filter");
    TableRestore restore(table);
    HiddenDeleted show(table.engine().settings, false);
    table.setFilter(deletionQuery(choice, userExpression).toStdString());
    if (choice == DeleteChoice::All) return zap(table, hooks);

    BulkProgress progress(hooks, table.visibleCount());
    std::uint32_t deleted = 0;
    for (table.goTop(); !table.eof();) {
        if (!table.deleted()) {
            table.setText("PREFIX", "DELETED");
            table.post();
            table.deleteRecord();
            ++deleted;
        }
        progress.recordDone();
        table.skip();
        progress.keepGoing();  // there is no stopping a deletion; this lets the window be redrawn
    }
    table.commit();
    return deleted;
}

}  // namespace rp
