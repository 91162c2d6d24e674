// Open modes as byte-range locks: under the network scheme (NFS, CIFS/SMB, forced here through
// the test switch) an open holds no whole-file lock, so another process's record, append and
// index locks at the family's offsets go through beside a shared open, while the open modes
// keep each other out across processes, under either scheme and when the two are mixed.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "FamilyLocks.h"
#include "NamesTableFixture.h"
#include "OtherProcess.h"
#include "xbase/Error.h"
#include "xbase/FilePaths.h"
#include "xbase/internal/LockScheme.h"
#include "xbase/internal/NetworkFileSystems.h"

using namespace xbase;

namespace {

// The body of an OtherProcess that takes a flock of the whole file.
std::function<void(const std::function<void()>&)> wholeFlock(const std::string& path,
                                                             int operation) {
    return [=](const std::function<void()>& holdOn) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0) return;
        if (::flock(fd, operation | LOCK_NB) == 0) holdOn();
        ::close(fd);
    };
}

// An OtherProcess that opens the table through the engine in that mode, under the network
// scheme or as its file system says.
std::function<void(const std::function<void()>&)> openAs(const std::string& path, OpenMode mode,
                                                         bool network) {
    return [=](const std::function<void()>& holdOn) {
        NetworkFileSystems::treatAllAsNetwork(network);
        Engine engine;
        auto t = engine.open(path, mode);
        holdOn();
    };
}

struct SchemeCase {
    bool network;  // this process's opens
    const char* name;
};

class NetworkOpenMode : public NamesTableFixture, public ::testing::WithParamInterface<SchemeCase> {
  protected:
    void SetUp() override {
        makeNames({"Adams", "Brown", "Cole", "Dunn", "Evans"})->close();
        NetworkFileSystems::treatAllAsNetwork(GetParam().network);
    }
    void TearDown() override { NetworkFileSystems::treatAllAsNetwork(false); }

    // Whether another process opens the table in that mode while this one holds it, the other
    // under the network scheme or not.
    bool otherOpens(OpenMode mode, bool network) const {
        return OtherProcess(openAs(path, mode, network)).opened();
    }
    // The text of the Error that opening the table here throws, or "" when it opens.
    std::string openError(OpenMode mode) {
        try {
            engine.open(path, mode);
        } catch (const Error& e) {
            return e.what();
        }
        return "";
    }
};

const SchemeCase kSchemes[] = {{true, "Network"}, {false, "Local"}};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Schemes, NetworkOpenMode, ::testing::ValuesIn(kSchemes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(NetworkOpenMode, ASharedOpenLeavesTheFamilysRecordAppendAndIndexLocksFree) {
    ASSERT_TRUE(fileExists(cdxPath));
    auto t = engine.open(path, OpenMode::Shared);
    EXPECT_TRUE(OtherProcess(familyLock(path, kCdxHeaderByte - 1)).opened()) << "record 1";
    EXPECT_TRUE(OtherProcess(familyLock(path, kCdxHeaderByte - 5)).opened()) << "record 5";
    EXPECT_TRUE(OtherProcess(familyLock(path, kCdxHeaderByte)).opened()) << "append";
    EXPECT_TRUE(OtherProcess(familyLock(path, kCdxFileLockStart, kCdxFileLockLength)).opened())
        << "file lock";
    EXPECT_TRUE(OtherProcess(familyLock(cdxPath, kCdxHeaderByte)).opened()) << "index";
}

TEST_P(NetworkOpenMode, OpenModesKeepEachOtherOutAcrossProcessesAndSchemes) {
    const struct {
        OpenMode here;
        OpenMode there;
        bool opens;
    } cases[] = {
        {OpenMode::Exclusive, OpenMode::Shared, false},
        {OpenMode::Exclusive, OpenMode::Exclusive, false},
        {OpenMode::Exclusive, OpenMode::ReadOnly, false},
        {OpenMode::Shared, OpenMode::Exclusive, false},
        {OpenMode::ReadOnly, OpenMode::Exclusive, false},
        {OpenMode::Shared, OpenMode::Shared, true},
        {OpenMode::Shared, OpenMode::ReadOnly, true},
    };
    for (const auto& c : cases) {
        auto t = engine.open(path, c.here);
        for (const bool network : {true, false})
            EXPECT_EQ(otherOpens(c.there, network), c.opens)
                << "open " << static_cast<int>(c.here) << " here, " << static_cast<int>(c.there)
                << " there" << (network ? " under the network scheme" : "");
    }
}

TEST_P(NetworkOpenMode, TheOpenModeIsAByteOthersSeeWithFcntl) {
    const std::uint64_t byte = LockScheme::openMode().start;
    {
        auto t = engine.open(path, OpenMode::Shared);
        EXPECT_TRUE(OtherProcess(heldLock(path, F_RDLCK, byte, 1)).opened());
        EXPECT_FALSE(OtherProcess(familyLock(path, byte)).opened());
    }
    {
        auto t = engine.open(path, OpenMode::Exclusive);
        EXPECT_FALSE(OtherProcess(heldLock(path, F_RDLCK, byte, 1)).opened());
    }
    EXPECT_TRUE(OtherProcess(familyLock(path, byte)).opened());
}

TEST_P(NetworkOpenMode, WholeFileLocksOfOtherProgramsAreMet) {
    // What an NFS client makes of another program's exclusive flock: a write lock on every byte.
    {
        OtherProcess holder(familyLock(path, 0, 0));
        ASSERT_TRUE(holder.opened());
        EXPECT_EQ(openError(OpenMode::Shared),
                  path + " is open exclusively by another program or user");
    }
    // And of its shared flock: a read lock on every byte.
    OtherProcess holder(heldLock(path, F_RDLCK, 0, 0));
    ASSERT_TRUE(holder.opened());
    EXPECT_EQ(openError(OpenMode::Shared), "");
    EXPECT_EQ(openError(OpenMode::Exclusive),
              path + " is in use by another program or user and cannot be opened exclusively");
}

TEST_P(NetworkOpenMode, OnlyLocalOpensHoldAFlock) {
    // A flock on a network file system is the whole-file lock the scheme avoids there.
    for (const OpenMode mode : {OpenMode::Shared, OpenMode::Exclusive}) {
        auto t = engine.open(path, mode);
        EXPECT_EQ(OtherProcess(wholeFlock(path, LOCK_EX)).opened(), GetParam().network)
            << static_cast<int>(mode);
    }
}

TEST(NetworkFileSystems, KnowsTheNetworkTypes) {
    const struct {
        std::uint64_t type;
        bool network;
    } cases[] = {
        {0x6969, true},       // NFS
        {0xFF534D42, true},   // CIFS
        {0xFE534D42, true},   // SMB2
        {0x517B, true},       // SMB
        {0xEF53, false},      // ext4
        {0x01021994, false},  // tmpfs
        {0x9123683E, false},  // btrfs
        {0x794C7630, false},  // overlayfs
    };
    for (const auto& c : cases)
        EXPECT_EQ(NetworkFileSystems::isNetworkType(c.type), c.network) << std::hex << c.type;
}
