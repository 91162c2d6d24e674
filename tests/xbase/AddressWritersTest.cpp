// Writer processes appending, changing (memos too), deleting and recalling records of one
// shared table with the address file's 21 tags, all at once: afterwards the checker finds the
// tags in agreement with the records, and every change a writer committed is there.
#include <gtest/gtest.h>

#include <exception>
#include <fstream>
#include <map>
#include <sstream>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "WriterProcesses.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"

using namespace xbase;

namespace {

constexpr int kAddressWriters = 4;
constexpr int kAddsEach = 600;

// The address file's layout as the program makes it: its fields and its 21 tags.
const std::vector<FieldSpec> kAddressFields = {
    {"LNAME", 'C', 30, 0}, {"FNAME", 'C', 30, 0},   {"MIDDLE", 'C', 1, 0},  {"TITLE", 'C', 30, 0},
    {"ORG", 'C', 30, 0},   {"STREET", 'C', 30, 0},  {"CITY", 'C', 30, 0},   {"STATE", 'C', 20, 0},
    {"ZIP", 'C', 10, 0},   {"COUNTRY", 'C', 30, 0}, {"PHONE", 'C', 30, 0},  {"EMAIL", 'C', 30, 0},
    {"FAX", 'C', 30, 0},   {"NOTES", 'C', 30, 0},   {"PREFIX", 'C', 12, 0}, {"CARRIER", 'C', 4, 0},
    {"DATE", 'D', 8, 0},   {"BEGIN", 'L', 1, 0},    {"SEQNO", 'N', 6, 0},   {"MEMO", 'M', 10, 0},
};

const std::vector<Table::TagRequest> kAddressTags = {
    {"NAME", "UPPER(LNAME-FNAME)", "", false},
    {"LNAME", "UPPER(LNAME)+UPPER(FNAME)", "", false},
    {"FNAME", "UPPER(FNAME)", "", false},
    {"TITLE", "UPPER(TITLE)", "", false},
    {"ORG", "UPPER(ORG)", "", false},
    {"STREET", "UPPER(STREET)", "", false},
    {"CITY", "UPPER(CITY+STATE)", "", false},
    {"STATE", "UPPER(STATE)", "", false},
    {"ZIP", "UPPER(ZIP)", "", false},
    {"COUNTRY", "UPPER(COUNTRY)", "", false},
    {"PHONE", "UPPER(PHONE)", "", false},
    {"EMAIL", "UPPER(EMAIL)", "", false},
    {"FAX", "UPPER(FAX)", "", false},
    {"DATE", "DTOS(DATE)", "", false},
    {"NOTES", "UPPER(NOTES)", "", false},
    {"PREFIX", "UPPER(PREFIX)", "", false},
    {"MIDDLE", "UPPER(MIDDLE)", "", false},
    {"DELETED", "DELETED()", "", false},
    {"JUSTSEQNO", "SEQNO", "", false},
    {"SEQNO", "STR(SEQNO,6,0)+STATE+ZIP", "", false},
    {"STATEZIP", "UPPER(STATE-ZIP)", "", false},
};

// A record as a writer last committed it, keyed by its FNAME.
struct Committed {
    std::string lname;
    std::string memo;
    bool deleted = false;
};

std::string idOf(int writer, int i) {
    return "W" + std::to_string(writer) + "-" + std::to_string(i);
}

std::string memoFor(const std::string& id, int round) {
    return id + " round " + std::to_string(round) + ": " + std::string(40 + round * 90, 'm');
}

// What the writer committed, one line a record: id, last name, deletion, memo.
void report(const std::string& path, const std::map<std::string, Committed>& done) {
    std::ofstream out(path);
    for (const auto& [id, c] : done)
        out << id << '\t' << c.lname << '\t' << c.deleted << '\t' << c.memo << '\n';
}

void writeAddresses(const std::string& path, int writer, std::map<std::string, Committed>& done) {
    Engine engine;
    auto t = engine.open(path, OpenMode::Shared);
    std::vector<std::uint32_t> mine;
    const char* const lastNames[] = {"Baker", "adams", "Cole", "Diaz", "evans"};
    for (int i = 0; i < kAddsEach; ++i) {
        const std::string id = idOf(writer, i);
        t->appendBlank();
        t->setText("FNAME", id);
        t->setText("LNAME", lastNames[(i + writer) % 5]);
        t->setText("CITY", "Springfield");
        t->setText("STATE", writer % 2 ? "IL" : "MO");
        t->setText("ZIP", std::to_string(62700 + i));
        t->setNumber("SEQNO", i);
        t->setMemo("MEMO", memoFor(id, 0));
        t->commit();
        mine.push_back(t->recNo());
        done[id] = {lastNames[(i + writer) % 5], memoFor(id, 0), false};
        if (i % 3 == 2) {  // the record two back moves and gets a longer memo
            const std::string back = idOf(writer, i - 2);
            t->go(mine[static_cast<std::size_t>(i - 2)]);
            t->setText("LNAME", "Moved" + std::to_string(i));
            t->setText("PHONE", "555-01" + std::to_string(i));
            t->setMemo("MEMO", memoFor(back, 1));
            t->commit();
            done[back].lname = "Moved" + std::to_string(i);
            done[back].memo = memoFor(back, 1);
        }
        if (i % 5 == 4) {  // every fifth is deleted, every tenth recalled again
            t->go(mine[static_cast<std::size_t>(i)]);
            t->deleteRecord();
            t->commit();
            done[id].deleted = true;
            if (i % 10 == 9) {
                t->recall();
                t->commit();
                done[id].deleted = false;
            }
        }
    }
}

}  // namespace

TEST(AddressWriters, TagsAgreeWithTheRecordsAndEveryCommittedChangeIsThere) {
    TempDir dir;
    const std::string path = dir.file("RAVENP1.DBF");
    Engine engine;
    engine.create(path, kAddressFields);
    engine.open(path, OpenMode::Exclusive)->createTags(kAddressTags);

    runWritersTogether(kAddressWriters, 60, "address writer", [&](int w) {
        // What a writer committed before it failed is reported too, for the checks below.
        std::map<std::string, Committed> done;
        std::exception_ptr failed;
        try {
            writeAddresses(path, w, done);
        } catch (...) {
            failed = std::current_exception();
        }
        report(dir.file("writer" + std::to_string(w) + ".txt"), done);
        if (failed) std::rethrow_exception(failed);
    });
    ASSERT_FALSE(HasFatalFailure());

    EXPECT_EQ(readBytes(path)[dbf::kIncompleteOffset], 0);
    EXPECT_EQ(runProcess(XBASE_TOOL_PATH, {"check", path}, dir.path()).out,
              "ok: 21 tags, " + std::to_string(kAddressWriters * kAddsEach) + " records\n");

    auto t = engine.open(path, OpenMode::ReadOnly);
    t->setOrder("FNAME");
    std::size_t reported = 0;
    for (int w = 0; w < kAddressWriters; ++w) {
        std::ifstream in(dir.file("writer" + std::to_string(w) + ".txt"));
        for (std::string line; std::getline(in, line); ++reported) {
            std::istringstream fields(line);
            std::string id, lname, deleted, memo;
            std::getline(fields, id, '\t');
            std::getline(fields, lname, '\t');
            std::getline(fields, deleted, '\t');
            std::getline(fields, memo);
            SCOPED_TRACE(id);
            ASSERT_TRUE(t->seek(id));
            EXPECT_EQ(t->text("FNAME"), id);
            EXPECT_EQ(t->text("LNAME"), lname);
            EXPECT_EQ(t->deleted(), deleted == "1");
            EXPECT_EQ(t->memo("MEMO"), memo);
        }
    }
    EXPECT_EQ(reported, static_cast<std::size_t>(kAddressWriters * kAddsEach));
}
