// Operations on the whole table file: pack, zap and copies.
#include <algorithm>
#include <cstring>

#include "xbase/Error.h"
#include "xbase/internal/ByteOrder.h"
#include "xbase/internal/CdxFile.h"
#include "xbase/internal/DbfHeader.h"
#include "xbase/internal/MemoBlockField.h"
#include "xbase/internal/MemoFile.h"
#include "xbase/internal/PackJournal.h"
#include "xbase/internal/TableImpl.h"

namespace xbase {

namespace {

void copyBytes(const File& from, File& to, std::uint64_t offset, std::uint64_t length) {
    std::string buf(1 << 20, '\0');
    for (std::uint64_t at = offset; at < offset + length;) {
        std::size_t n =
            static_cast<std::size_t>(std::min<std::uint64_t>(buf.size(), offset + length - at));
        from.readExact(at, buf.data(), n, "the data to copy");
        to.writeAt(at, buf.data(), n);
        at += n;
    }
}

// The header bytes with a new record count and without the incomplete mark (nor writers at work
// beside it), and without the
// structural index flag unless keepIndexFlag: a copy has no index until one is built for it.
std::string headerWithCount(const File& dbf, std::uint16_t headerLength, std::uint32_t count,
                            bool keepIndexFlag) {
    std::string h(headerLength, '\0');
    dbf.readExact(0, h.data(), h.size(), "the header");
    storeLe32(h.data() + dbf::kRecordCountOffset, count);
    h[dbf::kIncompleteOffset] = 0;
    std::fill_n(h.begin() + dbf::kWritersOffset, dbf::kWritersSize, '\0');
    if (!keepIndexFlag)
        h[dbf::kTableFlagsOffset] =
            static_cast<char>(h[dbf::kTableFlagsOffset] & ~dbf::kFlagStructuralIndex);
    return h;
}

std::string extensionOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    return dot == std::string::npos || (slash != std::string::npos && dot < slash)
               ? ""
               : path.substr(dot + 1);
}

std::string withExtension(const std::string& path, const std::string& ext) {
    std::string e = extensionOf(path);
    return (e.empty() ? path : path.substr(0, path.size() - e.size() - 1)) + "." + ext;
}

}  // namespace

void TableImpl::pack(const ProgressFn& progress) {
    if (mode_ != OpenMode::Exclusive) throw Error(path_ + " must be open exclusively to be packed");
    requireWritable();
    commit();
    // The packed files would take the place of whatever the paths name now.
    requireFilesInPlace();
    // The packed table, memo file and index are written beside the originals and take their
    // place through the journal only when complete (see PackJournal.h).
    const std::string tmpDbf = scratchPath(path_);
    const bool rewriteMemo = memo_ && memo_->kind() == MemoKind::Fpt;
    const std::string tmpMemo = rewriteMemo ? scratchPath(path_, "fpt") : std::string();
    const std::string tmpCdx = cdx_ ? scratchPath(path_, "cdx") : std::string();
    try {
        writePackedFiles(tmpDbf, tmpMemo, progress);
        if (cdx_) {
            std::unique_ptr<Table> packed = engine_.open(tmpDbf, OpenMode::Exclusive, false);
            static_cast<TableImpl&>(*packed).writeStructuralIndex(tmpCdx, tagDefinitions(*cdx_),
                                                                  {});
            packed->close();
        }
    } catch (...) {
        for (const std::string& tmp : {tmpDbf, tmpMemo, tmpCdx})
            if (!tmp.empty()) removeFile(tmp);
        load(recno_ <= count_ ? recno_ : count_ + 1);
        throw;
    }
    std::vector<Rename> renames;
    if (rewriteMemo) renames.emplace_back(tmpMemo, memo_->path());
    if (cdx_) renames.emplace_back(tmpCdx, cdx_->path());
    renames.emplace_back(tmpDbf, path_);
    writePackJournal(path_, renames);

    // The packed files are new files: put them in place (the old table stays locked meanwhile),
    // then open and lock them.
    const int order = order_;
    const bool hadIndex = cdx_ != nullptr;
    setOrder(0);
    cdx_.reset();
    memo_.reset();
    dbfMap_ = FileMap();
    settlePack(path_);
    if (!openLocked(LockKind::Exclusive))
        throw Error(path_ + " was taken by another program while being packed");
    cacheCount_ = 0;
    readHeader();
    dbfMap_ = dbf_.mapForReading(dbf_.size());
    openMemo();
    if (hadIndex)
        openStructuralIndex();
    else
        loadStructuralOrders();  // the index files' orders stay
    setOrder(order);
    goTop();
}

void TableImpl::writePackedFiles(const std::string& tmpDbf, const std::string& tmpMemo,
                                 const ProgressFn& progress) {
    File out = File::create(tmpDbf);
    std::unique_ptr<MemoFile> outMemo;
    if (!tmpMemo.empty()) {
        MemoFile::createFpt(tmpMemo, memo_->blockSize());
        outMemo = MemoFile::open(tmpMemo, MemoKind::Fpt, true);
    }
    std::string batch;
    std::uint64_t written = headerLength_;
    std::uint32_t kept = 0;
    int lastPercent = -1;
    for (std::uint32_t r = 1; r <= count_; ++r) {
        load(r);
        if (current_[0] == dbf::kDeleted) continue;
        std::string rec(current_, recordLength_);
        if (outMemo) {
            for (int n = 1; n <= fieldCount(); ++n) {
                const Field& f = fields_[static_cast<std::size_t>(n - 1)];
                if (f.type != 'M' && f.type != 'G' && f.type != 'P' && f.type != 'B') continue;
                std::uint32_t block = memoBlock(n);
                if (block == 0) continue;
                putMemoBlock(rec.data() + f.offset, outMemo->write(0, memo_->read(block)));
            }
        }
        batch += rec;
        ++kept;
        if (batch.size() >= (1u << 20)) {
            out.writeAt(written, batch);
            written += batch.size();
            batch.clear();
        }
        int percent = static_cast<int>(static_cast<std::uint64_t>(r) * 100 / count_);
        if (progress && percent != lastPercent) {
            lastPercent = percent;
            if (!progress(percent)) throw Error("Packing " + path_ + " was stopped");
        }
    }
    batch += dbf::kEndOfFile;
    out.writeAt(written, batch);
    std::string header = headerWithCount(dbf_, headerLength_, kept, true);
    // Without its index open, the table's index file is left as it is and no longer fits
    // the records: the packed table is marked for the next open to rebuild it.
    if (!cdx_ && (tableFlags_ & dbf::kFlagStructuralIndex)) header[dbf::kIncompleteOffset] = 1;
    out.writeAt(0, header);
    if (outMemo) outMemo->sync();
    out.sync();
}

void TableImpl::zap() {
    if (mode_ != OpenMode::Exclusive) throw Error(path_ + " must be open exclusively to be zapped");
    requireWritable();
    cancel();
    beginChanges();
    try {
        appendBuf_.clear();
        count_ = diskCount_ = 0;
        cacheCount_ = 0;
        dirtyHeader_ = true;  // a commit after a failure below still writes the count
        dbfMap_ = FileMap();  // no mapping may reach past the file's new end
        // The count first: from then on the table is empty, whatever stops the rest.
        writeHeaderCount();
        dbf_.truncate(headerLength_);
        dbf_.writeAt(headerLength_, std::string(1, dbf::kEndOfFile));
        if (memo_ && memo_->kind() == MemoKind::Fpt) {
            const std::string memoFile = memo_->path();
            MemoFile::createFpt(memoFile, memo_->blockSize());
            memo_ = MemoFile::open(memoFile, MemoKind::Fpt, true);
        }
        rebuildTags({});
    } catch (...) {
        keepMark_ = true;  // the tags may still list the records
        throw;
    }
    commit();
    goTop();
}

void TableImpl::copyStructure(const std::string& path) const {
    File out = File::create(path);
    out.writeAt(0, headerWithCount(dbf_, headerLength_, 0, false) + dbf::kEndOfFile);
    out.closeChecked();
    if (memo_) copyMemoHeader(path);
}

void TableImpl::copyMemoHeader(const std::string& toDbfPath) const {
    // An empty memo file of the same kind and block size: the header with the first free block
    // moved back to just after it.
    std::string header(512, '\0');
    File in = File::open(memo_->path(), false);
    in.readExact(0, header.data(), header.size(), "the memo header");
    if (memo_->kind() == MemoKind::Fpt) {
        std::uint32_t first = (512 + memo_->blockSize() - 1) / memo_->blockSize();
        for (int i = 0; i < 4; ++i) header[i] = static_cast<char>(first >> (24 - 8 * i) & 0xFF);
    } else {
        std::memset(header.data(), 0, 4);
        header[0] = 1;
    }
    File out = File::create(withExtension(toDbfPath, extensionOf(memo_->path())));
    out.writeAt(0, header);
    out.closeChecked();
}

void TableImpl::copyFile(const std::string& path) {
    commit();
    File out = File::create(path);
    out.writeAt(0, headerWithCount(dbf_, headerLength_, count_, false));
    std::uint64_t length = static_cast<std::uint64_t>(count_) * recordLength_;
    copyBytes(dbf_, out, headerLength_, length);
    out.writeAt(headerLength_ + length, std::string(1, dbf::kEndOfFile));
    out.closeChecked();
    if (memo_) {
        File memoIn = File::open(memo_->path(), false);
        File memoOut = File::create(withExtension(path, extensionOf(memo_->path())));
        copyBytes(memoIn, memoOut, 0, memoIn.size());
        memoOut.closeChecked();
    }
}

}  // namespace xbase
