#pragma once
// A table object for address files: the engine table once open, with its folder (the
// database path) and bare file name kept apart.
#include <QString>
#include <memory>
#include <optional>

#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

class AddressTable {
  public:
    explicit AddressTable(xbase::Engine& engine) : engine_(engine) {}

    xbase::Engine& engine() const { return engine_; }
    bool isOpen() const { return table_ && table_->isOpen(); }
    xbase::Table& table() const { return *table_; }  // only while open
    xbase::Table* operator->() const { return table_.get(); }

    // Opens folder + fileName (exclusively unless told otherwise); throws xbase::Error. Without
    // indexes when the structural index cannot be used, so that it can be rebuilt. A file left
    // marked as not closed properly has its index rebuilt first, reporting through
    // rebuildProgress.
    void open(const QString& folder, const QString& fileName,
              const xbase::ProgressFn& rebuildProgress = {},
              xbase::OpenMode mode = xbase::OpenMode::Exclusive);
    void close();

    const QString& folder() const { return folder_; }
    const QString& fileName() const { return fileName_; }
    QString path() const { return folder_ + fileName_; }

  private:
    xbase::Engine& engine_;
    std::unique_ptr<xbase::Table> table_;
    QString folder_;
    QString fileName_;
};

// Opens one of the program's side tables shared, or read-only when it cannot be written;
// throws xbase::Error. A table that was not closed properly has its indexes rebuilt; the
// caller tells the user (indexRebuiltNotice).
std::unique_ptr<xbase::Table> openSideTable(xbase::Engine& engine, const QString& path);

// The file at path, or the one in its folder whose name differs only in letter case; empty when
// there is neither.
QString existingFileInAnyCase(const QString& path);

// "The file <path> was not closed properly. Its indexes have been rebuilt." when the open of
// table rebuilt them, for the caller to show as an information message; nothing otherwise.
std::optional<QString> indexRebuiltNotice(const xbase::Table& table, const QString& path);

// The folder of the open address file, ending in exactly one separator.
QString getDatabasePath(const AddressTable& table);

// A folder with exactly one trailing native separator.
QString withTrailingSeparator(const QString& folder);

// The engine's file-system form of a path.
std::string enginePath(const QString& path);

}  // namespace rp
