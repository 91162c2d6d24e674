// xbase-tool run as a program on tables in a temporary folder, and its CSV line splitter.
#include <gtest/gtest.h>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "TempDir.h"
#include "tools/CsvLine.h"
#include "xbase/DateUtil.h"

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
         "xbase-tool: --fields needs a value; usage: xbase-tool dump FILE [--filter EXPR] "
         "[--fields A,B,...] "
         "[--hide-deleted]\n"},
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
