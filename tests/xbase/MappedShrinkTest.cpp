// A table or index file cut short by another program while this one has it mapped: the read
// that meets the missing bytes fails with an error naming the file, the table still closes,
// and the process ends normally. Each case reads in a child process, so that a reader the
// fault would kill shows as a child ended by a signal rather than ending the test run.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>

#include "ProcessRun.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/DbfLayout.h"
#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/File.h"

using namespace xbase;

namespace {

constexpr std::uint32_t kRecords = 200;
constexpr std::uint64_t kRecordLength = 101;  // the deleted mark and NAME C100

struct ChildEnd {
    bool exited = false;  // false when a signal ended it
    std::string said;     // what the body returned, or the message of what it threw
};

// Runs body in a child process and collects what it said and how it ended.
ChildEnd inChild(const std::function<std::string()>& body) {
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(out[0]);
        std::string said;
        try {
            said = body();
        } catch (const std::exception& e) {
            said = std::string("threw: ") + e.what();
        }
        for (std::size_t done = 0; done < said.size();) {
            const ssize_t w = ::write(out[1], said.data() + done, said.size() - done);
            if (w <= 0) break;
            done += static_cast<std::size_t>(w);
        }
        ::_exit(0);
    }
    ::close(out[1]);
    ChildEnd end;
    char buf[512];
    for (ssize_t r; (r = ::read(out[0], buf, sizeof buf)) > 0;)
        end.said.append(buf, static_cast<std::size_t>(r));
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    end.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return end;
}

// Another program cuts the file to size bytes, as a user's tool might.
void cutShort(const TempDir& dir, const std::string& path, std::uint64_t size) {
    const ProcessResult r =
        runProcess("/usr/bin/truncate", {"-s", std::to_string(size), path}, dir.path());
    if (r.status != 0) throw std::runtime_error("truncate failed: " + r.err);
}

std::string cutMessage(const std::string& path, std::uint64_t offset) {
    return path + " was cut short by another program: reading at offset " + std::to_string(offset) +
           " went past its end";
}

std::uint64_t headerLength(const std::string& path) {
    const std::string bytes = readBytes(path);
    return loadLe16(bytes.data() + dbf::kHeaderLengthOffset);
}

void makeNames(const std::string& path, std::uint32_t count, bool indexed) {
    Engine engine;
    engine.create(path, {{"NAME", 'C', 100, 0}});
    auto t = engine.open(path, OpenMode::Exclusive);
    for (std::uint32_t i = 1; i <= count; ++i) {
        t->appendBlank();
        t->setText("NAME", "Name " + std::to_string(count - i));
    }
    t->commit();
    if (indexed) t->createTag("NAME", "NAME");
}

// Opens the table, has it cut short, runs read, and closes the table after the error.
std::string readCutTable(const TempDir& dir, const std::string& path, OpenMode mode,
                         const std::string& cutPath, std::uint64_t cutTo,
                         const std::function<void(Table&)>& read) {
    Engine engine;
    auto t = engine.open(path, mode);
    cutShort(dir, cutPath, cutTo);
    std::string said = "read without an error";
    try {
        read(*t);
    } catch (const Error& e) {
        said = e.what();
    }
    t.reset();
    return said + " | closed";
}

const OpenMode kModes[] = {OpenMode::Shared, OpenMode::ReadOnly, OpenMode::Exclusive};

TEST(MappedShrinkTest, ReadingARecordPastTheNewEndFailsInEveryMode) {
    for (OpenMode mode : kModes) {
        SCOPED_TRACE(static_cast<int>(mode));
        TempDir dir;
        const std::string path = dir.file("NAMES.DBF");
        makeNames(path, kRecords, false);
        const std::uint64_t last = headerLength(path) + (kRecords - 1) * kRecordLength;
        const ChildEnd end = inChild([&] {
            return readCutTable(dir, path, mode, path, 4096, [](Table& t) {
                t.go(kRecords);
                (void)t.text("NAME");
            });
        });
        EXPECT_TRUE(end.exited);
        EXPECT_EQ(end.said, cutMessage(path, last) + " | closed");
    }
}

TEST(MappedShrinkTest, WalkingAnOrderOfAnIndexCutShortFails) {
    for (OpenMode mode : {OpenMode::Shared, OpenMode::ReadOnly}) {
        SCOPED_TRACE(static_cast<int>(mode));
        TempDir dir;
        const std::string path = dir.file("NAMES.DBF");
        const std::string cdx = dir.file("NAMES.CDX");
        makeNames(path, kRecords, true);
        const ChildEnd end = inChild([&] {
            return readCutTable(dir, path, mode, cdx, 0, [](Table& t) {
                t.setOrder("NAME");
                walk(t);
            });
        });
        EXPECT_TRUE(end.exited);
        // Shared opens first read the index's change counter, at offset 8.
        EXPECT_EQ(end.said, cutMessage(cdx, 8) + " | closed");
    }
}

TEST(MappedShrinkTest, BytesReadInPlacePastTheNewEndAreZerosUntilChecked) {
    TempDir dir;
    const std::string path = dir.file("NAMES.DBF");
    makeNames(path, kRecords, false);
    const ChildEnd end = inChild([&] {
        File file = File::open(path, false);
        FileMap map = file.mapForReading(file.size());
        map.checkInPlace(0);  // nothing cut yet
        cutShort(dir, path, 4096);
        std::string said = "byte " + std::to_string(int{map.bytesAt(8192)[0]});
        try {
            map.checkInPlace(8192);
        } catch (const Error& e) {
            said += " | " + std::string(e.what());
        }
        char first = 0;
        try {
            map.copy(0, &first, 1);  // a page still in the file, but the mapping is not trusted
        } catch (const Error& e) {
            said += " | " + std::string(e.what());
        }
        return said;
    });
    EXPECT_TRUE(end.exited);
    EXPECT_EQ(end.said, "byte 0 | " + cutMessage(path, 8192) + " | " + cutMessage(path, 0));
}

TEST(MappedShrinkTest, BuildingTagsOverATableCutShortFails) {
    if (std::thread::hardware_concurrency() < 2)
        GTEST_SKIP() << "tags are built from records read in place only with two processors";
    constexpr std::uint32_t kMany = 60000;  // enough for the keys to be gathered in place
    TempDir dir;
    const std::string path = dir.file("NAMES.DBF");
    makeNames(path, kMany, false);
    const std::uint64_t header = headerLength(path);
    const ChildEnd end = inChild([&] {
        return readCutTable(dir, path, OpenMode::Exclusive, path, header, [](Table& t) {
            t.createTags({{"NAME", "NAME", "", false}, {"UPPER", "UPPER(NAME)", "", false}});
        });
    });
    EXPECT_TRUE(end.exited);
    EXPECT_EQ(end.said, cutMessage(path, header) + " | closed");
}

}  // namespace
