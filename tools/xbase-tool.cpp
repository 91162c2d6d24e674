// xbase-tool: looks into, fills and repairs xBase tables from the command line.
#include <cstring>
#include <iostream>

#include "tools/Commands.h"
#include "tools/ToolArgs.h"
#include "xbase/Error.h"

namespace {

constexpr const char* kUsage = R"(Usage: xbase-tool COMMAND ARGUMENTS

Commands:
  info FILE
      The table's version, last update, record count, header and record lengths,
      code page mark, memo file and fields (number, name, type, width, decimals,
      offset in the record).
  create FILE NAME:TYPE[:WIDTH[:DEC]]...
      Creates a new table (an existing FILE is left alone). Types: C (needs a
      width), N (width and optional decimals), D, L and M (no width), as in
      LNAME:C:30 AMOUNT:N:10:2 DATE:D OK:L NOTES:M.
  append-csv FILE CSV [--columns A,B,...]
      Appends a record for every non-empty line of the comma-separated file CSV.
      Values may be double-quoted ("a ""quoted"" word", "with, commas"); the
      values of a line go to the listed fields in order (every field of the table
      when --columns is not given). Numbers are plain decimals, dates YYYYMMDD,
      logicals T/F/Y/N or ?. A value that does not fit stops the run with its line
      number; the lines before it stay appended.
  count FILE EXPR [--hide-deleted]
      Prints how many records the logical expression EXPR accepts. Records
      carrying the deletion mark are counted too unless --hide-deleted is given.
  dump FILE [--filter EXPR] [--fields A,B,...] [--hide-deleted]
      One line per record: the record number, "*" when it carries the deletion
      mark, then each field's value after "|". In values, \ | CR LF and TAB are
      written as \\ \| \r \n \t and other control bytes as \xHH.
  pack FILE
      Removes the records carrying the deletion mark (and compacts the memo
      file); prints the record counts before and after.
  help
      This text.

Errors go to standard error and end the program with status 1.
)";

using Command = void (*)(const tools::Words&, std::ostream&);

struct NamedCommand {
    const char* name;
    Command run;
};

constexpr NamedCommand kCommands[] = {
    {"info", tools::infoCommand},
    {"create", tools::createCommand},
    {"append-csv", tools::appendCsvCommand},
    {"count", tools::countCommand},
    {"dump", tools::dumpCommand},
    {"pack", tools::packCommand},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "help") == 0 || std::strcmp(argv[1], "--help") == 0) {
        std::cout << kUsage;
        return 0;
    }
    tools::Words words(argv + 2, argv + argc);
    try {
        for (const NamedCommand& c : kCommands) {
            if (std::strcmp(argv[1], c.name) == 0) {
                c.run(words, std::cout);
                if (!std::cout.flush()) throw xbase::Error("cannot write to standard output");
                return 0;
            }
        }
        throw tools::UsageError(std::string("unknown command ") + argv[1] +
                                "; try xbase-tool help");
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "xbase-tool: " << e.what() << '\n';
        return 1;
    }
}
