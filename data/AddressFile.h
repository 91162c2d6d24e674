#pragma once
// Creating, opening and checking address files. Nothing here shows anything: what the user is
// to be told comes back in the result, and the caller shows it.
#include <QString>
#include <QStringList>
#include <functional>

#include "data/AddressTable.h"

namespace rp {

// Progress while the tags are built: tag number 1-21 and that tag's percent; false stops.
using TagProgress = std::function<bool(int tag, int percent)>;

// What an open or a create came to: whether it worked, and the messages for the user in the
// order they arose, each to be shown as an information message, whether it worked or not.
struct [[nodiscard]] AddressFileResult {
    bool ok = false;
    QStringList notices;
    // The engine's text of the last failure, empty when there was none. Only the "Unable to
    // open" notice ends with it; the other notices are their fixed texts alone.
    QString cause;
    // The open for work failed only because a file it needs cannot be written (a read-only
    // file, folder or file system): the file can still be opened read-only.
    bool writeRefused = false;

    explicit operator bool() const { return ok; }

    // Hands each notice in order to show (showInformation where the user is to see them), then
    // answers whether it worked.
    template <class Show>
    bool tell(Show&& show) const {
        for (const QString& text : notices) show(text);
        return ok;
    }
};

// Opens any address file into table. Fails with the notice "File <path> not found" when it does
// not exist; without a notice when the layout does not match with STATE 20 or 4 wide or it
// cannot be opened (in use, damaged), the engine's text then in cause. A file that was not
// closed properly gets its indexes rebuilt (rebuildProgress reports from 0 to 100) and the
// notice "The file <path> was not closed properly. Its indexes have been rebuilt.".
AddressFileResult openAddressTable(const QString& path, AddressTable& table,
                                   const xbase::ProgressFn& rebuildProgress = {},
                                   xbase::OpenMode mode = xbase::OpenMode::Exclusive);

// What a command that needs the address file to itself says when it cannot reopen it so.
QString exclusiveOpenMessage();

// openAddressTable, then the tag check; sets the LNAME order when every required tag exists,
// else adds the notice to rebuild the indexes (read-only: the notice that they cannot be).
// Succeeds whenever the table is open. When it cannot be opened, the notice "Unable to open
// <path>..." ends with the engine's text on a line of its own; when it failed only because it
// cannot be written, there is no notice and writeRefused is set, for the caller to offer
// readOnlyOpenQuestion.
AddressFileResult openAddressFileChecked(const QString& path, AddressTable& table,
                                         const xbase::ProgressFn& rebuildProgress = {},
                                         xbase::OpenMode mode = xbase::OpenMode::Exclusive);

// The question that offers to open path read-only after an open for work was refused writing,
// with the engine's text on a line of its own.
QString readOnlyOpenQuestion(const QString& path, const QString& cause);

// Creates a new, empty address file with all tags and leaves it open in table. Fails with
// "Create failed" when the engine cannot make the file, else with "File creation failed" after
// the notices of the open and the tags; the engine's text is in cause.
AddressFileResult createAddressFile(const QString& path, AddressTable& table,
                                    const TagProgress& progress = {});

// Deletes the table's structural index and creates the 21 tags. Fails with "Unable to create
// index files", the engine's text in cause.
AddressFileResult createAddressTags(AddressTable& table, const TagProgress& progress = {});

}  // namespace rp
