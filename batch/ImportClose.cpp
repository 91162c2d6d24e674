#include "batch/ImportClose.h"

#include "batch/BatchCommands.h"
#include "batch/BatchJob.h"
#include "framework/Messages.h"
#include "import/ImportTags.h"

namespace rp {

int closeImport(BatchJob& job, const QStringList& messages, bool cancelled, bool failed) {
    for (const QString& message : messages) showInformation(message);
    // As in the window, Ctrl+C is not taken while the tags are built.
    const bool built = rebuildImportedTags(job.addressTable(), [](int) {});
    if (failed || !built) return kExitError;
    return cancelled ? kExitStopped : kExitDone;
}

}  // namespace rp
