// Any bytes as a table: parsed as a DBF header, then written out and opened read-only by the
// engine, which walks every record reading every field. Bytes after a "FPT:" or "DBT:" mark
// become the table's memo file of that kind; the table is what comes before the mark.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/support/TempDir.h"
#include "xbase/Engine.h"
#include "xbase/Error.h"
#include "xbase/Table.h"
#include "xbase/internal/DbfHeader.h"
#include "xbase/internal/File.h"

namespace {

void writeFile(const std::string& path, std::string_view bytes) {
    xbase::File::create(path).writeAt(0, bytes);
}

void readEveryField(const xbase::Table& t) {
    for (int n = 1; n <= t.fieldCount(); ++n) {
        try {
            t.text(n);
            switch (t.field(n).type) {
                case 'N':
                case 'F':
                case 'I':
                case 'Y':
                    t.number(n);
                    break;
                case 'D':
                case 'T':
                    t.date(n);
                    break;
                case 'L':
                    t.logical(n);
                    break;
                default:
                    break;
            }
        } catch (const xbase::Error&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempDir dir;
    static const std::string dbfPath = dir.file("FUZZ.DBF");
    static const std::string fptPath = dir.file("FUZZ.FPT");
    static const std::string dbtPath = dir.file("FUZZ.DBT");

    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t fpt = input.find("FPT:");
    std::size_t dbt = input.find("DBT:");
    std::size_t mark = std::min(fpt, dbt);
    std::string_view table = input.substr(0, mark);

    try {
        xbase::parseDbfHeader(table, dbfPath);
    } catch (const xbase::Error&) {
    }

    xbase::removeFile(fptPath);
    xbase::removeFile(dbtPath);
    writeFile(dbfPath, table);
    if (mark != std::string_view::npos)
        writeFile(mark == fpt ? fptPath : dbtPath, input.substr(mark + 4));
    try {
        xbase::Engine engine;
        auto t = engine.open(dbfPath, xbase::OpenMode::ReadOnly);
        for (t->goTop(); !t->eof(); t->skip()) {
            t->deleted();
            readEveryField(*t);
        }
    } catch (const xbase::Error&) {
    }
    return 0;
}
