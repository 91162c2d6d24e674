// Tables written by our engine, read back by independent readers: Python's dbfread and Perl's
// XBase module. Both print every record in one shape (deletion mark, then "|" and each value:
// "~" for an empty value, numbers with the field's decimals, dates as YYYYMMDD, logicals T/F,
// text with "\", "|" and bytes outside printable ASCII as \uXXXX), which is compared with what
// we wrote.
#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>

#include "ProcessRun.h"
#include "support/TempDir.h"
#include "xbase/DateUtil.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace {

constexpr const char* kPython = "/usr/bin/python3";
constexpr const char* kPerl = "/usr/bin/perl";

constexpr const char* kDbfreadScript = R"(
import sys
from dbfread import DBF
table = DBF(sys.argv[1], load=True, char_decode_errors='strict', raw=False)
def esc(s):
    return ''.join(c if ' ' <= c <= '~' and c not in '\\|' else '\\u%04x' % ord(c) for c in s)
def show(f, v):
    if v is None: return '~'
    if f.type in 'CM': return esc(v)
    if f.type == 'N': return '%.*f' % (f.decimal_count, v)
    if f.type == 'D': return '%04d%02d%02d' % (v.year, v.month, v.day)
    if f.type == 'L': return 'T' if v else 'F'
    raise ValueError('unexpected type ' + f.type)
for mark, records in ((' ', table.records), ('*', table.deleted)):
    for r in records:
        print(mark + ''.join('|' + show(f, r[f.name]) for f in table.fields))
)";

constexpr const char* kXBaseScript = R"(
use strict;
use XBase;
my $t = XBase->new(name => $ARGV[0], ChopBlanks => 1) or die XBase->errstr;
my @types = $t->field_types;
my @decimals = $t->field_decimals;
sub esc { my $s = shift; $s =~ s/([^ -~]|[\\|])/sprintf('\\u%04x', ord $1)/ge; $s }
for my $i (0 .. $t->last_record) {
    my ($deleted, @values) = $t->get_record($i) or die XBase->errstr;
    my $line = $deleted ? '*' : ' ';
    for my $k (0 .. $#values) {
        my ($type, $v) = ($types[$k], $values[$k]);
        $line .= '|' . (!defined $v ? '~'
                        : $type =~ /^[CM]$/ ? esc($v)
                        : $type eq 'N' ? sprintf('%.*f', $decimals[$k], $v)
                        : $type eq 'D' ? sprintf('%08d', $v)
                        : $v ? 'T' : 'F');
    }
    print "$line\n";
}
)";

struct Row {
    std::string name;
    std::optional<double> amount;  // N 10,2
    std::optional<int> qty;        // N 6,0
    std::string born;              // D as YYYYMMDD, "" when empty
    std::optional<bool> ok;
    std::string notes;  // M
    bool deleted = false;
};

std::string longMemo() {
    std::string text;
    for (int i = 1; i <= 30; ++i) {
        char line[64];
        std::snprintf(line, sizeof line,
                      "Line %02d: the quick brown fox jumps over the lazy dog\r\n", i);
        text += line;
    }
    return text;
}

std::vector<Row> rows() {
    return {
        {"Smith", 12.5, 42, "19700102", true, "short note", false},
        {"M\xFCller", -3.25, -7, "", false, "first\r\nsecond\r\nthird", true},
        {"", 0.0, 0, "20000229", std::nullopt, longMemo(), false},
        {"Pipe|and \"quotes\"", std::nullopt, std::nullopt, "19991231", true, "", true},
        {"Caf\xE9 Owner", 9999999.99, -99999, "18991231", false, "tab\tand back\\slash", false},
        {"Last", -0.01, std::nullopt, "", std::nullopt, "", false},
    };
}

std::string escaped(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && c != '\\' && c != '|') {
            out += c;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", b);
            out += buf;
        }
    }
    return out;
}

std::string expectedLine(const Row& r) {
    auto number = [](std::optional<double> v, int decimals) {
        if (!v) return std::string("~");
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.*f", decimals, *v);
        return std::string(buf);
    };
    const std::string values[] = {
        escaped(r.name),
        number(r.amount, 2),
        number(r.qty ? std::optional<double>(*r.qty) : std::nullopt, 0),
        r.born.empty() ? "~" : r.born,
        !r.ok   ? "~"
        : *r.ok ? "T"
                : "F",
        r.notes.empty() ? "~" : escaped(r.notes),
    };
    std::string line = r.deleted ? "*" : " ";
    for (const std::string& v : values) {
        line += '|';
        line += v;
    }
    return line + '\n';
}

class IndependentReaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path = dir.file("INTEROP.DBF");
        xbase::Engine engine;
        engine.create(path, {{"NAME", 'C', 20, 0},
                             {"AMOUNT", 'N', 10, 2},
                             {"QTY", 'N', 6, 0},
                             {"BORN", 'D', 0, 0},
                             {"OK", 'L', 0, 0},
                             {"NOTES", 'M', 0, 0}});
        auto t = engine.open(path, xbase::OpenMode::Exclusive);
        for (const Row& r : rows()) {
            t->appendBlank();
            t->setText("NAME", r.name);
            if (r.amount) t->setNumber("AMOUNT", *r.amount);
            if (r.qty) t->setNumber("QTY", *r.qty);
            if (!r.born.empty()) t->setDate("BORN", xbase::fromDtos(r.born));
            if (r.ok) t->setLogical("OK", *r.ok);
            t->setMemo("NOTES", r.notes);
            t->post();
            if (r.deleted) t->deleteRecord();
        }
        t->close();
    }

    static bool canRun(const char* program, const std::vector<std::string>& probe,
                       const std::string& scratch) {
        return ::access(program, X_OK) == 0 && runProcess(program, probe, scratch).status == 0;
    }

    TempDir dir;
    std::string path;
};

TEST_F(IndependentReaderTest, DbfreadReadsEveryValueAndDeletionMark) {
    if (!canRun(kPython, {"-c", "import dbfread"}, dir.path()))
        GTEST_SKIP() << "python3 with dbfread is missing";
    std::string expected;
    for (bool deleted : {false, true})
        for (const Row& r : rows())
            if (r.deleted == deleted) expected += expectedLine(r);
    ProcessResult r = runProcess(kPython, {"-c", kDbfreadScript, path}, dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expected);
}

TEST_F(IndependentReaderTest, PerlXBaseReadsEveryValueAndDeletionMark) {
    if (!canRun(kPerl, {"-MXBase", "-e", "1"}, dir.path()))
        GTEST_SKIP() << "Perl's XBase module is missing";
    std::string expected;
    for (const Row& r : rows()) expected += expectedLine(r);
    ProcessResult r = runProcess(kPerl, {"-e", kXBaseScript, path}, dir.path());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expected);
}

}  // namespace
