// "count": the number of chosen records on standard output.
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchJob.h"
#include "xbase/Table.h"

namespace rp {

int runCount(const QStringList& arguments, const QString& executableFolder) {
    const BatchArgs args(arguments, commonOptions());
    BatchJob job(args, executableFolder);
    job.chooseRecords();
    std::printf("%u\n", job.table().visibleCount());
    return kExitDone;
}

}  // namespace rp
