#pragma once
// Where the locks of a table lie in its files.
//
// Other xBase programs of the FoxPro family lock FoxPro-style tables with byte-range locks
// (fcntl on Unix) on bytes past the data, and so do we, so that each side sees the other's
// locks. The offsets below are those that the public documentation of Harbour's DBF drivers
// gives for its FoxPro-compatible lock scheme (DB_DBFLOCK_VFP: the DBF_LOCKPOS_VFP(X),
// DBF_LOCKDIR_VFP(X), DBF_FLCKSIZE_VFP(X) and DBF_RLCKSIZE_VFP(X) values of hbrdddbf.h, used
// by hb_dbfLockData and the lock calls of dbf1.c, and IDX_LOCKPOS_VFP for the index):
//
//   Table with a structural index (CDX), header flag 0x01 set:
//     header and append lock   1 byte at 0x7FFFFFFE
//     record n                 1 byte at 0x7FFFFFFE - n
//     file lock (FLOCK)        0x77FFFFFF to 0x7FFFFFFD (0x07FFFFFF bytes)
//     index changes            1 byte at 0x7FFFFFFE of the CDX
//   Table without one (dBase style):
//     header and append lock   1 byte at 0x40000000
//     record n                 1 byte at 0x40000000 + the record's offset in the file
//                              (header length + (n - 1) * record length)
//     file lock (FLOCK)        0x40000001 to 0x7FFFFFFD (0x3FFFFFFD bytes)
//   Either kind, its FPT memo file:
//     memo block allocation    1 byte at 0 of the FPT (FPT_LOCKPOS and FPT_LOCKSIZE of
//                              Harbour's DBFFPT driver, hbrddfpt.h; FptFile::blockLock)
//
// Record and file locks are write locks; the header lock is held for a moment around a change
// of the header (an append, the record count), and the memo lock around the choice of blocks
// for a memo and the move of the memo file's next free block.
//
// Our own locks lie outside every range above. They start at 0xC0000000: past the highest
// record lock of a dBase-style table that the family can make (0x40000000 plus a file of at
// most 2 GB), above the CDX scheme's bytes, and below 4,000,000,000, where the Clipper-style
// schemes of Harbour's other drivers begin (their lower scheme ends at 2,000,000,000). A
// table larger than 3 GB would hold records at those bytes: locks on Linux do not stop reads or
// writes there, and on a file system that enforces byte-range locks (CIFS) only this open's
// writer slot and open-mode bytes would be held.
//
// Open modes. Every open of a table holds a lock on our open-mode byte (0xC0000001) for as long
// as it is open: a read lock when it is shared or read-only, a write lock when it is exclusive.
// On a local file system it also holds a flock(2) of the same kind, as it always has. NFS and
// CIFS/SMB clients turn a flock into a byte-range lock over the whole file (flock(2)), which on
// CIFS is mandatory: a shared open would then block every record, append and index lock of the
// family's programs on other machines, and an exclusive one every read. So on those file
// systems (fstatfs: NFS 0x6969, CIFS 0xFF534D42, SMB2 0xFE534D42, SMB 0x517B; see
// NetworkFileSystems.h) an open takes the open-mode byte alone. That keeps the modes among our
// opens everywhere, however each reaches the file: a machine that has the folder on its own
// disk and one that mounts it both take the byte, so an exclusive open refuses every other open
// and a shared open refuses an exclusive one. Against the family it holds as far as their opens
// reach the server as byte-range locks: a program whose exclusive open on a network mount is a
// flock, and so a write lock over the whole file, meets our byte and we meet its lock; a read
// lock over the whole file (its shared flock there) lets our shared opens in and keeps our
// exclusive ones out.
#include <cstdint>

namespace xbase {

struct ByteRange {
    std::uint64_t start = 0;
    std::uint64_t length = 0;
    bool operator==(const ByteRange&) const = default;
};

class LockScheme {
  public:
    // The scheme of a table: with a structural index (the header's flag) or without.
    LockScheme(bool structuralIndex, std::uint16_t headerLength, std::uint16_t recordLength)
        : structural_(structuralIndex), headerLength_(headerLength), recordLength_(recordLength) {}

    ByteRange header() const { return {structural_ ? kCdxBase : kDbaseBase, 1}; }
    ByteRange record(std::uint32_t n) const {
        if (structural_) return {kCdxBase - n, 1};
        return {kDbaseBase + headerLength_ + std::uint64_t{n - 1} * recordLength_, 1};
    }
    ByteRange file() const {
        if (structural_) return {kCdxBase - kCdxFileLockLength, kCdxFileLockLength};
        return {kDbaseBase + 1, kDbaseFileLockLength};
    }
    // The byte of the CDX that other programs lock while they change the index.
    static ByteRange indexChanges() { return {kCdxBase, 1}; }

    // Ours: the byte a shared open holds while it is in a run of changes, one of kWriterSlots,
    // the slot's bit set in the header meanwhile (see Table.h, "Crash safety"): a bit whose
    // byte nobody holds is a writer's that ended without finishing its run.
    static constexpr unsigned kWriterSlots = 63;
    static ByteRange writerSlot(unsigned n) { return {kOwnBase + kWriterSlotOffset + n, 1}; }
    // Ours: the open-mode byte of the table (see File::tryLock).
    static ByteRange openMode() { return {kOwnBase + 1, 1}; }

  private:
    static constexpr std::uint64_t kCdxBase = 0x7FFFFFFE;
    static constexpr std::uint64_t kCdxFileLockLength = 0x07FFFFFF;
    static constexpr std::uint64_t kDbaseBase = 0x40000000;
    static constexpr std::uint64_t kDbaseFileLockLength = 0x3FFFFFFD;
    static constexpr std::uint64_t kOwnBase = 0xC0000000;
    static constexpr std::uint64_t kWriterSlotOffset = 0x100;

    bool structural_;
    std::uint16_t headerLength_;
    std::uint16_t recordLength_;
};

}  // namespace xbase
