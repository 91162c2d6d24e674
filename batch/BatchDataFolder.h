#pragma once
// The data folder of a ravenpost-batch command: --home DIR, else the program's own rules, with
// the delivered side files copied in when missing there.
#include <QString>

namespace rp {

class BatchArgs;

// Throws BatchError with the folder's own text when it cannot be had.
QString batchDataFolder(const BatchArgs& args, const QString& executableFolder);

}  // namespace rp
