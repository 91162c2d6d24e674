// "presort": the bulk-mail presort over the chosen records, writing the presort list as
// PRESORT.PSL into the data folder as the program does, or to the file --output names. That
// file is written in a work folder beside it and put in its place only when complete.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>
#include <system_error>

#include "batch/BatchCommands.h"
#include "batch/BatchError.h"
#include "batch/BatchJob.h"
#include "postal/Presort.h"
#include "xbase/Table.h"

namespace rp {

int runPresortCommand(const QStringList& arguments, const QString& executableFolder) {
    OptionNames names = commonOptions();
    names.withValue.insert(QStringLiteral("output"));
    const BatchArgs args(arguments, names);
    QString output;
    if (args.has(QStringLiteral("output"))) {
        if (args.value(QStringLiteral("output")).isEmpty())
            throw BatchError(
                QCoreApplication::translate("PresortCommand", "--output needs a file name"));
        output = QDir::current().absoluteFilePath(args.value(QStringLiteral("output")));
    }

    BatchJob job(args, executableFolder);
    std::unique_ptr<QTemporaryDir> work;
    QString folder = job.dataFolder();
    if (!output.isEmpty()) {
        const QFileInfo target(output);
        if (!target.dir().exists())
            throw BatchError(
                QCoreApplication::translate("PresortCommand", "--output: there is no folder %1")
                    .arg(target.absolutePath()));
        work = std::make_unique<QTemporaryDir>(target.absolutePath() +
                                               QStringLiteral("/.presort-XXXXXX"));
        if (!work->isValid())
            throw BatchError(
                QCoreApplication::translate("PresortCommand", "--output: cannot write in %1: %2")
                    .arg(target.absolutePath(), work->errorString()));
        folder = work->path();
    }

    job.chooseRecords();
    xbase::Table& table = job.table();
    job.startPass(QStringLiteral("presort"), table.visibleCount());
    PresortHooks hooks;
    hooks.afterRecord = [&] { return job.recordDone(); };
    const PresortResult result = runPresort(table, folder, hooks);
    if (result == PresortResult::Cancelled) return kExitStopped;
    if (result == PresortResult::Failed) return kExitError;  // told through the messages

    if (work) {
        std::error_code error;
        std::filesystem::rename(presortFilePath(folder).toStdString(), output.toStdString(), error);
        if (error)
            throw BatchError(
                QCoreApplication::translate("PresortCommand", "--output: cannot write %1: %2")
                    .arg(output, QString::fromStdString(error.message())));
    }
    return kExitDone;
}

}  // namespace rp
