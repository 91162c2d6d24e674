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
    std::unique_ptr<Table> open(const std::string& path, OpenMode mode = OpenMode::Shared,
                                bool openIndexes = true);

    // Creates an empty table (FoxPro 2 with an FPT memo file when a field is a memo, else a
    // plain dBase III table), code page Windows-1252, replacing any file of that name.
    // At most 255 fields. Throws Error for a bad field list or when the files cannot be written.
    void create(const std::string& path, const std::vector<FieldSpec>& fields);

    // Closes every open table (the Table objects stay valid, closed).
    void closeAll();

    // The open table with this alias (case-insensitive), or null.
    Table* findAlias(std::string_view alias) const;

private:
    friend class Table;
    std::string makeAlias(const std::string& path) const;
    void attach(Table* t);
    void detach(Table* t);
    std::vector<Table*> open_;
};

}  // namespace xbase
