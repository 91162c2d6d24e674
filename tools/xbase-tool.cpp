// xbase-tool: looks into, fills and repairs xBase tables from the command line.
#include <cstring>
#include <iostream>

#include "tools/Commands.h"
#include "tools/ToolArgs.h"
#include "xbase/Error.h"
#include "xbase/FileSizeLimit.h"

namespace {

constexpr const char* kUsage = R"(Usage: xbase-tool COMMAND ARGUMENTS

Commands:
  info FILE
      The table's version, last update, record count, header and record lengths,
      code page mark, memo file, structural index, the incomplete transaction flag
      (set while a program writes to the table and cleared when it has flushed its
      changes: set here means the table was not closed properly) and fields
      (number, name, type, width, decimals, offset in the record), then the
      index's tags (number, name, key type and length, key expression,
      condition).
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
  dump FILE [--order TAG] [--filter EXPR] [--fields A,B,...] [--hide-deleted]
      One line per record: the record number, "*" when it carries the deletion
      mark, then each field's value after "|". In values, \ | CR LF and TAB are
      written as \\ \| \r \n \t and other control bytes as \xHH. With --order,
      the records come in the order of that tag of the structural index.
  pack FILE
      Removes the records carrying the deletion mark (and compacts the memo
      file); prints the record counts before and after.
  tags FILE
      The tags of the table's structural index (FILE.CDX), one a line: number,
      name, two blanks, key expression, then "FOR condition" and "UNIQUE" when
      they apply.
  index FILE TAG EXPR [--for EXPR] [--unique]
      Adds the tag TAG with the key expression EXPR to the structural index
      (creating the index on the first tag), builds it and prints its key
      count. With --for only the records for which the condition holds are
      listed; with --unique only the first record of each key.
  reindex FILE
      Rebuilds every tag of the structural index; prints each tag's key count.
  seek FILE TAG KEY [--exact] [--soft]
      Looks KEY up in the tag TAG: "found RECNO", or "not found"; with --soft a
      failed seek stands on the next greater key: "not found, at RECNO" or
      "not found, at end". The record stood on follows as dump prints it.
      Without --exact a key matches every key beginning with it. Numeric keys
      are written as numbers, date keys as YYYYMMDD, logical keys as T or F.
  check FILE
      Reads every tag raw and checks it against the table: each record listed
      once (in a tag with a condition: exactly the records for which it holds;
      in a unique tag: one record of each key), entries in ascending order,
      each key what the key expression gives for its record, and the table's
      navigation in the tag's order visiting the same records. A set incomplete
      transaction flag is a problem too. Prints "ok: N tags, M records", or a
      line per problem (ten at most per tag) and ends with status 1.
  help
      This text.

Errors go to standard error and end the program with status 1. When the
structural index cannot be read, every command but info reports why and stops;
removing the .cdx file and building the tags anew with index repairs the table.
Commands that write (append-csv, pack, index, reindex) open the table for
themselves and first repair what a killed writer left: they rebuild the index
of a table whose incomplete transaction flag is set. The reading commands
report the table as they find it; with the flag set they do not use its index.
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
    {"tags", tools::tagsCommand},
    {"index", tools::indexCommand},
    {"reindex", tools::reindexCommand},
    {"seek", tools::seekCommand},
    {"check", tools::checkCommand},
};

}  // namespace

int main(int argc, char** argv) {
    xbase::failWritesPastFileSizeLimit();
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
    } catch (const tools::ProblemsReported&) {
        std::cout.flush();
        return 1;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "xbase-tool: " << e.what() << '\n';
        return 1;
    }
}
