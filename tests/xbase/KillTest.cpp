// A writer killed at random moments: a child process appends, changes (memos included),
// deletes and packs, telling the parent on a pipe what it is about to do and when a commit has
// returned; the parent kills it, opens the table (which repairs it), has xbase-tool check every
// tag against the records, and finds every committed record as it was committed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <set>
#include <thread>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"

using namespace xbase;

namespace {

constexpr unsigned kRandomBase = 20240611;
constexpr int kRounds = 20;
const char* const kCities[] = {"Albany", "Boston", "Chicago", "Denver", "El Paso", "Fresno"};

struct Rec {
    std::string name, city, amount, memo;
    bool deleted = false;
    bool sameValues(const Rec& o) const {
        return name == o.name && city == o.city && amount == o.amount;
    }
};

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    for (std::size_t tab; (tab = line.find('\t', at)) != std::string::npos; at = tab + 1)
        parts.push_back(line.substr(at, tab - at));
    parts.push_back(line.substr(at));
    return parts;
}

Rec randomRec(std::mt19937& rng) {
    Rec r;
    for (int i = 0; i < 6; ++i) r.name += static_cast<char>('a' + rng() % 26);
    r.city = kCities[rng() % 6];
    r.amount = std::to_string(rng() % 1000);
    r.memo.assign(rng() % 4 == 0 ? 0 : rng() % 300, static_cast<char>('A' + rng() % 26));
    return r;
}

void put(Table& t, const Rec& r) {
    t.setText("NAME", r.name);
    t.setText("CITY", r.city);
    t.setText("AMOUNT", r.amount);
    t.setMemo("NOTE", r.memo);
}

void send(int fd, const std::string& line) {
    const std::string text = line + "\n";  // short enough for the pipe to take whole
    (void)!::write(fd, text.data(), text.size());
}

// The child: runs of changes, each ended by a commit, and now and then a pack, until killed.
[[noreturn]] void writeUntilKilled(const std::string& path, unsigned randomKey, OpenMode mode,
                                   int fd) {
    try {
        std::mt19937 rng(randomKey);
        Engine engine;
        auto t = engine.open(path, mode);
        for (;;) {
            for (int ops = 1 + static_cast<int>(rng() % 8); ops > 0; --ops) {
                const unsigned roll = rng() % 100;
                const std::uint32_t count = t->recordCount();
                const Rec r = randomRec(rng);
                if (roll < 50 || count == 0) {
                    send(fd, "A\t" + r.name + "\t" + r.city + "\t" + r.amount + "\t" + r.memo);
                    t->appendBlank();
                    put(*t, r);
                    t->post();
                } else if (roll < 80) {
                    const std::uint32_t recno = 1 + rng() % count;
                    send(fd, "C\t" + std::to_string(recno) + "\t" + r.name + "\t" + r.city + "\t" +
                                 r.amount + "\t" + r.memo);
                    t->go(recno);
                    put(*t, r);
                    t->post();
                } else {
                    const std::uint32_t recno = 1 + rng() % count;
                    send(fd, "D\t" + std::to_string(recno));
                    t->go(recno);
                    t->deleteRecord();
                }
            }
            t->commit();
            send(fd, "K");
            if (mode == OpenMode::Exclusive && rng() % 3 == 0) {
                send(fd, "P");
                t->pack();
                send(fd, "K");
            }
        }
    } catch (const std::exception& e) {
        send(fd, std::string("E\t") + e.what());
    }
    ::_exit(1);
}

// What the child reported: the records as last committed, and what it did since.
struct Report {
    std::vector<Rec> committed;
    std::vector<Rec> current;
    std::map<std::uint32_t, std::vector<Rec>> written;  // since the last commit, by record
    std::set<std::uint32_t> deleted;                    // since the last commit
    std::size_t appends = 0;                            // since the last commit
    bool packing = false;
    std::string error;

    void take(const std::string& line) {
        const std::vector<std::string> p = splitTabs(line);
        if (p[0] == "A" || p[0] == "C") {
            const std::size_t at = p[0] == "A" ? 1 : 2;
            Rec r{p[at], p[at + 1], p[at + 2], p[at + 3]};
            std::uint32_t recno;
            if (p[0] == "A") {
                current.push_back(r);
                recno = static_cast<std::uint32_t>(current.size());
                ++appends;
            } else {
                recno = static_cast<std::uint32_t>(std::stoul(p[1]));
                r.deleted = current.at(recno - 1).deleted;
                current[recno - 1] = r;
            }
            written[recno].push_back(r);
        } else if (p[0] == "D") {
            const auto recno = static_cast<std::uint32_t>(std::stoul(p[1]));
            current.at(recno - 1).deleted = true;
            deleted.insert(recno);
        } else if (p[0] == "P") {
            packing = true;
        } else if (p[0] == "K") {
            if (packing) current = packed(current);
            committed = current;
            written.clear();
            deleted.clear();
            appends = 0;
            packing = false;
        } else {
            error = line;
        }
    }

    static std::vector<Rec> packed(const std::vector<Rec>& recs) {
        std::vector<Rec> live;
        for (const Rec& r : recs)
            if (!r.deleted) live.push_back(r);
        return live;
    }
};

std::vector<Rec> readRecords(Engine& engine, const std::string& path) {
    auto t = engine.open(path, OpenMode::ReadOnly);
    std::vector<Rec> recs;
    for (std::uint32_t r = 1; r <= t->recordCount(); ++r) {
        t->go(r);
        recs.push_back(
            {t->text("NAME"), t->text("CITY"), t->text("AMOUNT"), t->memo("NOTE"), t->deleted()});
    }
    return recs;
}

bool equal(const std::vector<Rec>& a, const std::vector<Rec>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!a[i].sameValues(b[i]) || a[i].memo != b[i].memo || a[i].deleted != b[i].deleted)
            return false;
    return true;
}

// Every committed record is there as committed, unless the changes under way when the child
// was killed reached it; records past the committed ones are appends under way.
void expectCommittedRecords(const Report& report, const std::vector<Rec>& actual) {
    if (report.packing) {
        EXPECT_TRUE(equal(actual, report.committed) ||
                    equal(actual, Report::packed(report.committed)))
            << "a pack stopped half way";
        return;
    }
    ASSERT_GE(actual.size(), report.committed.size());
    ASSERT_LE(actual.size(), report.committed.size() + report.appends);
    for (std::uint32_t recno = 1; recno <= actual.size(); ++recno) {
        const Rec& a = actual[recno - 1];
        std::vector<Rec> allowed;
        if (recno <= report.committed.size()) allowed.push_back(report.committed[recno - 1]);
        if (auto it = report.written.find(recno); it != report.written.end())
            allowed.insert(allowed.end(), it->second.begin(), it->second.end());
        const bool valuesOk = std::any_of(allowed.begin(), allowed.end(),
                                          [&](const Rec& r) { return r.sameValues(a); });
        const bool memoOk = std::any_of(allowed.begin(), allowed.end(),
                                        [&](const Rec& r) { return r.memo == a.memo; });
        const bool wasDeleted =
            recno <= report.committed.size() && report.committed[recno - 1].deleted;
        const bool deletedOk =
            a.deleted == wasDeleted || (a.deleted && report.deleted.count(recno) > 0);
        EXPECT_TRUE(valuesOk && memoOk && deletedOk)
            << "record " << recno << ": " << a.name << "|" << a.city << "|" << a.amount
            << "|memo of " << a.memo.size() << (a.deleted ? "|deleted" : "");
    }
}

}  // namespace

TEST(KillTest, CommittedRecordsAndTagsSurviveAWriterKilledAtRandom) {
    TempDir dir;
    const std::string path = dir.file("K.DBF");
    Engine engine;
    engine.create(
        path,
        {{"NAME", 'C', 12, 0}, {"CITY", 'C', 10, 0}, {"AMOUNT", 'N', 6, 0}, {"NOTE", 'M', 0, 0}});
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        std::mt19937 rng(kRandomBase);
        for (int i = 0; i < 200; ++i) {
            t->appendBlank();
            put(*t, randomRec(rng));
        }
        t->createTag("NAME", "UPPER(NAME)");
        t->createTag("CITYNAME", "CITY+NAME");
        t->createTag("RICH", "AMOUNT", "AMOUNT > 500");
        t->createTag("AMTNAME", "STR(AMOUNT, 6) + NAME");
    }
    std::vector<Rec> records = readRecords(engine, path);
    for (int round = 0; round < kRounds; ++round) {
        const unsigned randomKey = kRandomBase + static_cast<unsigned>(round);
        SCOPED_TRACE("random key " + std::to_string(randomKey) + " (round " +
                     std::to_string(round) + ")");
        const OpenMode mode = round % 2 == 0 ? OpenMode::Exclusive : OpenMode::Shared;
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(fds[0]);
            writeUntilKilled(path, randomKey, mode, fds[1]);
        }
        ::close(fds[1]);
        std::mt19937 rng(randomKey);
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + rng() % 150));
        ::kill(child, SIGKILL);
        Report report;
        report.committed = report.current = records;
        std::string text;
        char buf[4096];
        for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
            text.append(buf, static_cast<std::size_t>(n));
        ::close(fds[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself:\n" << text;
        for (std::size_t at = 0, nl; (nl = text.find('\n', at)) != std::string::npos; at = nl + 1)
            report.take(text.substr(at, nl - at));  // a line cut short by the kill is left out
        ASSERT_EQ(report.error, "");

        engine.open(path, OpenMode::Exclusive)->close();  // repairs what the kill left
        EXPECT_EQ(readBytes(path)[dbf::kIncompleteOffset], 0);
        records = readRecords(engine, path);
        EXPECT_EQ(runProcess(XBASE_TOOL_PATH, {"check", path}, dir.path()).out,
                  "ok: 4 tags, " + std::to_string(records.size()) + " records\n");
        ASSERT_NO_FATAL_FAILURE(expectCommittedRecords(report, records));
        if (HasFailure()) return;
    }
}
