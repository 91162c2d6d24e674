// xbase-tool run as a program on tables in a temporary folder, and its CSV line splitter.
#include <gtest/gtest.h>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/SharedFolder.h"
#include "support/TempDir.h"
#include "tools/CsvLine.h"
#include "xbase/DateUtil.h"
#include "xbase/DbfLayout.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/File.h"

namespace {

using Lines = std::vector<std::string>;

Lines splitLines(const std::string& text) {
    Lines lines;
    std::size_t at = 0;
    for (std::size_t nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
        lines.push_back(text.substr(at, nl - at));
    if (at < text.size()) lines.push_back(text.substr(at));
    return lines;
}

std::string todayText() {
    int y, m, d;
    xbase::civilDate(xbase::today(), y, m, d);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", y, m, d);
    return buf;
}

class XbaseToolTest : public ::testing::Test {
  protected:
    ProcessResult tool(const std::vector<std::string>& args) {
        return runProcess(XBASE_TOOL_PATH, args, dir.path());
    }

    // Runs the tool, expects success and nothing on standard error, and gives the output lines.
    Lines ok(const std::vector<std::string>& args) {
        ProcessResult r = tool(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return splitLines(r.out);
    }

    // NAME C20, AMOUNT N10.2, BORN D, OK L, NOTES M; records 2 and 3 carry the deletion mark.
    std::string writePeople() {
        std::string path = dir.file("PEOPLE.DBF");
        xbase::Engine engine;
        engine.create(path, {{"NAME", 'C', 20, 0},
                             {"AMOUNT", 'N', 10, 2},
                             {"BORN", 'D', 0, 0},
                             {"OK", 'L', 0, 0},
                             {"NOTES", 'M', 0, 0}});
        auto t = engine.open(path, xbase::OpenMode::Exclusive);
        const Lines rows[] = {{"Smith", "12.5", "19700102", "T", "first line\r\nsecond|part"},
                              {"Jones", "-3", "", "F", ""},
                              {"Smythe", "", "20000229", "?", "back\\slash"},
                              {"Brown", "1000.25", "19991231", "T", ""},
                              {"Smart", "7", "", "N", "tab\there"}};
        for (const Lines& row : rows) {
            t->appendBlank();
            for (int n = 1; n <= 5; ++n) t->setText(n, row[static_cast<std::size_t>(n - 1)]);
            t->post();
        }
        for (std::uint32_t r : {2u, 3u}) {
            t->go(r);
            t->deleteRecord();
        }
        t->close();
        return path;
    }

    // PEOPLE with the tags NAME (UPPER(NAME)), RICH (AMOUNT FOR AMOUNT > 10) and BORN (BORN,
    // unique).
    std::string writeIndexedPeople() {
        std::string path = writePeople();
        EXPECT_EQ(ok({"index", path, "NAME", "UPPER(NAME)"}), Lines{"NAME: 5 keys"});
        EXPECT_EQ(ok({"index", path, "RICH", "AMOUNT", "--for", "AMOUNT > 10"}),
                  Lines{"RICH: 2 keys"});
        // Records 2 and 5 share the empty date: the unique tag keeps record 2.
        EXPECT_EQ(ok({"index", path, "BORN", "BORN", "--unique"}), Lines{"BORN: 4 keys"});
        return path;
    }

    // Overwrites bytes of one record in the table file, behind the index's back.
    static void patchRecord(const std::string& path, std::uint32_t recno, std::size_t offset,
                            const std::string& bytes) {
        std::string file = readBytes(path);
        auto word = [&](std::size_t at) {
            return static_cast<std::size_t>(static_cast<unsigned char>(file[at]) |
                                            static_cast<unsigned char>(file[at + 1]) << 8);
        };
        file.replace(word(8) + (recno - 1) * word(10) + offset, bytes.size(), bytes);
        writeBytes(path, file);
    }

    TempDir dir;
};

TEST_F(XbaseToolTest, HelpAndNoArgumentsPrintUsage) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"help"}}) {
        ProcessResult r = tool(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.rfind("Usage: xbase-tool COMMAND", 0), 0u) << r.out;
        EXPECT_NE(r.out.find("--hide-deleted"), std::string::npos);
    }
}

TEST_F(XbaseToolTest, CreateThenInfoDescribesTheNewTable) {
    std::string path = dir.file("NEW.DBF");
    EXPECT_EQ(ok({"create", path, "NAME:C:20", "AMOUNT:N:10:2", "BORN:D", "OK:L", "NOTES:M"}),
              Lines{"Created " + path + " with 5 fields"});
    std::string today = todayText();
    EXPECT_EQ(ok({"info", path}), (Lines{
                                      "File:          " + path,
                                      "Version:       0xF5 (FoxPro 2 with memo)",
                                      "Last update:   " + today,
                                      "Records:       0",
                                      "Header length: 193",
                                      "Record length: 50",
                                      "Code page:     0x03 (Windows-1252)",
                                      "Memo file:     " + dir.file("NEW.FPT"),
                                      "Index:         (none)",
                                      "Incomplete:    clear",
                                      "Fields:        5",
                                      "    # Name       Type Width Dec Offset",
                                      "    1 NAME       C       20   0      1",
                                      "    2 AMOUNT     N       10   2     21",
                                      "    3 BORN       D        8   0     31",
                                      "    4 OK         L        1   0     39",
                                      "    5 NOTES      M       10   0     40",
                                  }));
}

TEST_F(XbaseToolTest, InfoReadsAnotherProgramsDbaseTable) {
    SKIP_WITHOUT_SHARED_FOLDER();
    std::string path = dir.file("DBASE3.dbf");
    writeBytes(path, readBytes(sharedDir() + "/fixtures/xbase/DBASE3.dbf"));
    writeBytes(dir.file("DBASE3.dbt"), readBytes(sharedDir() + "/fixtures/xbase/DBASE3.dbt"));
    Lines lines = ok({"info", path});
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[1], "Version:       0x83 (dBase III with memo)");
    EXPECT_EQ(lines[7], "Memo file:     " + dir.file("DBASE3.dbt"));
}

TEST_F(XbaseToolTest, InfoNotesARecordCountBeyondTheEndOfTheFile) {
    std::string path = writePeople();
    std::string bytes = readBytes(path);
    bytes.resize(bytes.size() - 1 - 50);  // the end mark and the last record cut off
    writeBytes(path, bytes);
    EXPECT_EQ(ok({"info", path})[3], "Records:       5 (the file holds only 4 whole records)");
}

TEST_F(XbaseToolTest, CreateRefusesBadSpecsAndExistingFiles) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"NAME:C"},
         "xbase-tool: field \"NAME:C\": a character field takes a width, as NAME:C:30\n"},
        {{"NAME:X:3"}, "xbase-tool: field \"NAME:X:3\": the type must be C, N, D, L or M\n"},
        {{"BORN:D:8"}, "xbase-tool: field \"BORN:D:8\": a field of type D takes no width\n"},
        {{"AMOUNT:N:ten"}, "xbase-tool: \"AMOUNT:N:ten\": \"ten\" is not a whole number\n"},
        {{"NAME:C:300"}, "xbase-tool: Field NAME: a character field is 1 to 254 wide\n"},
    };
    for (const auto& [specs, message] : cases) {
        std::vector<std::string> args{"create", dir.file("BAD.DBF")};
        args.insert(args.end(), specs.begin(), specs.end());
        ProcessResult r = tool(args);
        EXPECT_EQ(r.status, 1) << specs[0];
        EXPECT_EQ(r.err, message);
    }
    std::string path = writePeople();
    ProcessResult r = tool({"create", path, "A:C:1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "xbase-tool: " + path + " already exists; remove it first to create it anew\n");
}

TEST_F(XbaseToolTest, DumpShowsEveryRecordWithMarksAndEscapes) {
    std::string path = writePeople();
    EXPECT_EQ(ok({"dump", path}), (Lines{
                                      "1|Smith|12.50|19700102|T|first line\\r\\nsecond\\|part",
                                      "2*|Jones|-3.00||F|",
                                      "3*|Smythe||20000229||back\\\\slash",
                                      "4|Brown|1000.25|19991231|T|",
                                      "5|Smart|7.00||F|tab\\there",
                                  }));
    EXPECT_EQ(ok({"dump", path, "--fields", "ok, name", "--hide-deleted"}),
              (Lines{"1|T|Smith", "4|T|Brown", "5|F|Smart"}));
}

TEST_F(XbaseToolTest, DumpAndCountHonourTheExpression) {
    std::string path = writePeople();
    EXPECT_EQ(ok({"dump", path, "--filter", "AMOUNT > 10", "--fields", "NAME"}),
              (Lines{"1|Smith", "4|Brown"}));
    const std::string sm = "UPPER(NAME) = \"SM\"";
    EXPECT_EQ(ok({"count", path, sm}), Lines{"3"});
    EXPECT_EQ(ok({"count", path, sm, "--hide-deleted"}), Lines{"2"});
    EXPECT_EQ(ok({"count", path, "DELETED()"}), Lines{"2"});
}

TEST_F(XbaseToolTest, AppendCsvReadsQuotedValuesIntoTheListedColumns) {
    std::string path = writePeople();
    writeBytes(dir.file("IN.CSV"),
               "\"Doe, Jane\",19800315,\"said \"\"hi\"\"\"\r\n"
               "\r\n"
               "Roe,,\n"
               "\"\",20240101,\"two\nlines\" \n");
    ProcessResult bad =
        tool({"append-csv", path, dir.file("IN.CSV"), "--columns", "NAME,BORN,NOTES"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err,
              "xbase-tool: " + dir.file("IN.CSV") +
                  " line 4: a quoted value is not closed, or text follows its closing quote"
                  " (2 records appended before it)\n");

    writeBytes(dir.file("IN.CSV"),
               "\"Doe, Jane\",19800315,\"said \"\"hi\"\"\"\r\n"
               "\r\n"
               "Roe,,\n");
    EXPECT_EQ(ok({"append-csv", path, dir.file("IN.CSV"), "--columns", "NAME,BORN,NOTES"}),
              Lines{"2 records appended"});
    EXPECT_EQ(ok({"dump", path, "--fields", "NAME,BORN,NOTES", "--filter", "RECNO() > 5"}),
              (Lines{"6|Doe, Jane|19800315|said \"hi\"", "7|Roe||",
                     "8|Doe, Jane|19800315|said \"hi\"", "9|Roe||"}));
}

TEST_F(XbaseToolTest, AppendCsvStopsAtABadValueWithItsLineNumber) {
    std::string path = writePeople();
    writeBytes(dir.file("IN.CSV"), "Ann,1\nBob,2.5\nCid,lots\nDan,4\n");
    ProcessResult r = tool({"append-csv", path, dir.file("IN.CSV"), "--columns", "NAME,AMOUNT"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "xbase-tool: " + dir.file("IN.CSV") +
                         " line 3: \"lots\" is not a number for field AMOUNT (N 10,2) (2 records "
                         "appended before it)\n");
    EXPECT_EQ(ok({"dump", path, "--fields", "NAME,AMOUNT", "--filter", "RECNO() > 5"}),
              (Lines{"6|Ann|1.00", "7|Bob|2.50"}));

    writeBytes(dir.file("IN.CSV"), "Eve,5,extra\n");
    r = tool({"append-csv", path, dir.file("IN.CSV"), "--columns", "NAME,AMOUNT"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "xbase-tool: " + dir.file("IN.CSV") +
                         " line 1: 3 values for 2 columns (0 records appended before it)\n");
}

TEST_F(XbaseToolTest, PackRemovesMarkedRecordsAndKeepsMemos) {
    std::string path = writePeople();
    EXPECT_EQ(ok({"pack", path}),
              (Lines{"Records before packing: 5", "Records after packing:  3"}));
    EXPECT_EQ(ok({"dump", path, "--fields", "NAME,NOTES"}),
              (Lines{"1|Smith|first line\\r\\nsecond\\|part", "2|Brown|", "3|Smart|tab\\there"}));
}

TEST_F(XbaseToolTest, FailuresGoToStandardErrorWithStatusOne) {
    std::string missing = dir.file("NOPE.DBF");
    ProcessResult r = tool({"info", missing});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "xbase-tool: Cannot open " + missing + ": No such file or directory\n");

    std::string path = writePeople();
    r = tool({"count", path, "NOFIELD = 1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "xbase-tool: Unknown field or function \"NOFIELD\" at position 1 in: NOFIELD = 1\n");

    r = tool({"count", path, "NAME"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "xbase-tool: A filter must be a logical expression: NAME\n");

    const std::pair<std::vector<std::string>, std::string> usage[] = {
        {{"frobnicate"}, "xbase-tool: unknown command frobnicate; try xbase-tool help\n"},
        {{"count", path}, "xbase-tool: usage: xbase-tool count FILE EXPR [--hide-deleted]\n"},
        {{"dump", path, "--fields"},
         "xbase-tool: --fields needs a value; usage: xbase-tool dump FILE [--order TAG] "
         "[--filter EXPR] [--fields A,B,...] [--hide-deleted]\n"},
        {{"pack", path, "--force"},
         "xbase-tool: unknown option --force; usage: xbase-tool pack FILE\n"},
        {{"dump", path, "--fields", "NAME,WHO"},
         "xbase-tool: " + path + " has no field named WHO\n"},
    };
    for (const auto& [args, message] : usage) {
        r = tool(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.err, message);
    }
}

TEST_F(XbaseToolTest, IndexAddsTagsThatTagsAndInfoList) {
    std::string path = writeIndexedPeople();
    EXPECT_EQ(ok({"tags", path}), (Lines{"1 NAME  UPPER(NAME)", "2 RICH  AMOUNT FOR AMOUNT > 10",
                                         "3 BORN  BORN UNIQUE"}));
    Lines info = ok({"info", path});
    ASSERT_EQ(info.size(), 22u);
    EXPECT_EQ(info[8], "Index:         " + dir.file("PEOPLE.CDX"));
    EXPECT_EQ(Lines(info.begin() + 17, info.end()),
              (Lines{
                  "Tags:          3",
                  "    # Name       Type Length Key",
                  "    1 NAME       C        20 UPPER(NAME)",
                  "    2 RICH       N         8 AMOUNT FOR AMOUNT > 10",
                  "    3 BORN       D         8 BORN UNIQUE",
              }));
    EXPECT_EQ(ok({"tags", writePeople()}), Lines{});  // a new table without an index
}

TEST_F(XbaseToolTest, IndexRefusesBadTagsAndReindexNeedsAnIndex) {
    std::string path = writePeople();
    ProcessResult r = tool({"reindex", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "xbase-tool: " + path + " has no structural index to rebuild\n");
    r = tool({"index", path, "RICH", "AMOUNT", "--for", "AMOUNT"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "xbase-tool: An index condition must be a logical expression: AMOUNT\n");
    ok({"index", path, "NAME", "NAME"});
    r = tool({"index", path, "name", "AMOUNT"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "xbase-tool: " + dir.file("PEOPLE.CDX") + ": there is already a tag NAME\n");
    EXPECT_EQ(ok({"tags", path}), Lines{"1 NAME  NAME"});
}

TEST_F(XbaseToolTest, SeekReportsWhereItStands) {
    std::string path = writeIndexedPeople();
    // NAME order: BROWN 4, JONES 2*, SMART 5, SMITH 1, SMYTHE 3*.
    const std::pair<std::vector<std::string>, Lines> cases[] = {
        {{"NAME", "SM"}, {"found 5", "5|Smart|7.00||F|tab\\there"}},
        {{"NAME", "SMY"}, {"found 3", "3*|Smythe||20000229||back\\\\slash"}},
        {{"NAME", "SN"}, {"not found"}},
        {{"NAME", "C", "--soft"}, {"not found, at 2", "2*|Jones|-3.00||F|"}},
        {{"NAME", "SN", "--soft"}, {"not found, at end"}},
        {{"NAME", "SMIT", "--exact"}, {"not found"}},
        {{"NAME", "SMITH", "--exact"},
         {"found 1", "1|Smith|12.50|19700102|T|first line\\r\\nsecond\\|part"}},
        {{"RICH", "1000.25"}, {"found 4", "4|Brown|1000.25|19991231|T|"}},
        {{"RICH", "7"}, {"not found"}},  // left out by the condition
        {{"BORN", "20000229"}, {"found 3", "3*|Smythe||20000229||back\\\\slash"}},
    };
    for (const auto& [words, expected] : cases) {
        std::vector<std::string> args{"seek", path};
        args.insert(args.end(), words.begin(), words.end());
        EXPECT_EQ(ok(args), expected) << words[0] << ' ' << words[1];
    }
    ProcessResult r = tool({"seek", path, "RICH", "lots"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "xbase-tool: \"lots\" is not a number for index RICH\n");
}

TEST_F(XbaseToolTest, DumpFollowsTheOrderOfATag) {
    std::string path = writeIndexedPeople();
    EXPECT_EQ(ok({"dump", path, "--order", "name", "--fields", "NAME"}),
              (Lines{"4|Brown", "2*|Jones", "5|Smart", "1|Smith", "3*|Smythe"}));
    EXPECT_EQ(ok({"dump", path, "--order", "NAME", "--fields", "NAME,AMOUNT", "--hide-deleted",
                  "--filter", "AMOUNT > 5"}),
              (Lines{"4|Brown|1000.25", "5|Smart|7.00", "1|Smith|12.50"}));
    EXPECT_EQ(ok({"dump", path, "--order", "RICH", "--fields", "AMOUNT"}),
              (Lines{"1|12.50", "4|1000.25"}));
    ProcessResult r = tool({"dump", path, "--order", "NOPE"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "xbase-tool: " + path + " has no index tag NOPE\n");
}

TEST_F(XbaseToolTest, CheckFindsRecordsChangedBehindTheIndexAndReindexRepairs) {
    std::string path = writeIndexedPeople();
    EXPECT_EQ(ok({"check", path}), Lines{"ok: 3 tags, 5 records"});
    patchRecord(path, 4, 1, "Zrown");        // NAME
    patchRecord(path, 4, 21, "      5.00");  // AMOUNT: leaves RICH's condition
    patchRecord(path, 5, 21, "     70.00");  // AMOUNT: enters it
    patchRecord(path, 2, 31, "19700102");    // BORN
    patchRecord(path, 5, 31, "20240101");    // BORN: a key the unique tag lacks
    ProcessResult r = tool({"check", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(splitLines(r.out),
              (Lines{
                  "tag NAME: record 4 has key \"BROWN\" but its key expression gives \"ZROWN\"",
                  "tag RICH: lists record 4, whose FOR condition does not hold",
                  "tag RICH: record 5 is missing",
                  "tag BORN: record 2 has key \"\" but its key expression gives 19700102",
                  "tag BORN: key 20240101 of record 5 is missing",
              }));
    EXPECT_EQ(ok({"reindex", path}), (Lines{"NAME: 5 keys", "RICH: 2 keys", "BORN: 4 keys"}));
    EXPECT_EQ(ok({"check", path}), Lines{"ok: 3 tags, 5 records"});
}

TEST_F(XbaseToolTest, CheckFindsEntriesChangedInTheIndex) {
    std::string path = writeIndexedPeople();
    {
        xbase::CdxFile cdx = xbase::CdxFile::open(dir.file("PEOPLE.CDX"), true);
        xbase::IndexTag& name = *cdx.findTag("NAME");
        ASSERT_TRUE(name.remove("SMITH", 1));
        ASSERT_TRUE(name.insert("AAA", 9));
        ASSERT_TRUE(name.insert("JONES", 5));
    }
    ProcessResult r = tool({"check", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(splitLines(r.out), (Lines{
                                     "tag NAME: lists record 9, which the table does not have",
                                     "tag NAME: record 5 has key \"JONES\" but its key "
                                     "expression gives \"SMART\"",
                                     "tag NAME: lists record 5 more than once",
                                     "tag NAME: record 1 is missing",
                                 }));
}

TEST_F(XbaseToolTest, CheckFindsEntriesOutOfOrderAndRepeatedKeysOfAUniqueTag) {
    std::string path = writePeople();
    ok({"index", path, "NAME", "UPPER(NAME)"});
    ok({"index", path, "DAY", "BORN"});  // records 2 and 5 share the empty date
    std::string cdxPath = dir.file("PEOPLE.CDX");
    std::uint32_t dayHeader = xbase::CdxFile::open(cdxPath, false).findTag("DAY")->headerOffset();
    std::string cdx = readBytes(cdxPath);
    cdx[dayHeader + 14] = static_cast<char>(cdx[dayHeader + 14] | 1);  // the unique option
    std::size_t brown = cdx.find("BROWN");  // the first key of NAME's only leaf
    ASSERT_NE(brown, std::string::npos);
    cdx[brown] = 'Z';
    writeBytes(cdxPath, cdx);
    ProcessResult r = tool({"check", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(splitLines(r.out),
              (Lines{
                  cdxPath + ": tag NAME: index page " + std::to_string(brown / 512 * 512) +
                      " has entries out of order",
                  "tag NAME: record 4 has key \"ZROWN\" but its key expression gives \"BROWN\"",
                  "tag DAY: lists key \"\" for records 2 and 5 in a unique tag",
              }));
}

TEST_F(XbaseToolTest, CheckShowsTenProblemsOfATagAndCountsTheRest) {
    std::string path = dir.file("MANY.DBF");
    ok({"create", path, "CODE:C:4"});
    std::string csv;
    for (int i = 0; i < 12; ++i) csv += 'K' + std::to_string(10 + i) + "\n";
    writeBytes(dir.file("IN.CSV"), csv);
    ok({"append-csv", path, dir.file("IN.CSV")});
    EXPECT_EQ(ok({"index", path, "CODE", "CODE"}), Lines{"CODE: 12 keys"});
    for (std::uint32_t r = 1; r <= 12; ++r) patchRecord(path, r, 1, "X");
    ProcessResult result = tool({"check", path});
    EXPECT_EQ(result.status, 1);
    Lines lines = splitLines(result.out);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "tag CODE: record 1 has key \"K10\" but its key expression gives \"X10\"");
    EXPECT_EQ(lines[9], "tag CODE: record 10 has key \"K19\" but its key expression gives \"X19\"");
    EXPECT_EQ(lines[10], "tag CODE: 2 more problems");
}

TEST_F(XbaseToolTest, ADamagedIndexStopsEveryCommandButInfo) {
    std::string path = writeIndexedPeople();
    std::string cdx = dir.file("PEOPLE.CDX");
    writeBytes(cdx, readBytes(cdx).substr(0, 700));
    const std::string message = cdx + ": too short for a compound index";
    const std::vector<std::string> commands[] = {
        {"tags", path},
        {"check", path},
        {"reindex", path},
        {"seek", path, "NAME", "SM"},
        {"index", path, "X", "NAME"},
        {"dump", path, "--order", "NAME"},
    };
    for (const std::vector<std::string>& args : commands) {
        ProcessResult r = tool(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "xbase-tool: " + message + "\n");
    }
    Lines info = ok({"info", path});
    ASSERT_EQ(info.size(), 17u);  // no tag list
    EXPECT_EQ(info[8], "Index:         could not be read: " + message);

    xbase::removeFile(cdx);
    EXPECT_EQ(ok({"info", path})[8],
              "Index:         (none: the header marks one, but there is no index file)");
}

TEST_F(XbaseToolTest, InfoAndCheckReportTheIncompleteFlagAsFoundAndWritersRepairIt) {
    std::string path = writeIndexedPeople();
    patchRecord(path, 1, 1, "Xavier");  // a change that the index missed
    std::string bytes = readBytes(path);
    bytes[xbase::dbf::kIncompleteOffset] = 1;
    writeBytes(path, bytes);

    Lines info = ok({"info", path});
    ASSERT_EQ(info.size(), 22u);
    EXPECT_EQ(info[8],
              "Index:         " + dir.file("PEOPLE.CDX") + " (not used: it may be out of date)");
    EXPECT_EQ(info[9], "Incomplete:    set (the table was not closed properly)");
    EXPECT_EQ(info[17], "Tags:          3");
    ProcessResult check = tool({"check", path});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(
        splitLines(check.out),
        (Lines{"incomplete transaction flag set: the table was not closed properly, and its "
               "indexes may not match its records",
               "tag NAME: record 1 has key \"SMITH\" but its key expression gives \"XAVIER\""}));
    EXPECT_EQ(readBytes(path)[xbase::dbf::kIncompleteOffset], 1);  // both only looked

    EXPECT_EQ(ok({"reindex", path}), (Lines{"NAME: 5 keys", "RICH: 2 keys", "BORN: 4 keys"}));
    EXPECT_EQ(readBytes(path)[xbase::dbf::kIncompleteOffset], 0);
    EXPECT_EQ(ok({"check", path}), Lines{"ok: 3 tags, 5 records"});
    EXPECT_EQ(ok({"info", path})[9], "Incomplete:    clear");

    const std::string cdx = dir.file("PEOPLE.CDX");
    writeBytes(cdx, readBytes(cdx).substr(0, 700));
    writeBytes(path, bytes);  // marked again
    info = ok({"info", path});
    ASSERT_EQ(info.size(), 18u);
    EXPECT_EQ(info[17],
              "Tags:          could not be read: " + cdx + ": too short for a compound index");
}

TEST(CsvLineTest, SplitsPlainAndQuotedValues) {
    using V = std::vector<std::string>;
    EXPECT_EQ(tools::splitCsvLine("a,b c, d"), (V{"a", "b c", " d"}));
    EXPECT_EQ(tools::splitCsvLine("\"a, b\",\"say \"\"x\"\"\",\"\"\"\""),
              (V{"a, b", "say \"x\"", "\""}));
    EXPECT_EQ(tools::splitCsvLine("a\"b,c"),
              (V{"a\"b", "c"}));  // a quote inside a plain value is text
}

TEST(CsvLineTest, EmptyValuesAndTrailingComma) {
    using V = std::vector<std::string>;
    EXPECT_EQ(tools::splitCsvLine(""), (V{""}));
    EXPECT_EQ(tools::splitCsvLine(",,"), (V{"", "", ""}));
    EXPECT_EQ(tools::splitCsvLine("a,\"\","), (V{"a", "", ""}));
    EXPECT_EQ(tools::splitCsvLine("\"x\","), (V{"x", ""}));
}

TEST(CsvLineTest, RefusesUnclosedQuotesAndTextAfterThem) {
    EXPECT_FALSE(tools::splitCsvLine("\"abc"));
    EXPECT_FALSE(tools::splitCsvLine("a,\"b\"\""));
    EXPECT_FALSE(tools::splitCsvLine("\"b\" ,c"));
}

}  // namespace
