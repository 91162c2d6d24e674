// "check-state-zip": the state/ZIP check of the chosen records against RVPSZCK.DBF of the data
// folder. The questionable records are written one a line, in last and first name order as
// the check's window lists them: record number, state and ZIP, separated by tabs. The check's
// work index goes into a private work folder, so a running program's is never touched.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "data/AddressTable.h"
#include "data/FieldText.h"
#include "framework/Messages.h"
#include "utilities/StateZipCheck.h"
#include "xbase/Ascii.h"
#include "xbase/Table.h"

namespace rp {

int runCheckStateZip(const QStringList& arguments, const QString& executableFolder) {
    OptionNames names = commonOptions();
    names.switches.insert(QStringLiteral("blanks"));
    const BatchArgs args(arguments, names);
    const QTemporaryDir work;
    if (!work.isValid())
        throw BatchError(
            QCoreApplication::translate("CheckStateZipCommand", "cannot make a work folder: %1")
                .arg(work.errorString()));

    BatchJob job(args, executableFolder);
    QString cause;
    const std::unique_ptr<xbase::Table> states =
        openStateZipTable(job.engine(), job.dataFolder(), false, &cause);
    if (!states)
        throw BatchError(
            withCause(QCoreApplication::translate("CheckStateZipCommand", "Unable to open %1")
                          .arg(job.dataFolder() + QLatin1String(kStateZipFile)),
                      cause));

    job.chooseRecords();
    xbase::Table& table = job.table();
    bool stopped = false;
    job.startPass(QStringLiteral("check-state-zip"), table.visibleCount());
    StateZipHooks hooks;
    hooks.keepGoing = [&] {
        stopped = !job.recordDone();
        return !stopped;
    };
    checkStateZip(table, *states,
                  enginePath(work.path() + QLatin1Char('/') + QLatin1String(kStateZipWorkIndex)),
                  args.has(QStringLiteral("blanks")), hooks);
    if (stopped) return kExitStopped;

    const int state = table.fieldNumber("STATE");
    const int zip = table.fieldNumber("ZIP");
    for (table.goTop(); !table.eof(); table.skip(1)) {
        std::printf(
            "%u\t%s\t%s\n", table.recNo(),
            fromFieldBytes(xbase::trimRight(table.fieldBytes(state))).toLocal8Bit().constData(),
            fromFieldBytes(xbase::trimRight(table.fieldBytes(zip))).toLocal8Bit().constData());
    }
    return kExitDone;
}

}  // namespace rp
