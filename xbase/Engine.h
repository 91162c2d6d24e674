#pragma once
// The engine: its settings and the tables open under it. There is no global state; every
// table belongs to the Engine that opened it, which must outlive it.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/Field.h"
#include "xbase/Settings.h"

namespace xbase {

class Table;
class TableImpl;

enum class OpenMode { Shared, ReadOnly, Exclusive };

// Progress of a long operation, 0 to 100; returning false asks the operation to stop.
using ProgressFn = std::function<bool(int percent)>;

class Engine {
  public:
    Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;
    ~Engine();  // closes every table still open

    Settings settings;

    // Opens a table. Shared opens of one file coexist; an exclusive open fails while any other
    // open of the file exists (in this process or another), and vice versa. Throws Error;
    // IndexError when the structural index is damaged or cannot be used, in which case the
    // table can be opened with openIndexes false (no orders) and its index rebuilt.
    //
    // Every open first tries to have the file to itself (the exclusive lock, whatever the mode
    // asked), and when it can:
    // - it finishes a pack that was killed after its journal was written, or removes the
    //   scratch files of one killed before (see Table::pack);
    // - a table whose header carries the incomplete mark (a writer did not close it properly)
    //   has its structural index rebuilt from the records: the same tags in the same order,
    //   each with its key expression, condition, unique and descending flags and key length;
    //   rebuildProgress reports the rebuild from 0 to 100 (false stops it: Error, the table
    //   stays marked). The mark is then cleared and Table::indexRebuiltAtOpen() is true. A
    //   damaged index is rebuilt the same way, as long as its tag definitions can be read.
    //   Read-only opens, and opens with openIndexes false, do not rebuild: a read-only open
    //   leaves the structural index unused (Table::indexMayBeStale(), no orders).
    // The open then goes on in the mode asked. A shared open that cannot have the file to
    // itself leaves a marked table as it is: the writer that marked it is still at work.
    std::unique_ptr<Table> open(const std::string& path, OpenMode mode = OpenMode::Shared,
                                bool openIndexes = true, const ProgressFn& rebuildProgress = {});

    // Creates an empty table (FoxPro 2 with an FPT memo file when a field is a memo, else a
    // plain dBase III table), code page Windows-1252, replacing any file of that name.
    // At most 255 fields. Throws Error for a bad field list or when the files cannot be written.
    void create(const std::string& path, const std::vector<FieldSpec>& fields);

    // Closes every open table (the Table objects stay valid, closed).
    void closeAll();

    // The open table with this alias (case-insensitive), or null.
    Table* findAlias(std::string_view alias) const;

  private:
    friend class TableImpl;
    std::string makeAlias(const std::string& path) const;
    void attach(Table* t);
    void detach(Table* t);
    std::vector<Table*> open_;
};

}  // namespace xbase
