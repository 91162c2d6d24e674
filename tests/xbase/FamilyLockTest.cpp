// Record, header and file locks as other xBase programs of the FoxPro family see them: a child
// process takes traditional fcntl locks on the family's bytes, and the table takes its own.
#include <gtest/gtest.h>
#include <unistd.h>

#include "FamilyLocks.h"
#include "OtherProcess.h"
#include "TableTestSupport.h"
#include "support/TempDir.h"
#include "xbase/Error.h"

using namespace xbase;

namespace {

struct SchemeCase {
    bool structural;  // the table has a CDX
    const char* name;
};

class FamilyLock : public ::testing::TestWithParam<SchemeCase> {
  protected:
    void SetUp() override {
        engine.create(path, peopleFields());
        auto t = engine.open(path, OpenMode::Exclusive);
        appendNames(*t, {"Adams", "Brown", "Cole", "Dunn", "Evans"});
        if (GetParam().structural) t->createTag("NAME", "UPPER(NAME)");
        headerLength = t->headerLength();
        recordLength = t->recordLength();
        t->close();
        engine.settings.lockWaitMilliseconds = 0;
    }

    std::uint64_t recordByte(std::uint32_t n) const {
        return GetParam().structural ? kCdxHeaderByte - n
                                     : kDbaseBase + headerLength + (n - 1) * recordLength;
    }
    std::uint64_t headerByte() const { return GetParam().structural ? kCdxHeaderByte : kDbaseBase; }
    // The file lock (FLOCK) as the family takes it.
    std::function<void(const std::function<void()>&)> fileLock() const {
        return GetParam().structural ? familyLock(path, kCdxFileLockStart, kCdxFileLockLength)
                                     : familyLock(path, kDbaseBase + 1, 0x3FFFFFFD);
    }
    std::string lockedMessage(int n) const {
        return "Record " + std::to_string(n) + " of " + path +
               " is locked by another program or user";
    }

    TempDir dir;
    std::string path = dir.file("P.DBF");
    Engine engine;
    std::uint64_t headerLength = 0;
    std::uint64_t recordLength = 0;
};

const SchemeCase kSchemes[] = {{true, "WithCdx"}, {false, "DbaseStyle"}};

// The message of the LockedError that work throws, or "" when it throws none.
template <class Work>
std::string lockedError(Work work) {
    try {
        work();
    } catch (const LockedError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Schemes, FamilyLock, ::testing::ValuesIn(kSchemes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(FamilyLock, OurWritersLeaveRecordOneAndTheFileLockFree) {
    auto t = engine.open(path, OpenMode::Shared);
    t->go(2);
    t->setText("NAME", "Bishop");
    t->post();  // a run of changes is under way until the commit
    EXPECT_TRUE(OtherProcess(familyLock(path, recordByte(1))).opened());
    EXPECT_TRUE(OtherProcess(fileLock()).opened());
    t->commit();
}

TEST_P(FamilyLock, ARecordOneLockElsewhereDoesNotHoldUpOurWriters) {
    OtherProcess holder(familyLock(path, recordByte(1)));
    ASSERT_TRUE(holder.opened());
    // A writer that waited for the holder would be ended by the alarm before it held on.
    OtherProcess writer([&](const std::function<void()>& holdOn) {
        ::alarm(30);
        Engine e;
        auto t = e.open(path, OpenMode::Shared);
        t->go(2);
        t->setText("NAME", "Bishop");
        t->commit();
        holdOn();
    });
    EXPECT_TRUE(writer.opened());
}

TEST_P(FamilyLock, ARecordLockedElsewhereCannotBeLockedHere) {
    OtherProcess holder(familyLock(path, recordByte(3)));
    ASSERT_TRUE(holder.opened());
    auto t = engine.open(path, OpenMode::Shared);
    EXPECT_EQ(lockedError([&] { t->lockRecord(3); }), lockedMessage(3));
    EXPECT_TRUE(t->isRecordLockedByOther(3));
    EXPECT_FALSE(t->isRecordLockedByOther(2));
    EXPECT_FALSE(t->isRecordLockedByOther(4));
    EXPECT_EQ(lockedError([&] { t->lockRecord(2); }), "");
}

TEST_P(FamilyLock, OurRecordLockKeepsOthersOutUntilItIsReleased) {
    auto t = engine.open(path, OpenMode::Shared);
    t->lockRecord(3);
    t->lockRecord(3);  // again: harmless
    EXPECT_FALSE(OtherProcess(familyLock(path, recordByte(3))).opened());
    EXPECT_TRUE(OtherProcess(familyLock(path, recordByte(4))).opened());
    EXPECT_FALSE(t->isRecordLockedByOther(3));  // its own lock
    t->unlockRecord(3);
    EXPECT_TRUE(OtherProcess(familyLock(path, recordByte(3))).opened());
    t->lockRecord(3);
    t->close();
    EXPECT_TRUE(OtherProcess(familyLock(path, recordByte(3))).opened());
}

TEST_P(FamilyLock, AFileLockElsewhereLocksEveryRecord) {
    {
        OtherProcess holder(fileLock());
        ASSERT_TRUE(holder.opened());
        auto t = engine.open(path, OpenMode::Shared);
        EXPECT_EQ(lockedError([&] { t->lockRecord(1); }), lockedMessage(1));
        EXPECT_EQ(lockedError([&] { t->lockRecord(5); }), lockedMessage(5));
        EXPECT_TRUE(t->isRecordLockedByOther(5));
    }
    auto t = engine.open(path, OpenMode::Shared);
    t->lockRecord(5);
    EXPECT_FALSE(OtherProcess(fileLock()).opened());
    t->unlockRecord(5);
    EXPECT_TRUE(OtherProcess(fileLock()).opened());
}

TEST_P(FamilyLock, AppendsWaitForTheHeaderLock) {
    auto t = engine.open(path, OpenMode::Shared);
    {
        OtherProcess holder(familyLock(path, headerByte()));
        ASSERT_TRUE(holder.opened());
        t->appendBlank();
        t->setText("NAME", "Fox");
        EXPECT_EQ(lockedError([&] { t->post(); }),
                  "The header of " + path + " is locked by another program or user");
        EXPECT_EQ(t->recordCount(), 5u);
        EXPECT_TRUE(t->appending());  // the new record waits to be posted again
    }
    t->post();
    t->commit();
    EXPECT_EQ(t->recordCount(), 6u);
    EXPECT_EQ(t->text("NAME"), "Fox");
    // The header byte is free again once the append is done.
    EXPECT_TRUE(OtherProcess(familyLock(path, headerByte())).opened());
}

TEST_P(FamilyLock, TwoOpensInOneProcessSeeEachOthersRecordLocks) {
    auto a = engine.open(path, OpenMode::Shared);
    auto b = engine.open(path, OpenMode::Shared);
    a->lockRecord(2);
    EXPECT_EQ(lockedError([&] { b->lockRecord(2); }), lockedMessage(2));
    EXPECT_TRUE(b->isRecordLockedByOther(2));
    EXPECT_FALSE(a->isRecordLockedByOther(2));
    a->close();
    EXPECT_FALSE(b->isRecordLockedByOther(2));
    b->lockRecord(2);
}

TEST_P(FamilyLock, RecordLocksNeedAWritableOpenAndAnExistingRecord) {
    {
        auto t = engine.open(path, OpenMode::ReadOnly);
        EXPECT_THROW(
            {
                try {
                    t->lockRecord(1);
                } catch (const Error& e) {
                    EXPECT_EQ(std::string(e.what()), path + " is open read-only");
                    throw;
                }
            },
            Error);
    }
    auto t = engine.open(path, OpenMode::Shared);
    for (std::uint32_t n : {0u, 6u}) {
        try {
            t->lockRecord(n);
            ADD_FAILURE() << "record " << n << " was locked";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), path + " has no record " + std::to_string(n));
        }
    }
}

TEST_P(FamilyLock, ASharedOpenChangesNoRecordThatAnotherHolds) {
    auto t = engine.open(path, OpenMode::Shared);
    const std::string before = readBytes(path);
    {
        OtherProcess holder(familyLock(path, recordByte(3)));
        ASSERT_TRUE(holder.opened());
        t->go(3);
        t->setText("NAME", "Crane");
        EXPECT_EQ(lockedError([&] { t->post(); }), lockedMessage(3));
        EXPECT_TRUE(t->editing());  // kept, to be posted once the record is free
        t->cancel();
        EXPECT_EQ(lockedError([&] { t->deleteRecord(); }), lockedMessage(3));
        t->cancel();
        t->commit();
        EXPECT_EQ(readBytes(path).substr(headerLength), before.substr(headerLength));
    }
    t->setText("NAME", "Crane");
    t->post();
    // The lock taken for the post is let go after it.
    EXPECT_TRUE(OtherProcess(familyLock(path, recordByte(3))).opened());
    // A lock of its own stays through posts until it is released.
    t->lockRecord(3);
    t->deleteRecord();
    t->recall();
    EXPECT_FALSE(OtherProcess(familyLock(path, recordByte(3))).opened());
    t->commit();
    EXPECT_FALSE(OtherProcess(familyLock(path, recordByte(3))).opened());
    t->unlockRecord(3);
    EXPECT_TRUE(OtherProcess(familyLock(path, recordByte(3))).opened());
    t->close();
    auto again = engine.open(path, OpenMode::ReadOnly);
    again->go(3);
    EXPECT_EQ(again->text("NAME"), "Crane");
    EXPECT_FALSE(again->deleted());
}

TEST_P(FamilyLock, AChangeCommittedAfterAnotherOpensAppendKeepsItsRecords) {
    auto a = engine.open(path, OpenMode::Shared);
    auto b = engine.open(path, OpenMode::Shared);
    a->go(1);
    a->setText("NAME", "Abbott");
    a->post();
    appendNames(*b, {"Fox", "Gray"});
    a->commit();
    a->close();
    b->close();
    auto t = engine.open(path, OpenMode::ReadOnly);
    EXPECT_EQ(t->recordCount(), 7u);
    t->go(7);
    EXPECT_EQ(t->text("NAME"), "Gray");
}
